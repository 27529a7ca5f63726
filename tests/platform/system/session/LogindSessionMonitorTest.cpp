// The logind monitor against a fake logind on a private bus, reached as the system bus is.

#include "platform/system/session/LogindSessionMonitor.h"
#include "tests/platform/system/session/FakeLogindProcess.h"
#include "tests/support/PrivateBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <vector>

namespace halvane::test {
namespace {

using Event = SessionMonitor::Event;

void runLoopFor(int ms) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(LogindSessionMonitor, SuspendAndAnInactiveSessionAreReported) {
  PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
  FakeLogindProcess logind(bus.address());
  ASSERT_TRUE(logind.ready());
  // The process's one system bus connection is made here, on the private bus.
  qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toUtf8());
  qunsetenv("XDG_SESSION_ID");  // the session comes from logind's "auto"
  LogindSessionMonitor monitor;
  EXPECT_EQ(monitor.sessionPath(), QStringLiteral("/org/freedesktop/login1/session/c7"));
  std::vector<Event> events;
  monitor.setHandler([&events](Event e) { events.push_back(e); });

  struct Case {
    const char* command;
    std::vector<Event> expected;
  };
  const std::vector<Case> cases = {
      {"sleep 1", {Event::AboutToSleep}},       {"sleep 0", {}},  // resuming asks for nothing
      {"active 0", {Event::SessionInactive}},   {"active 1", {}},
      {"invalidate", {Event::SessionInactive}},  // read back with Get
  };
  for (const Case& c : cases) {
    events.clear();
    ASSERT_TRUE(logind.send(c.command)) << c.command;
    QElapsedTimer elapsed;
    elapsed.start();
    while (events.size() < c.expected.size() && elapsed.elapsed() < 3000) runLoopFor(10);
    runLoopFor(100);  // nothing more comes
    EXPECT_EQ(events, c.expected) << c.command;
  }
}

TEST(LogindSessionMonitor, WithoutLogindItStaysSilent) {
  PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
  LogindSessionMonitor monitor(bus.connect(QStringLiteral("no-logind")));
  EXPECT_TRUE(monitor.sessionPath().isEmpty());
  LogindSessionMonitor disconnected(QDBusConnection(QStringLiteral("never-connected")));
  EXPECT_TRUE(disconnected.sessionPath().isEmpty());
}

}  // namespace
}  // namespace halvane::test
