#pragma once

#include "platform/input/uhid/UhidReports.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace halvane::uhid {

// One keyboard interface made through /dev/uhid: a HID device the kernel's HID core drives
// like a USB one. It exists from create() until the object goes (or destroy()). Requests from
// the kernel are answered on the Qt loop.
class UhidDevice {
 public:
  static QString defaultPath() { return QStringLiteral("/dev/uhid"); }
  // Why /dev/uhid at path cannot be used for the errno of opening or writing it, in words a
  // user can act on.
  static QString reasonForError(int error, const QString& path);

  struct Result {
    std::unique_ptr<UhidDevice> device;  // nothing on failure
    QString error;
  };
  static Result create(const DeviceDescription& description, const QString& path = defaultPath());

  ~UhidDevice();
  UhidDevice(const UhidDevice&) = delete;
  UhidDevice& operator=(const UhidDevice&) = delete;

  // One input report. False when the kernel refused it (or the device is gone).
  bool send(QByteArrayView report);
  // Someone (hidraw, an event node) has the device open.
  bool isOpen() const { return open_; }
  const FeatureState& features() const { return features_; }

  // Each accepted feature report 0x48.
  std::function<void(const DriverSettings&)> onDriverSettings;
  // The device was opened or closed by its first or last user.
  std::function<void()> onOpenChanged;

 private:
  explicit UhidDevice(int fd);
  void receive();
  bool write(const uhid_event& event);

  int fd_;
  bool open_ = false;
  FeatureState features_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace halvane::uhid
