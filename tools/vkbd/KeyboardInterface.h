#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>

namespace halvane::vkbd {

// One interface of the keyboard as halvane-vkbd drives it: a virtual keyboard socket or a
// kernel HID device.
class KeyboardInterface {
 public:
  virtual ~KeyboardInterface() = default;
  // Makes the interface appear (plugs it in). False with *error set when it cannot.
  virtual bool plugIn(QString* error) = 0;
  // Makes it go away, as pulling the cable does. Safe to call when it is not plugged in.
  virtual void unplug() = 0;
  // What plugIn made, for the messages.
  virtual QString pluggedInText() const = 0;
  // Sends one input report; false when nobody received it.
  virtual bool send(QByteArrayView report) = 0;
  // Someone is reading the interface's reports: a helper connected to the socket, or the
  // device opened through the kernel.
  virtual bool connected() const = 0;
  // Where the interface is, for the messages.
  virtual QString label() const = 0;
  // The byte a consumer report starts with (its report ID; 0 without one).
  virtual std::uint8_t consumerReportId() const { return 0; }

  // The driver settings, each time they come in.
  std::function<void(const DriverSettings&)> onDriverSettings;
  // Anything else the helper sent, described.
  std::function<void(const QString&)> onUnexpected;
  // connected() may have changed; the text says what happened.
  std::function<void(const QString&)> onConnectionChanged;
};

}  // namespace halvane::vkbd
