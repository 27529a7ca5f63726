#include "platform/system/sleeper/QtClock.h"

#include <QTimer>

namespace halvane {

namespace {

class QtTicker : public Ticker {
 public:
  QtTicker(int intervalMs, std::function<void()> tick) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
  }
  void start() override { timer_.start(); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }
  int interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

}  // namespace

std::unique_ptr<Ticker> QtClock::repeating(int intervalMs, std::function<void()> tick) {
  return std::make_unique<QtTicker>(intervalMs, std::move(tick));
}

Clock& QtClock::instance() {
  static QtClock clock;
  return clock;
}

}  // namespace halvane
