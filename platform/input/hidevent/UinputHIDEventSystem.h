#pragma once

#include "platform/input/hidevent/HIDEventSystem.h"
#include "platform/input/uinput/InputEventSink.h"

#include <functional>
#include <memory>

namespace halvane {

// The HID event service as a uinput device (keys, auxiliary keys, mouse buttons, motion and
// wheels): each posted record is translated into the Linux input events that do the same.
class UinputHIDEventSystem : public HIDEventSystem {
 public:
  struct MadeSink {
    std::unique_ptr<InputEventSink> sink;  // nothing on failure
    int error = 0;                         // errno of the failing step
  };
  using SinkMaker = std::function<MadeSink()>;

  // The status answered for posts to a connection that is not open, and for failed writes.
  static constexpr int kNotOpen = int(0xE00002CD);
  static constexpr int kIOError = int(0xE00002CA);
  static constexpr quint32 kConnection = 1;

  // makeSink is called by open(); the default makes the uinput device.
  explicit UinputHIDEventSystem(SinkMaker makeSink = {});

  // Makes the device once; later calls answer the same connection. A missing uinput node (or
  // one without a driver) is NoService; any other failure, permission among them, OpenFailed
  // with the errno as status.
  OpenResult open() override;
  int post(quint32 connection, quint32 eventType, IOGPoint location, const NXEventData& record,
           quint32 recordVersion, quint32 flags, quint32 options) override;

 private:
  SinkMaker makeSink_;
  std::unique_ptr<InputEventSink> sink_;
};

}  // namespace halvane
