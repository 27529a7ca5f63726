#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"

#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/log/SystemLog.h"
#include "shared/control/DBusTimeouts.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace halvane {

namespace {

// GNOME Shell's ExtensionState: ACTIVE and INACTIVE (ENABLED and DISABLED before GNOME 46),
// DEACTIVATING and ACTIVATING (from GNOME 45).
constexpr double kStateActive = 1;
constexpr double kStateInactive = 2;
constexpr double kStateDeactivating = 7;
constexpr double kStateActivating = 8;

// Whether the Shell is still on its way to running our extension or to stopping it. From GNOME 45
// it loads extensions after it answers on the bus, and from GNOME 46 it says which ones the user
// enabled: one enabled but not running yet is inactive once initialised, and failed before.
bool inTransition(const QVariantMap& info, bool firstAnswer) {
  const double state = info.value(QStringLiteral("state")).toDouble();
  if (state == kStateActivating || state == kStateDeactivating) return true;
  if (!info.value(QStringLiteral("enabled")).toBool() || state == kStateActive) return false;
  return firstAnswer || state == kStateInactive;
}

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
  // Later changes, among them the end of a start-up still loading the extension when we asked.
  bus_.connect(QString::fromLatin1(kGnomeShellBusName), QStringLiteral("/org/gnome/Shell"),
               QStringLiteral("org.gnome.Shell.Extensions"),
               QStringLiteral("ExtensionStateChanged"), this,
               SLOT(onExtensionStateChanged(QString, QVariantMap)));
  auto* watcher =
      new QDBusPendingCallWatcher(bus_.asyncCall(call, dbus::kServiceStartTimeoutMs), this);
  QObject::connect(
      watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QVariantMap> info = *w;
        if (info.isError()) {
          services_.tell(QCoreApplication::translate(
                             "GnomeShellActiveWindowSource",
                             "GNOME Shell extension %1: the Shell did not say whether it runs (%2)")
                             .arg(QLatin1String(kExtensionUuid), info.error().message()));
          return;
        }
        if (!enabled_ && !inTransition(info.value(), true)) takeState(info.value());
      });
}

void GnomeShellActiveWindowSource::onExtensionStateChanged(const QString& uuid,
                                                           const QVariantMap& state) {
  if (uuid == QLatin1String(kExtensionUuid) && !inTransition(state, false)) takeState(state);
}

void GnomeShellActiveWindowSource::takeState(const QVariantMap& info) {
  const bool enabled = info.value(QStringLiteral("state")).toDouble() == kStateActive;
  if (!enabled && enabled_ != false) {
    services_.tell(
        (info.isEmpty()
             ? QCoreApplication::translate("GnomeShellActiveWindowSource",
                                           "GNOME Shell extension %1 is not installed: %2")
             : QCoreApplication::translate("GnomeShellActiveWindowSource",
                                           "GNOME Shell extension %1 is not enabled: %2"))
            .arg(QLatin1String(kExtensionUuid), enableHint()));
  }
  enabled_ = enabled;
  emit extensionStateKnown();
}

GnomeShellActiveWindowSource::~GnomeShellActiveWindowSource() {
  services_.relay.clearListener();
}

QString GnomeShellActiveWindowSource::enableHint() {
  return QCoreApplication::translate(
             "GnomeShellActiveWindowSource",
             "automatic switching needs it; run `%1` (on Wayland a newly installed extension is "
             "found only after logging in again)")
      .arg(QStringLiteral("gnome-extensions enable ") + QLatin1String(kExtensionUuid));
}

}  // namespace halvane
