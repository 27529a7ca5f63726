#include "platform/sleeper/RealSleeper.h"

#include <chrono>
#include <cmath>

namespace halvane {

RealSleeper::RealSleeper() {
  timer_.setSingleShot(true);
  // The coarse default may fire up to 5 % late; a macro's pauses are meant to the millisecond.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    // Taken out first: resume usually schedules the next pause.
    std::function<void()> resume = std::move(resume_);
    resume_ = nullptr;
    if (resume) resume();
  });
}

void RealSleeper::after(double seconds, std::function<void()> resume) {
  // A day is far beyond any macro pause; the clamp keeps the interval an int of milliseconds.
  // Rounded up: a pause never ends early.
  const double ms = seconds > 0.0 ? std::ceil(std::fmin(seconds, 86400.0) * 1000.0) : 0.0;
  resume_ = std::move(resume);
  timer_.start(std::chrono::milliseconds(qint64(ms)));
}

void RealSleeper::cancel() {
  timer_.stop();
  resume_ = nullptr;
}

}  // namespace halvane
