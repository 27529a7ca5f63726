#include "platform/system/signals/BrokenPipes.h"

#include <csignal>

namespace halvane {

void ignoreBrokenPipes() {
  struct sigaction action {};
  action.sa_handler = SIG_IGN;
  sigemptyset(&action.sa_mask);
  sigaction(SIGPIPE, &action, nullptr);
}

}  // namespace halvane
