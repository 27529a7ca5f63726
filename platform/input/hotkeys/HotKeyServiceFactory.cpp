#include "platform/input/hotkeys/HotKeyBackendChoice.h"
#include "platform/input/hotkeys/HotKeyService.h"
#include "platform/input/hotkeys/PortalHotKeyService.h"
#include "platform/input/hotkeys/XcbHotKeyService.h"
#include "platform/system/log/SystemLog.h"

namespace halvane {
namespace {

// Without a display there is nothing to grab keys on.
class UnavailableHotKeyService : public HotKeyService {
 public:
  int registerHotKey(int, int, HotKeyId, Reference*) override { return kHotKeyInvalid; }
  void unregisterHotKey(Reference) override {}
  void setEventHandler(Handler) override {}
};

}  // namespace

std::unique_ptr<HotKeyService> createSystemHotKeyService(SystemLog& log) {
  HotKeySession session;
  session.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (session.wayland)
    session.portalVersion = PortalHotKeyService::portalVersion(bus, &session.noPortal);
  std::unique_ptr<XcbHotKeyService> x11;
  if (!session.portalVersion) x11 = XcbHotKeyService::connect();
  session.xDisplay = bool(x11);
  const HotKeyBackendChoice choice = chooseHotKeyBackend(session);
  log.log(choice.logLine);
  switch (choice.backend) {
    case HotKeyBackend::Portal:
      return std::make_unique<PortalHotKeyService>(bus, log);
    case HotKeyBackend::XGrab:
      return x11;
    case HotKeyBackend::None:
      break;
  }
  return std::make_unique<UnavailableHotKeyService>();
}

}  // namespace halvane
