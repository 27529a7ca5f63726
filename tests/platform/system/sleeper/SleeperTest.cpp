// The real scheduler on the Qt loop: the loop runs during a pause, a pause is never short, a
// cancelled one never resumes.

#include "platform/system/sleeper/RealSleeper.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace halvane {
namespace {

TEST(RealSleeper, ThePauseRunsOutOnTheLoopWhileOtherWorkGoesOn) {
  RealSleeper sleeper;
  QElapsedTimer elapsed;
  elapsed.start();
  qint64 resumedAfter = -1;
  bool otherWork = false;
  sleeper.after(0.08, [&] { resumedAfter = elapsed.nsecsElapsed(); });
  QTimer::singleShot(10, [&] { otherWork = resumedAfter < 0; });
  while (resumedAfter < 0 && elapsed.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_TRUE(otherWork) << "a timer of the loop ran during the pause";
  EXPECT_GE(resumedAfter, 80'000'000) << "never early";
}

TEST(RealSleeper, CancelledOrReplacedPausesNeverResume) {
  RealSleeper sleeper;
  int first = 0, second = 0;
  sleeper.after(0.01, [&] { ++first; });
  sleeper.after(0.02, [&] { ++second; });  // replaces the first
  bool done = false;
  QTimer::singleShot(60, [&] { done = true; });
  while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);

  sleeper.after(0.01, [&] { ++second; });
  sleeper.cancel();
  done = false;
  QTimer::singleShot(40, [&] { done = true; });
  while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(second, 1);
}

TEST(RealSleeper, ZeroNegativeAndNaNResumeAtTheNextTurn) {
  for (const double seconds : {0.0, -1.0, std::nan("")}) {
    RealSleeper sleeper;
    bool resumed = false;
    sleeper.after(seconds, [&] { resumed = true; });
    EXPECT_FALSE(resumed) << seconds << ": not inside after()";
    QElapsedTimer elapsed;
    elapsed.start();
    while (!resumed && elapsed.elapsed() < 1000) QCoreApplication::processEvents();
    EXPECT_TRUE(resumed) << seconds;
    EXPECT_LT(elapsed.elapsed(), 1000) << seconds;
  }
}

}  // namespace
}  // namespace halvane
