#include "platform/system/signals/TerminationSignals.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <vector>

namespace halvane {
namespace {

TEST(TerminationSignals, ArriveOnTheLoopOnlyWhenItRuns) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  std::vector<int> received;
  {
    TerminationSignals watcher([&](int s) { received.push_back(s); });
    raise(SIGTERM);
    raise(SIGHUP);
    EXPECT_TRUE(received.empty()) << "nothing happens inside the signal handler itself";
    QCoreApplication::processEvents();
    EXPECT_EQ(received, (std::vector<int>{SIGTERM, SIGHUP}));
    raise(SIGINT);
    QCoreApplication::processEvents();
    EXPECT_EQ(received.back(), SIGINT);
  }
  // Once the object is gone the default action is back: SIGTERM would end the process, so
  // check the disposition instead of raising it.
  struct sigaction current {};
  sigaction(SIGTERM, nullptr, &current);
  EXPECT_EQ(current.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace halvane
