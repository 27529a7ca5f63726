#include "platform/input/hotkeys/HotKeyServiceFactory.h"

#include "platform/input/hotkeys/PortalHotKeyService.h"
#include "platform/input/hotkeys/XcbHotKeyService.h"

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

HotKeySession hotKeySession(const SessionProbe& probe, const QDBusConnection& bus) {
  uint version = 0;
  QString noPortal;
  if (probe.hasWaylandDisplay()) version = PortalHotKeyService::portalVersion(bus, &noPortal);
  return hotKeySession(probe, version, noPortal);
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

}  // namespace halvane
