// Repeating timers: the Qt one ticks on the loop until stopped; the fake one only when moved on,
// in order, ties in the order the tickers were started.
#include "platform/system/sleeper/FakeClock.h"
#include "platform/system/sleeper/QtClock.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <string>

namespace halvane {
namespace {

TEST(QtClock, TicksRepeatUntilStoppedAndNeverBeforeStarted) {
  int ticks = 0;
  std::unique_ptr<Ticker> ticker = QtClock::instance().repeating(5, [&] { ++ticks; });
  EXPECT_FALSE(ticker->isActive());
  EXPECT_EQ(ticker->interval(), 5);
  QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 0);
  ticker->start();
  QElapsedTimer elapsed;
  elapsed.start();
  while (ticks < 3 && elapsed.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(ticks, 3);
  ticker->stop();
  EXPECT_FALSE(ticker->isActive());
  const qint64 stopped = elapsed.elapsed();
  while (elapsed.elapsed() - stopped < 30) QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 3);
}

TEST(FakeClock, TicksFallDueOnTheirIntervalsInOrder) {
  FakeClock clock;
  std::string order;
  std::unique_ptr<Ticker> fifty =
      clock.repeating(50, [&] { order += "a" + std::to_string(clock.now()) + ' '; });
  std::unique_ptr<Ticker> hundred = clock.repeating(100, [&] {
    order += "b" + std::to_string(clock.now()) + ' ';
    if (clock.now() == 200) fifty->start();  // starts over from now
  });
  fifty->start();
  hundred->start();
  EXPECT_EQ(clock.activeTickers(), 2);
  clock.advance(300);
  EXPECT_EQ(order, "a50 a100 b100 a150 a200 b200 a250 b300 a300 ");
  hundred->stop();
  EXPECT_TRUE(clock.advanceToNextTick(1000));
  EXPECT_EQ(clock.now(), 350);
  fifty.reset();  // a ticker gone never ticks
  EXPECT_FALSE(clock.advanceToNextTick(1000));
  EXPECT_EQ(clock.activeTickers(), 0);
}

}  // namespace
}  // namespace halvane
