// FrontApplicationSink on a private bus, with test connections standing in for the Shell and
// KWin: only the current owner of their names is heard, in both forms of the call.
#include "platform/control/DBusServerObject.h"
#include "platform/control/FakeKeyboardServer.h"
#include "platform/frontapp/WindowActivationRelay.h"
#include "platform/log/FakeSystemLog.h"
#include "tests/support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>

#include <vector>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::waitUntil;

QDBusMessage windowActivated(const QVariant& facts) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("com.halvane.keyboard.HVKeyboardServer"), QStringLiteral("/HVKeyboardServer"),
      QStringLiteral("com.halvane.keyboard.FrontApplicationSink"), QStringLiteral("WindowActivated"));
  call.setArguments({facts});
  return call;
}

// The error name of the call's answer; empty when it succeeded.
std::string callFrom(const QDBusConnection& caller, const QDBusMessage& call) {
  QDBusPendingCall pending = caller.asyncCall(call);  // the server answers on this thread
  EXPECT_TRUE(waitUntil([&] { return pending.isFinished(); }));
  return pending.isError() ? pending.error().name().toStdString() : std::string();
}

TEST(FrontApplicationSink, HearsOnlyTheOwnerOfTheShellOrKWinName) {
  test::PrivateBus bus;
  ASSERT_FALSE(bus.address().isEmpty());
  FakeSystemLog log;
  FakeKeyboardServer keyboardServer;
  DBusServerObject server(log, bus.connection());
  ASSERT_TRUE(server.registerServer(keyboardServer));

  std::vector<std::optional<WindowFacts>> delivered;
  WindowActivationRelay::shared().setListener(
      [&](const std::optional<WindowFacts>& f) { delivered.push_back(f); });

  QDBusConnection kwin = bus.connect(QStringLiteral("kwin"));
  QDBusConnection shell = bus.connect(QStringLiteral("shell"));
  QDBusConnection stranger = bus.connect(QStringLiteral("stranger"));
  ASSERT_TRUE(kwin.registerService(QStringLiteral("org.kde.KWin")));
  ASSERT_TRUE(shell.registerService(QStringLiteral("org.gnome.Shell")));

  const QString denied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
  const QMap<QString, QString> text{{QStringLiteral("appId"), QStringLiteral("org.example.A")},
                                    {QStringLiteral("wmClass"), QStringLiteral("A")},
                                    {QStringLiteral("pid"), QStringLiteral("42")}};
  QVariantMap variants{{QStringLiteral("desktopFile"), QStringLiteral("org.example.B")},
                       {QStringLiteral("wmInstance"), QStringLiteral("b")},
                       {QStringLiteral("pid"), 43}};

  EXPECT_EQ(callFrom(shell, windowActivated(QVariant::fromValue(text))), "");
  EXPECT_EQ(callFrom(kwin, windowActivated(variants)), "");  // what a KWin script sends
  EXPECT_EQ(callFrom(kwin, windowActivated(QVariantMap())), "");
  EXPECT_EQ(callFrom(stranger, windowActivated(QVariant::fromValue(text))), denied.toStdString());
  EXPECT_EQ(callFrom(bus.connection(), windowActivated(QVariant::fromValue(text))), denied.toStdString());
  ASSERT_EQ(delivered.size(), 3u);
  EXPECT_EQ(delivered[0]->appId, "org.example.A");
  EXPECT_EQ(delivered[0]->wmClass, "A");
  EXPECT_EQ(delivered[0]->pid, 42);
  EXPECT_EQ(delivered[1]->desktopFile, "org.example.B");
  EXPECT_EQ(delivered[1]->wmInstance, "b");
  EXPECT_EQ(delivered[1]->pid, 43);
  EXPECT_FALSE(delivered[2].has_value());

  // KWin's name passes to another connection: the former owner is a stranger now.
  ASSERT_TRUE(kwin.unregisterService(QStringLiteral("org.kde.KWin")));
  ASSERT_TRUE(stranger.registerService(QStringLiteral("org.kde.KWin")));
  waitUntil([] { return false; }, 100ms);
  EXPECT_EQ(callFrom(kwin, windowActivated(variants)), denied.toStdString());
  EXPECT_EQ(callFrom(stranger, windowActivated(variants)), "");
  EXPECT_EQ(delivered.size(), 4u);
  WindowActivationRelay::shared().setListener({});
}

TEST(FrontApplicationSink, MapsToWindowFacts) {
  EXPECT_FALSE(windowFactsFromMap({}).has_value());
  const std::optional<WindowFacts> facts = windowFactsFromMap(
      {{QStringLiteral("gtkApplicationId"), QStringLiteral("org.gnome.Gedit")},
       {QStringLiteral("pid"), QStringLiteral("-1")},
       {QStringLiteral("title"), QStringLiteral("secret.txt")}});
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->gtkApplicationId, "org.gnome.Gedit");
  EXPECT_EQ(facts->pid, 0);  // unknown, not negative
  EXPECT_EQ(*facts, (WindowFacts{QString(), QString(), QString(), QStringLiteral("org.gnome.Gedit"), QString(), 0}));
}

}  // namespace
}  // namespace halvane
