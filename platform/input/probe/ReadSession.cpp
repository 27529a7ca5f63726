#include "platform/input/probe/ReadSession.h"

#include "platform/input/uinput/UinputDevice.h"

namespace halvane {

SessionProbe readSession(const QProcessEnvironment& environment, const QDBusConnection& bus) {
  SessionProbe probe = sessionFromEnvironment(environment);
  probeDesktop(probe, bus);
  probe.uinputUnusable = UinputDevice::unusableReason();
  return probe;
}

}  // namespace halvane
