#include "platform/input/hidevent/HIDEventBackendChoice.h"

#include <QCoreApplication>

namespace halvane {

QString hidEventBackendName(HIDEventBackend backend) {
  return backend == HIDEventBackend::Uinput ? QStringLiteral("uinput") : QStringLiteral("none");
}

HIDEventBackendChoice chooseHIDEventBackend(const SessionProbe& probe) {
  HIDEventBackendChoice choice;
  choice.subject =
      QCoreApplication::translate("HIDEventBackendChoice", "HID events (eject, media keys, mouse)");
  if (probe.uinputUnusable.isEmpty()) {
    choice.backend = HIDEventBackend::Uinput;
    choice.why = QCoreApplication::translate("HIDEventBackendChoice", "/dev/uinput can be used");
    // The backend's name alone, untranslated: doctor knows a working backend by it.
    choice.text = hidEventBackendName(HIDEventBackend::Uinput);
    return choice;
  }
  choice.backend = HIDEventBackend::TraceOnly;
  choice.why = QCoreApplication::translate("HIDEventBackendChoice", "no uinput");
  choice.notTaken = {{HIDEventBackend::Uinput, probe.uinputUnusable}};
  //: HID events are only written to the trace; %1 says why /dev/uinput cannot be used
  choice.text = QCoreApplication::translate("HIDEventBackendChoice", "traced only, %1")
                    .arg(probe.uinputUnusable);
  return choice;
}

}  // namespace halvane
