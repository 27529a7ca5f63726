#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"

#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/log/SystemLog.h"
#include "shared/control/DBusTimeouts.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace halvane {

namespace {

constexpr double kStateEnabled = 1;  // GNOME Shell's ExtensionState.ENABLED

}  // namespace

GnomeShellActiveWindowSource::GnomeShellActiveWindowSource(const FrontSourceServices& services,
                                                           const QDBusConnection& bus)
    : services_(services), bus_(bus) {
  // Only the desktop's compositor may tell us what is in front.
  services_.relay.setListener(
      {QString::fromLatin1(kGnomeShellBusName), {QStringLiteral("gnome-shell")}},
      [this](const std::optional<WindowFacts>& facts) {
        active_ = facts;
        if (handler_) handler_(active_);
      });
  QDBusMessage call = QDBusMessage::createMethodCall(
      QString::fromLatin1(kGnomeShellBusName), QStringLiteral("/org/gnome/Shell"),
      QStringLiteral("org.gnome.Shell.Extensions"), QStringLiteral("GetExtensionInfo"));
  call.setArguments({QString::fromLatin1(kExtensionUuid)});
  auto* watcher =
      new QDBusPendingCallWatcher(bus_.asyncCall(call, dbus::kServiceStartTimeoutMs), this);
  QObject::connect(
      watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QVariantMap> info = *w;
        if (info.isError()) {
          services_.tell(
              QStringLiteral("GNOME Shell extension %1: the Shell did not say whether it runs (%2)")
                  .arg(QLatin1String(kExtensionUuid), info.error().message()));
          return;
        }
        const QVariantMap map = info.value();
        enabled_ = map.value(QStringLiteral("state")).toDouble() == kStateEnabled;
        if (!*enabled_) {
          services_.tell(QStringLiteral("GNOME Shell extension %1 is %2: %3")
                             .arg(QLatin1String(kExtensionUuid),
                                  map.isEmpty() ? QStringLiteral("not installed")
                                                : QStringLiteral("not enabled"),
                                  enableHint()));
        }
        emit extensionStateKnown();
      });
}

GnomeShellActiveWindowSource::~GnomeShellActiveWindowSource() {
  services_.relay.clearListener();
}

QString GnomeShellActiveWindowSource::enableHint() {
  return QStringLiteral(
             "automatic switching needs it; run `gnome-extensions enable %1` (on Wayland a newly "
             "installed extension is found only after logging in again)")
      .arg(QLatin1String(kExtensionUuid));
}

}  // namespace halvane
