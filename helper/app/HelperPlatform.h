#pragma once

#include "helper/controller/ControllerServices.h"
#include "helper/diagnostics/BackendRegistry.h"
#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/desktop/overlay/OverlayBackendChoice.h"
#include "platform/desktop/overlay/OverlaySurface.h"
#include "platform/desktop/probe/SessionProbe.h"
#include "platform/input/pointer/PointerBackendChoice.h"
#include "platform/input/posters/KeyEventBackendChoice.h"
#include "platform/input/posters/TextTypist.h"

#include <memory>

namespace halvane {

// The services' classes are declared with ControllerServices.
class Controller;
class HelperDiagnostics;
class ServerObject;
class SessionMonitor;
class Trace;

// The helper's real platform services, each behind its trace decorator, chosen for the session
// `probe` describes: what main() hands the Controller. Each choice is logged and recorded in
// backends().
class HelperPlatform {
 public:
  HelperPlatform(Trace& trace, const SessionProbe& probe);
  ~HelperPlatform();
  HelperPlatform(const HelperPlatform&) = delete;
  HelperPlatform& operator=(const HelperPlatform&) = delete;

  ControllerServices services();
  SystemLog& log() { return *log_; }
  ServerObject& serverObject() { return *serverObject_; }
  // Offers the read-only reports on the server object, about controller and these services.
  void serveDiagnostics(Controller& controller);
  BackendRegistry& backends() { return backends_; }
  // The surface the overlay window shows itself on, as chosen at start; nothing when the Qt
  // window is the overlay.
  std::unique_ptr<OverlaySurface> createOverlaySurface();
  // Suspend and the session going inactive, from logind.
  SessionMonitor& session() { return *session_; }

 private:
  // Each real backend, then the decorator the Controller talks to.
  const SessionProbe& probe_;
  BackendRegistry backends_;
  // Where our desktop pieces' focus pushes meet the front application's source.
  WindowActivationRelay relay_;
  std::unique_ptr<SystemLog> syslog_, log_;
  std::unique_ptr<Sleeper> realSleeper_, sleeper_;
  KeyEventBackendChoice keyEvents_;
  std::unique_ptr<KeyboardEventPoster> realKeyboard_, keyboard_;
  BackendRecord textTyping_;  // what the typist can type, for Backends()
  std::unique_ptr<TextTypist> typist_, tracedTypist_;
  PointerBackendChoice pointerEvents_;
  std::unique_ptr<PointerEventPoster> realPointer_, pointer_;
  std::unique_ptr<HIDEventSystem> realHidEvents_, hidEvents_;
  std::unique_ptr<Workspace> realWorkspace_, workspace_;
  // Before the scripts, which are told the front application.
  std::unique_ptr<FrontApplicationWatcher> frontApplication_;
  std::unique_ptr<ScriptRunner> realScripts_, scripts_;
  std::unique_ptr<DistributedNotificationCenter> realNotifications_, notifications_;
  std::unique_ptr<HIDDeviceRegistry> realDevices_, devices_;
  std::unique_ptr<HelperDiagnostics> diagnostics_;
  std::unique_ptr<ServerObject> serverObject_;
  std::unique_ptr<SessionMonitor> session_;
  // Chosen (and recorded) at start; the surface is made when the overlay first shows.
  OverlayBackendChoice overlay_;
};

}  // namespace halvane
