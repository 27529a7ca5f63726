#include "platform/input/hidevent/HIDEventSystemFactory.h"

#include "platform/input/hidevent/UinputHIDEventSystem.h"

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

std::unique_ptr<HIDEventSystem> createHIDEventSystem(const HIDEventBackendChoice& choice) {
  if (choice.backend == HIDEventBackend::Uinput) return std::make_unique<UinputHIDEventSystem>();
  return std::make_unique<TraceOnlyHIDEventSystem>();
}

}  // namespace halvane
