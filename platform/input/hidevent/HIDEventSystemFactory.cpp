#include "platform/input/hidevent/HIDEventSystemFactory.h"

#include "platform/input/hidevent/UinputHIDEventSystem.h"
#include "platform/input/uinput/UinputDevice.h"
#include "platform/system/log/SystemLog.h"

namespace halvane {

namespace {

// Without uinput the events are only traced; each is taken as posted, as synthetic keys are
// without a backend, so the trace shows every event an eject key would make.
class TraceOnlyHIDEventSystem : public HIDEventSystem {
 public:
  OpenResult open() override { return {OpenResult::Stage::Opened, 0, 1}; }
  int post(quint32, quint32, IOGPoint, const NXEventData&, quint32, quint32, quint32) override {
    return 0;
  }
};

}  // namespace

std::unique_ptr<HIDEventSystem> createHIDEventSystem(SystemLog& log) {
  const QString reason = UinputDevice::unusableReason();
  if (reason.isEmpty()) {
    log.log(QStringLiteral("HID events (eject, media keys, mouse): uinput"));
    return std::make_unique<UinputHIDEventSystem>();
  }
  log.log(QStringLiteral("HID events (eject, media keys, mouse): traced only, %1").arg(reason));
  return std::make_unique<TraceOnlyHIDEventSystem>();
}

}  // namespace halvane
