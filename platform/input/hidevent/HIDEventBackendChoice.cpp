#include "platform/input/hidevent/HIDEventBackendChoice.h"

namespace halvane {

QString hidEventBackendName(HIDEventBackend backend) {
  return backend == HIDEventBackend::Uinput ? QStringLiteral("uinput") : QStringLiteral("none");
}

HIDEventBackendChoice chooseHIDEventBackend(const SessionProbe& probe) {
  HIDEventBackendChoice choice;
  choice.subject = QStringLiteral("HID events (eject, media keys, mouse)");
  if (probe.uinputUnusable.isEmpty()) {
    choice.backend = HIDEventBackend::Uinput;
    choice.why = QStringLiteral("/dev/uinput can be used");
    choice.text = QStringLiteral("uinput");
    return choice;
  }
  choice.backend = HIDEventBackend::TraceOnly;
  choice.why = QStringLiteral("no uinput");
  choice.notTaken = {{HIDEventBackend::Uinput, probe.uinputUnusable}};
  choice.text = QStringLiteral("traced only, %1").arg(probe.uinputUnusable);
  return choice;
}

}  // namespace halvane
