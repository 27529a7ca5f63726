#include "platform/input/hidevent/UinputHIDEventSystem.h"

#include "platform/input/hidevent/HIDEventTranslation.h"
#include "platform/input/uinput/UinputDevice.h"

#include <cerrno>

namespace halvane {

UinputHIDEventSystem::UinputHIDEventSystem(SinkMaker makeSink) : makeSink_(std::move(makeSink)) {
  if (!makeSink_) {
    makeSink_ = [] {
      UinputDevice::Result made =
          UinputDevice::create(QStringLiteral("Halvane HID events"), hidEventCapabilities());
      return MadeSink{std::move(made.device), made.error};
    };
  }
}

HIDEventSystem::OpenResult UinputHIDEventSystem::open() {
  if (!sink_) {
    MadeSink made = makeSink_();
    if (!made.sink) {
      const bool noService = made.error == ENOENT || made.error == ENODEV || made.error == ENXIO;
      return {noService ? OpenResult::Stage::NoService : OpenResult::Stage::OpenFailed, made.error,
              0};
    }
    sink_ = std::move(made.sink);
  }
  return {OpenResult::Stage::Opened, 0, kConnection};
}

int UinputHIDEventSystem::post(quint32 connection, quint32 eventType, IOGPoint,
                               const NXEventData& record, quint32, quint32 flags, quint32 options) {
  if (!sink_ || connection != kConnection) return kNotOpen;
  for (const std::vector<InputEvent>& frame : translateHIDEvent(eventType, record, flags, options))
    if (!sink_->emitFrame(frame)) return kIOError;
  return 0;
}

}  // namespace halvane
