#include "platform/system/sleeper/RealSleeper.h"

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
    if (!resume) return;
    resuming_ = true;
    resume();
    resuming_ = false;
  });
}

void RealSleeper::after(double seconds, std::function<void()> resume) {
  // A day is far beyond any macro pause; the clamp keeps the interval an int of milliseconds.
  const double wanted = seconds > 0.0 ? std::fmin(seconds, 86400.0) : 0.0;
  const Clock::time_point now = Clock::now();
  due_ = (resuming_ ? due_ : now) +
         std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(wanted));
  // Rounded up to the timer's milliseconds: a pause never ends before it is due.
  const auto left = std::chrono::duration<double, std::milli>(due_ - now).count();
  const qint64 ms = left > 0.0 ? qint64(std::ceil(left)) : 0;
  resume_ = std::move(resume);
  timer_.start(std::chrono::milliseconds(ms));
}

void RealSleeper::cancel() {
  timer_.stop();
  resume_ = nullptr;
}

}  // namespace halvane
