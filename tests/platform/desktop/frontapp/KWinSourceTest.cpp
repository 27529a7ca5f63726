// The KWin source against a real headless KWin (see HeadlessKWin.h for the exact command line):
// the helper's server object on a private bus receives what our KWin script sends.
#include "platform/desktop/frontapp/FrontApplicationSinkGate.h"
#include "platform/desktop/frontapp/KWinActiveWindowSource.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/HeadlessKWin.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::waitUntil;
using Reports = std::vector<std::optional<WindowFacts>>;

const QString kScript =
    QStringLiteral(HALVANE_SOURCE_DIR "/platform/desktop/kwin-script/halvane-keyboard.js");

QString classOf(const std::optional<WindowFacts>& facts) {
  return facts ? facts->wmClass : QStringLiteral("<none>");
}

std::size_t windowsAmong(const Reports& reports, std::size_t from, std::size_t to) {
  std::size_t n = 0;
  for (std::size_t i = from; i < to && i < reports.size(); ++i) n += reports[i].has_value();
  return n;
}

TEST(KWinSource, ScriptReportsEachActivationAndLeavesWithTheHelper) {
  test::PrivateBus bus;
  test::HeadlessKWin kwin(bus);
  if (!kwin.failure().isEmpty()) GTEST_SKIP() << kwin.failure().toStdString();

  FakeSystemLog log;
  NoBackendOutcomes outcomes;
  WindowActivationRelay relay;
  FakeKeyboardServer keyboardServer;
  DBusServerObject server(log, bus.connection());
  server.addInterface(frontApplicationSink(relay));
  ASSERT_TRUE(server.registerServer(keyboardServer));

  // A script of our name that a crashed helper left behind.
  QTemporaryDir dir;
  QFile stale(dir.filePath(QStringLiteral("stale.js")));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("// left behind\n");
  stale.close();
  ASSERT_GE(
      kwin.loadAndRun(stale.fileName(), QString::fromLatin1(KWinActiveWindowSource::kScriptName)),
      0);

  Reports reports;
  auto source = std::make_unique<KWinActiveWindowSource>(FrontSourceServices{log, outcomes, relay},
                                                         kScript, bus.connection());
  source->setActiveWindowHandler(
      [&](const std::optional<WindowFacts>& f) { reports.push_back(f); });
  ASSERT_TRUE(waitUntil([&] { return source->scriptRunning(); }))
      << log.lines.join('\n').toStdString();
  EXPECT_TRUE(log.lines.join('\n').contains(QLatin1String("replaced")));
  EXPECT_EQ(source->backendName(), "kwin");

  test::WindowClients clients(kwin.clientEnvironment());
  const QString a = QStringLiteral("org.example.KWinA"), b = QStringLiteral("org.example.KWinB");
  const qint64 pidA = clients.start(a);
  ASSERT_TRUE(waitUntil([&] { return classOf(source->activeWindow()) == a; }, 10000ms));
  const qint64 pidB = clients.start(b);
  ASSERT_TRUE(waitUntil([&] { return classOf(source->activeWindow()) == b; }, 10000ms));

  struct Step {
    QString focus;
    qint64 pid;
  };
  const std::vector<Step> steps{{a, pidA}, {b, pidB}, {a, pidA}};
  std::vector<std::size_t> starts;  // reports before each step
  for (const Step& step : steps) {
    starts.push_back(reports.size());
    ASSERT_TRUE(kwin.activate(step.focus));
    ASSERT_TRUE(waitUntil([&] { return classOf(source->activeWindow()) == step.focus; }));
    const WindowFacts& facts = *reports.back();
    EXPECT_EQ(facts.desktopFile, step.focus);
    EXPECT_EQ(facts.pid, step.pid);
  }

  // The focused window closes: the focus leaves it.
  const std::size_t before = reports.size();
  clients.stop(pidA);
  EXPECT_TRUE(waitUntil([&] { return reports.size() > before && classOf(reports.back()) != a; }));
  // The script's calls come in order, so a second report of one activation came before the next
  // activation's report, or before the close's. KWin may announce no window first; that is for
  // the settle rule above the source.
  std::size_t closed = before;
  while (closed < reports.size() && classOf(reports[closed]) == a) ++closed;
  starts.push_back(closed);
  for (std::size_t i = 0; i < steps.size(); ++i)
    EXPECT_EQ(windowsAmong(reports, starts[i], starts[i + 1]), 1u) << steps[i].focus.toStdString();

  source.reset();
  EXPECT_FALSE(kwin.isScriptLoaded(QString::fromLatin1(KWinActiveWindowSource::kScriptName)));
}

}  // namespace
}  // namespace halvane
