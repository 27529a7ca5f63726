#include "platform/input/hotkeys/DeferredHotKeyService.h"
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

// The backend once the portal's answer (if asked) is in session.
std::unique_ptr<HotKeyService> create(HotKeySession session, const QDBusConnection& bus,
                                      SystemLog& log) {
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

}  // namespace

std::unique_ptr<HotKeyService> createSystemHotKeyService(SystemLog& log) {
  HotKeySession session;
  session.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (!session.wayland) return create(session, bus, log);
  // The portal may first have to be started: the choice is made when it has answered, and the
  // registrations made until then wait for it. The portal is the likely choice, so its triggers
  // say which keys can be hot keys meanwhile.
  auto deferred = std::make_unique<DeferredHotKeyService>(
      [](int keyCode, int modifiers) {
        return !PortalHotKeyService::trigger(keyCode, modifiers).isEmpty();
      },
      log);
  PortalHotKeyService::askPortalVersion(
      bus, deferred.get(),
      [session, bus, &log, target = deferred.get()](uint version, const QString& whyNot) mutable {
        session.portalVersion = version;
        session.noPortal = whyNot;
        target->setBackend(create(session, bus, log));
      });
  return deferred;
}

}  // namespace halvane
