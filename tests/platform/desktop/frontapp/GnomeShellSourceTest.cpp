// The GNOME source and our Shell extension against a real headless GNOME Shell (see
// HeadlessGnomeShell.h for the exact command lines).
#include "platform/desktop/frontapp/FrontApplicationSinkGate.h"
#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"
#include "platform/desktop/probe/SessionProbe.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/HeadlessGnomeShell.h"

#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>

#include <vector>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::waitUntil;
using Reports = std::vector<std::optional<WindowFacts>>;

QString classOf(const std::optional<WindowFacts>& facts) {
  return facts ? facts->wmClass : QStringLiteral("<none>");
}

TEST(GnomeShellSource, ExtensionReportsEachFocusChangeAndOnlyTheShellIsHeard) {
  const QString a = QStringLiteral("org.example.GnomeA"), b = QStringLiteral("org.example.GnomeB");
  test::PrivateBus bus;
  test::HeadlessGnomeShell shell(bus, QStringLiteral(HALVANE_GNOME_EXTENSION), {a, b});
  if (!shell.failure().isEmpty()) GTEST_SKIP() << shell.failure().toStdString();

  FakeSystemLog log;
  NoBackendOutcomes outcomes;
  WindowActivationRelay relay;
  Reports reports;
  GnomeShellActiveWindowSource source({log, outcomes, relay}, bus.connection());
  source.setActiveWindowHandler([&](const std::optional<WindowFacts>& f) { reports.push_back(f); });
  ASSERT_TRUE(waitUntil([&] { return source.extensionEnabled().has_value(); }));
  EXPECT_TRUE(*source.extensionEnabled()) << log.lines.join('\n').toStdString();
  EXPECT_EQ(source.backendName(), "gnome-shell");

  test::WindowClients clients(shell.clientEnvironment());
  const qint64 pidA = clients.start(a);
  const qint64 pidB = clients.start(b);
  ASSERT_TRUE(waitUntil([&] { return shell.activate(b) && shell.focused() == b; }, 10000ms));
  ASSERT_TRUE(waitUntil([&] { return shell.activate(a) && shell.focused() == a; }, 10000ms));

  // The helper appears after the windows: the extension tells it the current one at once.
  EXPECT_TRUE(reports.empty());
  FakeKeyboardServer keyboardServer;
  DBusServerObject server(log, bus.connection());
  server.addInterface(frontApplicationSink(relay));
  ASSERT_TRUE(server.registerServer(keyboardServer));
  ASSERT_TRUE(waitUntil([&] { return !reports.empty(); }));
  EXPECT_EQ(classOf(reports.back()).toStdString(), a.toStdString());

  struct Step {
    QString focus;
    qint64 pid;
  };
  // The extension's calls come in order: a second report for one change would come before the
  // report of the next change, which each step waits for.
  for (const Step& step : {Step{b, pidB}, Step{a, pidA}, Step{b, pidB}}) {
    const std::size_t before = reports.size();
    ASSERT_TRUE(shell.activate(step.focus));
    ASSERT_TRUE(waitUntil(
        [&] { return reports.size() > before && classOf(reports.back()) == step.focus; }));
    QStringList seen;
    for (std::size_t i = before; i < reports.size(); ++i) seen << classOf(reports[i]);
    EXPECT_EQ(reports.size() - before, 1u)
        << step.focus.toStdString() << ": " << seen.join(u' ').toStdString();
    ASSERT_TRUE(reports.back().has_value());
    const WindowFacts& facts = *reports.back();
    EXPECT_EQ(facts.wmClass.toStdString(), step.focus.toStdString());
    EXPECT_EQ(facts.appId.toStdString(),
              step.focus.toStdString() + ".desktop");  // the Shell's own app ID
    EXPECT_EQ(facts.pid, step.pid);
  }

  // Anyone else on the bus is refused and changes nothing.
  QDBusConnection other = bus.connect(QStringLiteral("impostor"));
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("com.halvane.keyboard.HVKeyboardServer"), QStringLiteral("/HVKeyboardServer"),
      QStringLiteral("com.halvane.keyboard.FrontApplicationSink"),
      QStringLiteral("WindowActivated"));
  call.setArguments({QVariant::fromValue(QMap<QString, QString>{{QStringLiteral("appId"), a}})});
  const std::size_t before = reports.size();
  // Asynchronously: the server answers on this same thread.
  QDBusPendingCall refused = other.asyncCall(call);
  ASSERT_TRUE(waitUntil([&] { return refused.isFinished(); }));
  EXPECT_TRUE(refused.isError());
  EXPECT_EQ(refused.error().name().toStdString(), "org.freedesktop.DBus.Error.AccessDenied");
  // The server answered the call only after handling it.
  EXPECT_EQ(reports.size(), before);
  EXPECT_EQ(classOf(source.activeWindow()), b);

  // The focused window closes: the focus leaves it. Nothing came between, neither from the
  // impostor nor a second report of the last change.
  clients.stop(pidB);
  EXPECT_TRUE(waitUntil([&] { return reports.size() > before && classOf(reports.back()) != b; }));
  EXPECT_TRUE(reports.size() > before && classOf(reports[before]) != b);

  // Disabled through the Shell as gnome-extensions does, then enabled again: the source follows
  // each change, and the extension's disable() leaves it disabled rather than failed, its overlay
  // name given up.
  const QString overlay = QString::fromLatin1(kHalvaneOverlayBusName);
  for (const bool enabled : {false, true}) {
    ASSERT_TRUE(shell.setExtensionEnabled(enabled)) << enabled;
    EXPECT_TRUE(waitUntil([&] { return source.extensionEnabled() == enabled; })) << enabled;
    EXPECT_EQ(shell.extensionState(), enabled ? 1 : 2);
    EXPECT_TRUE(waitUntil([&] {
      return bus.connection().interface()->isServiceRegistered(overlay).value() == enabled;
    })) << enabled;
  }
}

}  // namespace
}  // namespace halvane
