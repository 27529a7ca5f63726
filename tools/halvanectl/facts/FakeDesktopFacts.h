#pragma once

#include "tools/halvanectl/facts/DesktopFacts.h"

#include <QMap>

namespace halvane {

// DesktopFacts a test sets up; GSettings keys are "schema key".
class FakeDesktopFacts : public DesktopFacts {
 public:
  std::optional<QStringList> gsettingsStrings(const QString& schema, const QString& key) override {
    const QString k = schema + u' ' + key;
    if (!strings.contains(k)) return std::nullopt;
    return strings.value(k);
  }
  std::optional<bool> gsettingsBool(const QString& schema, const QString& key) override {
    const QString k = schema + u' ' + key;
    if (!bools.contains(k)) return std::nullopt;
    return bools.value(k);
  }
  QString gnomeShellVersion() override { return shellVersion; }
  std::optional<int> gnomeExtensionState(const QString& uuid) override {
    if (!extensionStates.contains(uuid)) return std::nullopt;
    return extensionStates.value(uuid);
  }
  std::optional<bool> kwinScriptLoaded(const QString& name) override {
    if (!kwinRunning) return std::nullopt;
    return kwinScripts.contains(name);
  }
  QString busNameOwnerExecutable(const QString& name) override { return owners.value(name); }

  QMap<QString, QStringList> strings;
  QMap<QString, bool> bools;
  QString shellVersion;
  QMap<QString, int> extensionStates;
  bool kwinRunning = false;
  QStringList kwinScripts;
  QMap<QString, QString> owners;
};

}  // namespace halvane
