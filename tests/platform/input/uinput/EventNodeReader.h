#pragma once

#include "platform/input/uinput/InputEventSink.h"

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <unistd.h>

#include <optional>

namespace halvane::test {

// Reads the key events the kernel hands to readers of a device's event node.
class EventNodeReader {
 public:
  explicit EventNodeReader(const QString& node)
      : fd_(::open(QFile::encodeName(node).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ~EventNodeReader() {
    if (fd_ >= 0) ::close(fd_);
  }
  EventNodeReader(const EventNodeReader&) = delete;
  EventNodeReader& operator=(const EventNodeReader&) = delete;
  bool isOpen() const { return fd_ >= 0; }
  // The next key or relative event, skipping synchronisation; nothing after a bounded wait.
  std::optional<InputEvent> next() {
    for (int tries = 0; tries < 50; ++tries) {
      input_event ev{};
      if (::read(fd_, &ev, sizeof(ev)) == ssize_t(sizeof(ev))) {
        if (ev.type == EV_SYN || ev.type == EV_MSC) continue;
        return InputEvent{ev.type, ev.code, ev.value};
      }
      pollfd p{fd_, POLLIN, 0};
      ::poll(&p, 1, 100);
    }
    return std::nullopt;
  }

 private:
  int fd_;
};

}  // namespace halvane::test
