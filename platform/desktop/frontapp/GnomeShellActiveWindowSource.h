#pragma once

#include "platform/desktop/frontapp/ActiveWindowSource.h"
#include "platform/desktop/frontapp/FrontSourceServices.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

namespace halvane {

// GNOME on Wayland: our Shell extension calls the helper's FrontApplicationSink on each focus
// change, and again when the helper's name appears. The helper cannot enable the extension
// itself; when it is not enabled it says once how to do it.
class GnomeShellActiveWindowSource : public QObject, public ActiveWindowSource {
  Q_OBJECT

 public:
  static constexpr char kExtensionUuid[] = "halvane-keyboard@halvane.com";

  explicit GnomeShellActiveWindowSource(const FrontSourceServices& services,
                                        const QDBusConnection& bus = QDBusConnection::sessionBus());
  ~GnomeShellActiveWindowSource() override;

  void setActiveWindowHandler(Handler handler) override { handler_ = std::move(handler); }
  std::optional<WindowFacts> activeWindow() const override { return active_; }
  QString backendName() const override { return QStringLiteral("gnome-shell"); }

  // What the Shell said of our extension: nothing until it answered, and while it loads it.
  std::optional<bool> extensionEnabled() const { return enabled_; }
  static QString enableHint();

 signals:
  void extensionStateKnown();

 private slots:
  void onExtensionStateChanged(const QString& uuid, const QVariantMap& state);

 private:
  void takeState(const QVariantMap& info);

  FrontSourceServices services_;
  QDBusConnection bus_;
  std::optional<bool> enabled_;
  std::optional<WindowFacts> active_;
  Handler handler_;
};

}  // namespace halvane
