#include "platform/sleeper/RealSleeper.h"

#include <cerrno>
#include <cmath>
#include <ctime>

namespace halvane {

void RealSleeper::sleep(double seconds) {
  if (!(seconds > 0.0)) return;
  // A day is far beyond any macro pause; the clamp keeps time_t arithmetic sane.
  seconds = std::fmin(seconds, 86400.0);
  timespec request;
  request.tv_sec = time_t(seconds);
  request.tv_nsec = long((seconds - double(request.tv_sec)) * 1e9);
  timespec remaining{};
  while (nanosleep(&request, &remaining) != 0 && errno == EINTR) request = remaining;
}

}  // namespace halvane
