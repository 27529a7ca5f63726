#include "helper/app/HelperPlatform.h"

#include "helper/diagnostics/HelperDiagnostics.h"
#include "platform/control/DBusServerObject.h"
#include "platform/devices/CompositeHIDDeviceRegistry.h"
#include "platform/devices/TracedHIDDeviceRegistry.h"
#include "platform/frontapp/FrontApplicationWatcherFactory.h"
#include "platform/hidevent/HIDEventSystemFactory.h"
#include "platform/hidevent/TracedHIDEventSystem.h"
#include "platform/input/KeyboardEventPosterFactory.h"
#include "platform/input/TracedKeyboardEventPoster.h"
#include "platform/log/SyslogSystemLog.h"
#include "platform/log/TracedSystemLog.h"
#include "platform/notification/DBusDistributedNotificationCenter.h"
#include "platform/notification/TracedDistributedNotificationCenter.h"
#include "platform/script/ScriptRunnerFactory.h"
#include "platform/session/LogindSessionMonitor.h"
#include "platform/script/TracedScriptRunner.h"
#include "platform/sleeper/RealSleeper.h"
#include "platform/sleeper/TracedSleeper.h"
#include "platform/workspace/TracedWorkspace.h"
#include "platform/workspace/WorkspaceFactory.h"
#include "shared/settings/SettingsMigration.h"

#include <QGuiApplication>

namespace halvane {

HelperPlatform::HelperPlatform(Trace& trace)
    : syslog_(std::make_unique<SyslogSystemLog>(QStringLiteral("HalvaneHelper"))),
      realLog_(std::make_unique<BackendRecordingLog>(*syslog_, backends_)),
      log_(std::make_unique<TracedSystemLog>(*realLog_, trace)),
      realSleeper_(std::make_unique<RealSleeper>()),
      sleeper_(std::make_unique<TracedSleeper>(*realSleeper_, trace)),
      realKeyboard_(createKeyboardEventPoster(*log_)),
      keyboard_(std::make_unique<TracedKeyboardEventPoster>(*realKeyboard_, trace)),
      realHidEvents_(createHIDEventSystem(*log_)),
      hidEvents_(std::make_unique<TracedHIDEventSystem>(*realHidEvents_, trace)),
      realWorkspace_(createWorkspace()),
      workspace_(std::make_unique<TracedWorkspace>(*realWorkspace_, trace)),
      frontApplication_(createFrontApplicationWatcher(*log_)),
      realScripts_(createScriptRunner([this]() -> std::optional<QString> {
        const QStringList names = frontApplication_->frontApplication().names();
        if (names.isEmpty()) return std::nullopt;
        return names.first();
      })),
      scripts_(std::make_unique<TracedScriptRunner>(*realScripts_, trace)),
      realNotifications_(std::make_unique<DBusDistributedNotificationCenter>()),
      notifications_(std::make_unique<TracedDistributedNotificationCenter>(*realNotifications_, trace)),
      realDevices_(createSystemHIDDeviceRegistry(*log_)),
      devices_(std::make_unique<TracedHIDDeviceRegistry>(*realDevices_, trace)),
      serverObject_(std::make_unique<DBusServerObject>(*log_)),
      session_(std::make_unique<LogindSessionMonitor>()) {}

HelperPlatform::~HelperPlatform() = default;

void HelperPlatform::serveDiagnostics(Controller& controller) {
  if (!backends_.entries().contains(QStringLiteral("overlay")))
    backends_.set(QStringLiteral("overlay"),
                  QStringLiteral("Qt window on the \"%1\" platform").arg(QGuiApplication::platformName()));
  diagnostics_ = std::make_unique<HelperDiagnostics>(controller, *frontApplication_, backends_);
  serverObject_->setDiagnostics(diagnostics_.get());
}

ControllerServices HelperPlatform::services() {
  return ControllerServices{*log_,       *sleeper_,         *keyboard_,
                            *hidEvents_, *workspace_,       *scripts_,
                            *frontApplication_, *notifications_, *devices_,
                            Bundle::mainBundle(), settings::prepareSettingsPath(log_->reporter())};
}

}  // namespace halvane
