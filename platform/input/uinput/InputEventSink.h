#pragma once

#include <cstdint>
#include <vector>

namespace halvane {

// One Linux input event (type, code, value as in linux/input.h), without its time stamp.
struct InputEvent {
  std::uint16_t type = 0;
  std::uint16_t code = 0;
  std::int32_t value = 0;
  friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

// Where translated input events go: a uinput device, or a recorder in tests.
class InputEventSink {
 public:
  virtual ~InputEventSink() = default;
  // Emits the events as one frame (a SYN_REPORT follows them); false when writing failed.
  virtual bool emitFrame(const std::vector<InputEvent>& events) = 0;
};

}  // namespace halvane
