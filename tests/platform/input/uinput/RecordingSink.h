#pragma once

#include "platform/input/uinput/InputEventSink.h"

#include <memory>
#include <ostream>
#include <vector>

namespace halvane {
// Readable failures: {type, code, value}.
inline void PrintTo(const InputEvent& e, std::ostream* os) {
  *os << "{" << e.type << "," << e.code << "," << e.value << "}";
}
}  // namespace halvane

namespace halvane::test {

using Frames = std::vector<std::vector<InputEvent>>;

// Keeps the frames a backend emits in a list the test owns (the backend owns the sink).
class RecordingSink : public InputEventSink {
 public:
  explicit RecordingSink(Frames* frames) : frames_(frames) {}
  bool emitFrame(const std::vector<InputEvent>& events) override {
    if (failWrites) return false;
    frames_->push_back(events);
    return true;
  }
  bool failWrites = false;

 private:
  Frames* frames_;
};

}  // namespace halvane::test
