#include "helper/app/HelperPlatform.h"

#include "helper/diagnostics/HelperDiagnostics.h"
#include "platform/desktop/frontapp/FrontApplicationSinkGate.h"
#include "platform/desktop/frontapp/FrontApplicationWatcherFactory.h"
#include "platform/desktop/notification/DBusDistributedNotificationCenter.h"
#include "platform/desktop/notification/TracedDistributedNotificationCenter.h"
#include "platform/desktop/overlay/OverlaySurfaceFactory.h"
#include "platform/desktop/workspace/TracedWorkspace.h"
#include "platform/desktop/workspace/WorkspaceFactory.h"
#include "platform/input/devices/CompositeHIDDeviceRegistry.h"
#include "platform/input/devices/TracedHIDDeviceRegistry.h"
#include "platform/input/hidevent/HIDEventSystemFactory.h"
#include "platform/input/hidevent/TracedHIDEventSystem.h"
#include "platform/input/pointer/PointerEventPosterFactory.h"
#include "platform/input/pointer/TracedPointerEventPoster.h"
#include "platform/input/posters/KeyboardEventPosterFactory.h"
#include "platform/input/posters/TextTypistFactory.h"
#include "platform/input/posters/TraceOnlyTextTypist.h"
#include "platform/input/posters/TracedKeyboardEventPoster.h"
#include "platform/input/posters/TracedTextTypist.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/log/SyslogSystemLog.h"
#include "platform/system/log/TracedSystemLog.h"
#include "platform/system/script/ScriptRunnerFactory.h"
#include "platform/system/script/TracedScriptRunner.h"
#include "platform/system/session/LogindSessionMonitor.h"
#include "platform/system/sleeper/QtClock.h"
#include "platform/system/sleeper/RealSleeper.h"
#include "platform/system/sleeper/TracedSleeper.h"
#include "shared/settings/SettingsMigration.h"

#include <QGuiApplication>

namespace halvane {

namespace {

// The control channel's object also carries the sink our desktop pieces push focus changes to.
std::unique_ptr<ServerObject> makeServerObject(SystemLog& log, WindowActivationRelay& relay) {
  auto object = std::make_unique<DBusServerObject>(log);
  object->addInterface(frontApplicationSink(relay));
  return object;
}

// Logs a service's choice and records it.
template <typename Choice, typename NameOf>
Choice noted(const Choice& choice, BackendService service, NameOf nameOf, SystemLog& log,
             BackendRegistry& backends) {
  log.log(choice.logLine());
  backends.record(choice.record(service, nameOf));
  return choice;
}

// The trace-only backend has no typist of its own: its text goes into the trace alone.
std::unique_ptr<TextTypist> orTraceOnly(std::unique_ptr<TextTypist> typist) {
  if (!typist) return std::make_unique<TraceOnlyTextTypist>();
  return typist;
}

}  // namespace

HelperPlatform::HelperPlatform(Trace& trace, const SessionProbe& probe)
    : probe_(probe),
      syslog_(std::make_unique<SyslogSystemLog>(QStringLiteral("HalvaneHelper"))),
      log_(std::make_unique<TracedSystemLog>(*syslog_, trace)),
      realSleeper_(std::make_unique<RealSleeper>()),
      sleeper_(std::make_unique<TracedSleeper>(*realSleeper_, trace)),
      realKeyboard_(createKeyboardEventPoster(probe, *log_, &keyEvents_)),
      keyboard_(std::make_unique<TracedKeyboardEventPoster>(*realKeyboard_, trace)),
      typist_(orTraceOnly(
          createTextTypist(keyEvents_, *realKeyboard_, *keyboard_, probe, *log_, &textTyping_))),
      tracedTypist_(std::make_unique<TracedTextTypist>(*typist_, trace)),
      realPointer_(createPointerEventPoster(probe, *log_, &pointerEvents_)),
      pointer_(std::make_unique<TracedPointerEventPoster>(*realPointer_, trace)),
      realHidEvents_(
          createHIDEventSystem(noted(chooseHIDEventBackend(probe), BackendService::HidEvents,
                                     hidEventBackendName, *log_, backends_))),
      hidEvents_(std::make_unique<TracedHIDEventSystem>(*realHidEvents_, trace)),
      realWorkspace_(createWorkspace()),
      workspace_(std::make_unique<TracedWorkspace>(*realWorkspace_, trace)),
      frontApplication_(createFrontApplicationWatcher(
          noted(chooseFrontBackend(probe), BackendService::FrontApplication, frontBackendName,
                *log_, backends_),
          probe, FrontSourceServices{*log_, backends_, relay_})),
      realScripts_(createScriptRunner([this]() -> std::optional<QString> {
        const QStringList names = frontApplication_->frontApplication().names();
        if (names.isEmpty()) return std::nullopt;
        return names.first();
      })),
      scripts_(std::make_unique<TracedScriptRunner>(*realScripts_, trace)),
      realNotifications_(std::make_unique<DBusDistributedNotificationCenter>()),
      notifications_(
          std::make_unique<TracedDistributedNotificationCenter>(*realNotifications_, trace)),
      realDevices_(createSystemHIDDeviceRegistry(*log_)),
      devices_(std::make_unique<TracedHIDDeviceRegistry>(*realDevices_, trace)),
      serverObject_(makeServerObject(*log_, relay_)),
      session_(std::make_unique<LogindSessionMonitor>()),
      overlay_(noted(chooseOverlayBackend(overlaySession(probe_)), BackendService::Overlay,
                     overlayBackendName, *log_, backends_)) {
  backends_.record(keyEvents_.record(BackendService::KeyEvents, keyEventBackendName));
  backends_.record(pointerEvents_.record(BackendService::Pointer, pointerBackendName));
  backends_.record(textTyping_);
}

std::unique_ptr<OverlaySurface> HelperPlatform::createOverlaySurface() {
  return halvane::createOverlaySurface(overlay_, probe_);
}

HelperPlatform::~HelperPlatform() = default;

void HelperPlatform::serveDiagnostics(Controller& controller) {
  if (!backends_.recordOf(BackendService::Overlay)) {
    BackendRecord qtWindow;
    qtWindow.service = BackendService::Overlay;
    qtWindow.chosen = overlayBackendName(OverlayBackend::QtWindow);
    qtWindow.text =
        QStringLiteral("Qt window on the \"%1\" platform").arg(QGuiApplication::platformName());
    backends_.record(qtWindow);
  }
  diagnostics_ = std::make_unique<HelperDiagnostics>(controller, *frontApplication_, backends_);
  serverObject_->setDiagnostics(diagnostics_.get());
}

ControllerServices HelperPlatform::services() {
  return ControllerServices{*log_,
                            *sleeper_,
                            QtClock::instance(),
                            *keyboard_,
                            *tracedTypist_,
                            *pointer_,
                            *hidEvents_,
                            *workspace_,
                            *scripts_,
                            *frontApplication_,
                            *notifications_,
                            *devices_,
                            Bundle::mainBundle(),
                            settings::prepareSettingsPath(log_->reporter())};
}

}  // namespace halvane
