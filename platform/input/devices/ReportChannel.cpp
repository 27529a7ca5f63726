#include "platform/input/devices/ReportChannel.h"

#include <QSocketNotifier>

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <cerrno>

namespace halvane {

ReportChannel::ReportChannel(int fd, std::function<void()> gone)
    : fd_(fd),
      notifier_(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read)),
      gone_(std::move(gone)),
      alive_(std::make_shared<bool>(true)) {
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readable(); });
}

ReportChannel::~ReportChannel() {
  *alive_ = false;
  notifier_->setEnabled(false);
  // Deleting a notifier inside its own activation is not allowed; let the loop do it.
  if (dispatching_)
    notifier_.release()->deleteLater();
  else
    notifier_.reset();
  ::close(fd_);
}

void ReportChannel::setReportHandler(std::uint8_t* buffer, quint32 size,
                                     HIDDevice::ReportHandler handler) {
  buffer_ = buffer;
  size_ = size;
  handler_ = std::move(handler);
}

void ReportChannel::clearReportHandler() {
  buffer_ = nullptr;
  size_ = 0;
  handler_ = nullptr;
}

// A read of 0 bytes is an empty report unless the other side has hung up with nothing queued.
bool ReportChannel::ended() const {
  pollfd p{fd_, POLLIN, 0};
  if (::poll(&p, 1, 0) <= 0 || !(p.revents & (POLLHUP | POLLERR))) return false;
  int queued = 0;
  return ::ioctl(fd_, FIONREAD, &queued) != 0 || queued == 0;
}

void ReportChannel::readable() {
  if (readReport() != Read::Ended) return;
  notifier_->setEnabled(false);
  if (gone_) gone_();
}

void ReportChannel::drain() {
  // Bounded: a hidraw node queues at most 64 reports; a peer that keeps sending is cut off.
  constexpr int kMaxDrained = 64;
  const std::shared_ptr<bool> alive = alive_;
  for (int i = 0; i < kMaxDrained && *alive; ++i) {
    const Read read = readReport();
    if (read == Read::Nothing || read == Read::Ended) return;
  }
}

ReportChannel::Read ReportChannel::readReport() {
  const bool delivering = handler_ && buffer_ && size_ > 0;
  std::uint8_t* target = delivering ? buffer_ : discard_.data();
  const std::size_t capacity = delivering ? size_ : discard_.size();
  const ssize_t n = ::read(fd_, target, capacity);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return Read::Nothing;
  // A peer that closed with our settings unread leaves ECONNRESET, reported once and ahead of
  // the reports it sent before closing: read on, its end comes after them.
  if (n < 0 && (errno == EINTR || errno == ECONNRESET)) return Read::Again;
  // ENODEV, EIO (an unplugged hidraw node) and the like: the device is gone. Any other error
  // would repeat on every wake-up, so it ends the device too.
  if (n < 0 || (n == 0 && ended())) return Read::Ended;
  if (!delivering) return Read::Report;
  // The handler may release this channel: keep what is needed on the stack.
  const HIDDevice::ReportHandler handler = handler_;
  const std::shared_ptr<bool> alive = alive_;
  dispatching_ = true;
  handler(kIOReturnSuccess, quint32(n));
  if (*alive) dispatching_ = false;
  return Read::Report;
}

}  // namespace halvane
