#pragma once

#include "platform/input/devices/HIDDeviceRegistry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace halvane {

// Reads input reports from one descriptor (a hidraw node or a virtual keyboard connection) on
// the main loop, one report per wake-up, straight into the caller's buffer. Reports that arrive
// while no handler is set are read and dropped, so an end of the device is noticed either way.
class ReportChannel {
 public:
  // Takes ownership of fd (non-blocking). gone is called once, from the loop, when the device
  // has gone away (end of file or hang-up, or a read error other than a retry); the channel
  // is quiet afterwards. gone must not destroy the channel directly: defer that to the loop.
  ReportChannel(int fd, std::function<void()> gone);
  ~ReportChannel();
  ReportChannel(const ReportChannel&) = delete;
  ReportChannel& operator=(const ReportChannel&) = delete;

  int fd() const { return fd_; }
  // Each later report: at most size bytes written to buffer, then handler(kIOReturnSuccess, n).
  void setReportHandler(std::uint8_t* buffer, quint32 size, HIDDevice::ReportHandler handler);
  void clearReportHandler();
  // Delivers the reports still queued, as far as they go; called when the service is about to
  // end for another reason (its file or node went away), so the last key changes are not lost.
  void drain();

 private:
  enum class Read { Report, Nothing, Again, Ended };
  void readable();
  Read readReport();
  bool ended() const;

  int fd_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> gone_;
  std::uint8_t* buffer_ = nullptr;
  quint32 size_ = 0;
  HIDDevice::ReportHandler handler_;
  std::array<std::uint8_t, 32> discard_{};
  // Set while a report handler runs, which may release the device and so this channel.
  std::shared_ptr<bool> alive_;
  bool dispatching_ = false;
};

}  // namespace halvane
