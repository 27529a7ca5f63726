// The wlroots and sway sources against a real headless sway (see HeadlessSway.h for the exact
// command line), with WindowClient windows as the applications.
#include "platform/desktop/frontapp/ForeignToplevelActiveWindowSource.h"
#include "platform/desktop/frontapp/SessionActiveWindowSource.h"
#include "platform/desktop/frontapp/SwayActiveWindowSource.h"
#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/input/probe/ReadSession.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/HeadlessSway.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>
#include <vector>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::HeadlessSway;
using test::waitUntil;
using test::WindowClients;
using Reports = std::vector<std::optional<WindowFacts>>;

class SwayTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { sway_ = new HeadlessSway; }
  static void TearDownTestSuite() {
    delete sway_;
    sway_ = nullptr;
  }
  void SetUp() override {
    if (!sway_->failure().isEmpty()) GTEST_SKIP() << sway_->failure().toStdString();
    clients_ = std::make_unique<WindowClients>(sway_->clientEnvironment());
  }

  std::shared_ptr<WaylandConnection> connect() {
    QString error;
    std::shared_ptr<WaylandConnection> connection = WaylandConnection::connect(
        sway_->waylandDisplay(), std::chrono::milliseconds(2000), &error);
    EXPECT_TRUE(connection) << error.toStdString();
    return connection;
  }

  // Waits for the report that completes a change (the last one it brings: with the pid where
  // sway's socket gives one), then for a round trip to the compositor, after which every event it
  // sent for the change has been handled; the number of reports that came after `before` ones.
  static std::size_t settle(const Reports& reports, std::size_t before,
                            WaylandConnection& connection,
                            const std::function<bool(const std::optional<WindowFacts>&)>& last) {
    waitUntil([&] { return reports.size() > before && last(reports.back()); }, 5000ms);
    EXPECT_TRUE(connection.roundtrip(2000ms));
    QCoreApplication::processEvents();
    return reports.size() - before;
  }
  static auto window(const QString& appId, qint64 pid) {
    return [appId, pid](const std::optional<WindowFacts>& f) {
      return f && f->appId == appId && f->pid == pid;
    };
  }

  static QString appIdOf(const std::optional<WindowFacts>& facts) {
    return facts ? facts->appId : QStringLiteral("<none>");
  }

  static HeadlessSway* sway_;
  std::unique_ptr<WindowClients> clients_;
};

HeadlessSway* SwayTest::sway_ = nullptr;

TEST_F(SwayTest, ConnectionListsGlobalsAndServesSeveralUsers) {
  std::shared_ptr<WaylandConnection> connection = connect();
  ASSERT_TRUE(connection);
  EXPECT_TRUE(connection->global(QStringLiteral("wl_compositor")));
  EXPECT_TRUE(connection->global(QStringLiteral("zwlr_foreign_toplevel_manager_v1")));
  EXPECT_TRUE(connection->global(QStringLiteral("zwlr_layer_shell_v1")));

  // Two protocol users on the one connection both hear the compositor.
  auto first = ForeignToplevelActiveWindowSource::create(connection);
  auto second = ForeignToplevelActiveWindowSource::create(connection);
  ASSERT_TRUE(first && second);
  ASSERT_NE(clients_->start(QStringLiteral("org.example.Shared")), 0);
  EXPECT_TRUE(
      waitUntil([&] { return first->toplevelCount() == 1 && second->toplevelCount() == 1; }));
  EXPECT_TRUE(waitUntil([&] { return appIdOf(second->activeWindow()) == "org.example.Shared"; }));

  QString error;
  EXPECT_FALSE(WaylandConnection::connect(sway_->waylandDisplay() + QStringLiteral("-missing"),
                                          std::chrono::milliseconds(500), &error));
  EXPECT_TRUE(error.contains(QLatin1String("cannot connect"))) << error.toStdString();
}

