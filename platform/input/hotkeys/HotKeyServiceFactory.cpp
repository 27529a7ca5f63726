#include "platform/input/hotkeys/HotKeyServiceFactory.h"

#include "platform/input/hotkeys/DeferredHotKeyService.h"
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

// Chooses for the session as it now stands, logs the choice and makes its service.
std::unique_ptr<HotKeyService> chooseAndCreate(const SessionProbe& probe, uint portalVersion,
                                               const QString& noPortal, SystemLog& log,
                                               const QDBusConnection& bus) {
  const HotKeyBackendChoice choice =
      chooseHotKeyBackend(hotKeySession(probe, portalVersion, noPortal));
  log.log(choice.logLine());
  return createHotKeyService(choice, probe, log, bus);
}

}  // namespace

HotKeySession hotKeySession(const SessionProbe& probe, uint portalVersion,
                            const QString& noPortal) {
  HotKeySession session;
  session.wayland = probe.hasWaylandDisplay();
  if (session.wayland) {
    session.portalVersion = portalVersion;
    session.noPortal = noPortal;
  }
  session.xDisplay = probe.hasXDisplay();
  return session;
}

std::unique_ptr<HotKeyService> createHotKeyService(const HotKeyBackendChoice& choice,
                                                   const SessionProbe& probe, SystemLog& log,
                                                   const QDBusConnection& bus) {
  switch (choice.backend) {
    case HotKeyBackend::Portal:
      return std::make_unique<PortalHotKeyService>(bus, log);
    case HotKeyBackend::XGrab:
      if (std::unique_ptr<XcbHotKeyService> x11 = XcbHotKeyService::connect(probe.x11Display))
        return x11;
      break;
    case HotKeyBackend::None:
      break;
  }
  return std::make_unique<UnavailableHotKeyService>();
}

std::unique_ptr<HotKeyService> createSessionHotKeyService(const SessionProbe& probe, SystemLog& log,
                                                          const QDBusConnection& bus) {
  if (!probe.hasWaylandDisplay()) return chooseAndCreate(probe, 0, QString(), log, bus);
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
      [probe, bus, &log, target = deferred.get()](uint version, const QString& whyNot) {
        target->setBackend(chooseAndCreate(probe, version, whyNot, log, bus));
      });
  return deferred;
}

}  // namespace halvane
