#include "platform/system/signals/TerminationSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace halvane {

namespace {

int gSignalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void writeSignal(int signal) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  // Only async-signal-safe calls here; a full pipe just drops the repeat.
  [[maybe_unused]] const ssize_t n = write(gSignalPipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalPipe) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(gSignalPipe[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
  struct sigaction action {};
  action.sa_handler = writeSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // interrupted reads and writes carry on
  for (int s : kSignals) sigaction(s, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  for (int s : kSignals) sigaction(s, &action, nullptr);
  notifier_.reset();
  for (int& fd : gSignalPipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

void TerminationSignals::readSignal() {
  unsigned char byte = 0;
  while (read(gSignalPipe[0], &byte, 1) == 1)
    if (onSignal_) onSignal_(byte);
}

}  // namespace halvane
