#pragma once

#include "tools/halvanectl/facts/DesktopFacts.h"

#include <QDBusConnection>

namespace halvane {

// DesktopFacts from the gsettings program, GNOME Shell's and KWin's D-Bus interfaces and the
// session bus itself.
class SessionDesktopFacts : public DesktopFacts {
 public:
  explicit SessionDesktopFacts(const QDBusConnection& bus = QDBusConnection::sessionBus());

  std::optional<QStringList> gsettingsStrings(const QString& schema, const QString& key) override;
  std::optional<bool> gsettingsBool(const QString& schema, const QString& key) override;
  QString gnomeShellVersion() override;
  std::optional<int> gnomeExtensionState(const QString& uuid) override;
  std::optional<bool> kwinScriptLoaded(const QString& name) override;
  QString busNameOwnerExecutable(const QString& name) override;

  // The strings of a GVariant string array as gsettings prints it: "['a', \"b'c\"]", "@as []".
  static QStringList parseStringArray(const QString& text);

 private:
  std::optional<QString> gsettings(const QString& schema, const QString& key);

  QDBusConnection bus_;
};

}  // namespace halvane