// Both sources report each focus change exactly once; the sway one adds the client's pid.
TEST_F(SwayTest, FocusChangesReportedOnceWithPidOnSway) {
  for (const bool withIpc : {false, true}) {
    SCOPED_TRACE(withIpc ? "sway" : "wlroots");
    std::shared_ptr<WaylandConnection> connection = connect();
    ASSERT_TRUE(connection);
    std::unique_ptr<ActiveWindowSource> source;
    auto toplevels = ForeignToplevelActiveWindowSource::create(connection);
    ASSERT_TRUE(toplevels);
    if (withIpc) {
      source = std::make_unique<SwayActiveWindowSource>(std::move(toplevels), sway_->swaySocket());
    } else {
      source = std::move(toplevels);
    }
    EXPECT_EQ(source->backendName(), withIpc ? "sway" : "wlroots");
    Reports reports;
    source->setActiveWindowHandler(
        [&](const std::optional<WindowFacts>& f) { reports.push_back(f); });

    const QString a =
        withIpc ? QStringLiteral("org.example.SwayA") : QStringLiteral("org.example.WlrA");
    const QString b =
        withIpc ? QStringLiteral("org.example.SwayB") : QStringLiteral("org.example.WlrB");
    const qint64 pidA = clients_->start(a);
    ASSERT_TRUE(waitUntil([&] { return appIdOf(source->activeWindow()) == a; }));
    const qint64 pidB = clients_->start(b);
    settle(reports, 0, *connection, window(b, withIpc ? pidB : 0));
    ASSERT_EQ(appIdOf(source->activeWindow()), b);

    struct Step {
      QString focus;
      qint64 pid;
    };
    for (const Step& step : {Step{a, pidA}, Step{b, pidB}, Step{a, pidA}}) {
      const std::size_t before = reports.size();
      ASSERT_TRUE(sway_->focus(step.focus));
      EXPECT_EQ(settle(reports, before, *connection, window(step.focus, withIpc ? step.pid : 0)),
                1u)
          << "focus " << step.focus.toStdString();
      ASSERT_FALSE(reports.empty());
      EXPECT_EQ(appIdOf(reports.back()), step.focus);
      if (reports.back()) {
        EXPECT_EQ(reports.back()->pid, withIpc ? step.pid : 0);
      }
    }

    // Closing the focused window gives the focus back to the other one.
    std::size_t before = reports.size();
    clients_->stop(pidA);
    EXPECT_EQ(settle(reports, before, *connection, window(b, withIpc ? pidB : 0)), 1u);
    EXPECT_EQ(appIdOf(reports.back()), b);
    if (reports.back()) {
      EXPECT_EQ(reports.back()->pid, withIpc ? pidB : 0);
    }

    // The last window gone: no window.
    before = reports.size();
    clients_->stop(pidB);
    EXPECT_EQ(settle(reports, before, *connection,
                     [](const std::optional<WindowFacts>& f) { return !f.has_value(); }),
              1u);
    EXPECT_FALSE(reports.back().has_value());
  }
}

// Start-up on a sway session: the probe finds the compositor's globals and sway's socket, the
// choice takes sway, and the source made for it follows the focus.
TEST_F(SwayTest, SessionProbeChoosesAndMakesTheSwaySource) {
  QProcessEnvironment environment;
  environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
  environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
  environment.insert(QStringLiteral("WAYLAND_DISPLAY"), sway_->waylandDisplay());
  environment.insert(QStringLiteral("SWAYSOCK"), sway_->swaySocket());
  const SessionProbe probe = readSession(environment, QDBusConnection(QStringLiteral("no-bus")));
  EXPECT_TRUE(probe.waylandConnected);
  const FrontBackendChoice choice = chooseFrontBackend(probe);
  EXPECT_EQ(choice.backend, FrontBackend::Sway) << choice.logLine().toStdString();

  FakeSystemLog log;
  NoBackendOutcomes outcomes;
  WindowActivationRelay relay;
  std::unique_ptr<ActiveWindowSource> source =
      createWaylandActiveWindowSource(choice.backend, probe, {log, outcomes, relay});
  ASSERT_TRUE(source);
  EXPECT_EQ(source->backendName(), "sway");
  const qint64 pid = clients_->start(QStringLiteral("org.example.Probed"));
  EXPECT_TRUE(waitUntil([&] {
    return source->activeWindow() && source->activeWindow()->appId == "org.example.Probed" &&
           source->activeWindow()->pid == pid;
  }));
}

}  // namespace
}  // namespace halvane
