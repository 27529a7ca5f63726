#pragma once

#include "platform/input/uinput/InputEventSink.h"

#include <QString>

#include <memory>
#include <vector>

namespace halvane {

// A virtual input device made through /dev/uinput. It exists for as long as the object does.
class UinputDevice : public InputEventSink {
 public:
  struct Capabilities {
    std::vector<int> keys;      // EV_KEY codes, buttons included
    std::vector<int> relative;  // EV_REL axes
  };
  struct Result {
    std::unique_ptr<UinputDevice> device;  // nothing on failure
    int error = 0;                         // errno of the failing step
  };

  static QString defaultPath() { return QStringLiteral("/dev/uinput"); }
  // Creates the device; the kernel names it `name` (cut to the kernel's 80 bytes).
  static Result create(const QString& name, const Capabilities& capabilities,
                       const QString& path = defaultPath());
  // Why the uinput node at path cannot be used, in words a user can act on; empty when it can
  // be opened for writing.
  static QString unusableReason(const QString& path = defaultPath());
  static QString reasonForError(int error, const QString& path);

  ~UinputDevice() override;
  UinputDevice(const UinputDevice&) = delete;
  UinputDevice& operator=(const UinputDevice&) = delete;

  bool emitFrame(const std::vector<InputEvent>& events) override;
  // The event node the kernel made for the device (/dev/input/eventN); empty when unknown.
  QString eventNodePath() const;

 private:
  explicit UinputDevice(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace halvane
