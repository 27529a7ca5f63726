// FrontApplicationSink on a private bus, with test connections standing in for the Shell and
// KWin: only the current owner of the trusted desktop's name, run by its compositor's program, is
// heard, in both forms of the call.
#include "platform/desktop/frontapp/FrontApplicationSinkGate.h"
#include "platform/desktop/frontapp/WindowActivationRelay.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/PrivateBus.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFileInfo>

#include <vector>

namespace halvane {
namespace {

using namespace std::chrono_literals;
using test::waitUntil;

QDBusMessage windowActivated(const QVariant& facts) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("com.halvane.keyboard.HVKeyboardServer"), QStringLiteral("/HVKeyboardServer"),
      QStringLiteral("com.halvane.keyboard.FrontApplicationSink"),
      QStringLiteral("WindowActivated"));
  call.setArguments({facts});
  return call;
}

// The error name of the call's answer; empty when it succeeded.
std::string callFrom(const QDBusConnection& caller, const QDBusMessage& call) {
  QDBusPendingCall pending = caller.asyncCall(call);  // the server answers on this thread
  EXPECT_TRUE(waitUntil([&] { return pending.isFinished(); }));
  return pending.isError() ? pending.error().name().toStdString() : std::string();
}

// This test program stands in for the compositor: its connections claim the desktops' names.
QString thisProgram() {
  return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

struct SinkFixture {
  test::PrivateBus bus;
  FakeSystemLog log;
  WindowActivationRelay relay;
  FakeKeyboardServer keyboardServer;
  DBusServerObject server{log, bus.connection()};
  std::vector<std::optional<WindowFacts>> delivered;
  QDBusConnection kwin = bus.connect(QStringLiteral("kwin"));
  QDBusConnection shell = bus.connect(QStringLiteral("shell"));
  QDBusConnection stranger = bus.connect(QStringLiteral("stranger"));

  SinkFixture() {
    server.addInterface(frontApplicationSink(relay));
    EXPECT_TRUE(server.registerServer(keyboardServer));
    EXPECT_TRUE(kwin.registerService(QStringLiteral("org.kde.KWin")));
    EXPECT_TRUE(shell.registerService(QStringLiteral("org.gnome.Shell")));
  }
  void trust(const QString& name, const QStringList& programs) {
    relay.setListener({name, programs},
                      [this](const std::optional<WindowFacts>& f) { delivered.push_back(f); });
  }
};

const std::string kDenied = "org.freedesktop.DBus.Error.AccessDenied";
const QMap<QString, QString> kText{{QStringLiteral("appId"), QStringLiteral("org.example.A")},
                                   {QStringLiteral("wmClass"), QStringLiteral("A")},
                                   {QStringLiteral("pid"), QStringLiteral("42")}};
const QVariantMap kVariants{{QStringLiteral("desktopFile"), QStringLiteral("org.example.B")},
                            {QStringLiteral("wmInstance"), QStringLiteral("b")},
                            {QStringLiteral("pid"), 43}};

TEST(FrontApplicationSink, HearsOnlyTheOwnerOfTheTrustedDesktopsName) {
  SinkFixture f;
  ASSERT_FALSE(f.bus.address().isEmpty());
  f.trust(QStringLiteral("org.gnome.Shell"), {thisProgram()});
  EXPECT_EQ(callFrom(f.shell, windowActivated(QVariant::fromValue(kText))), "");
  EXPECT_EQ(callFrom(f.shell, windowActivated(kVariants)), "");
  EXPECT_EQ(callFrom(f.shell, windowActivated(QVariantMap())), "");
  EXPECT_EQ(callFrom(f.stranger, windowActivated(QVariant::fromValue(kText))), kDenied);
  EXPECT_EQ(callFrom(f.bus.connection(), windowActivated(QVariant::fromValue(kText))), kDenied);
  // On a GNOME session KWin's name is nobody's to use.
  EXPECT_EQ(callFrom(f.kwin, windowActivated(kVariants)), kDenied);
  ASSERT_EQ(f.delivered.size(), 3u);
  EXPECT_EQ(f.delivered[0]->appId, "org.example.A");
  EXPECT_EQ(f.delivered[0]->wmClass, "A");
  EXPECT_EQ(f.delivered[0]->pid, 42);
  EXPECT_EQ(f.delivered[1]->desktopFile, "org.example.B");
  EXPECT_EQ(f.delivered[1]->wmInstance, "b");
  EXPECT_EQ(f.delivered[1]->pid, 43);
  EXPECT_FALSE(f.delivered[2].has_value());

  // KWin's name passes to another connection: the former owner is a stranger now.
  f.trust(QStringLiteral("org.kde.KWin"), {thisProgram()});
  EXPECT_EQ(callFrom(f.kwin, windowActivated(kVariants)), "");  // what a KWin script sends
  ASSERT_TRUE(f.kwin.unregisterService(QStringLiteral("org.kde.KWin")));
  ASSERT_TRUE(f.stranger.registerService(QStringLiteral("org.kde.KWin")));
  ASSERT_TRUE(waitUntil([&] { return callFrom(f.kwin, windowActivated(kVariants)) == kDenied; }));
  EXPECT_EQ(callFrom(f.stranger, windowActivated(QVariant::fromValue(kText))), "");
  EXPECT_EQ(f.delivered.size(), 5u);
}

// A desktop's piece may report the window in front twice; the listener hears a change once,
// and a new listener hears the window in front again.
TEST(FrontApplicationSink, TheSameWindowAgainIsNoChange) {
  using Facts = std::optional<WindowFacts>;
  const Facts none, a = windowFactsFromMap(kText),
                    b = windowFactsFromMap({{QStringLiteral("wmClass"), QStringLiteral("B")}});
  WindowActivationRelay relay;
  std::vector<Facts> heard;
  const auto listen = [&] {
    relay.setListener({QStringLiteral("org.gnome.Shell"), {QStringLiteral("gnome-shell")}},
                      [&](const std::optional<WindowFacts>& f) { heard.push_back(f); });
  };
  listen();
  for (const Facts& facts : {none, none, a, a, b, a, a, none}) relay.deliver(facts);
  EXPECT_EQ(heard, (std::vector<Facts>{none, a, b, a, none}));
  listen();
  relay.deliver(none);
  EXPECT_EQ(heard.size(), 6u) << "a new listener knows nothing of what the last one heard";
}

// Any client may claim a well-known name: the owner must also be the desktop's compositor, and
// without a GNOME or KDE session (sway, X11) nobody is heard at all.
TEST(FrontApplicationSink, RefusesAnImpostorOwnerAndEverySenderOutsideGnomeAndKde) {
  SinkFixture f;
  struct Case {
    const char* session;
    QString trustedName;
    QStringList programs;
    std::string reason;
  };
  const Case cases[] = {
      {"sway or X11", QString(), {}, "only on a GNOME or KDE session"},
      {"GNOME, impostor",
       QStringLiteral("org.gnome.Shell"),
       {QStringLiteral("gnome-shell")},
       "only from gnome-shell"},
      {"KDE, impostor",
       QStringLiteral("org.kde.KWin"),
       {QStringLiteral("kwin_wayland"), QStringLiteral("kwin_x11")},
       "only from kwin_wayland or kwin_x11"},
  };
  for (const Case& c : cases) {
    if (c.trustedName.isEmpty())
      f.relay.clearListener();
    else
      f.trust(c.trustedName, c.programs);
    const QDBusConnection& owner =
        c.trustedName == QStringLiteral("org.kde.KWin") ? f.kwin : f.shell;
    QDBusPendingCall pending = owner.asyncCall(windowActivated(QVariant::fromValue(kText)));
    ASSERT_TRUE(waitUntil([&] { return pending.isFinished(); }));
    EXPECT_EQ(pending.error().name().toStdString(), kDenied) << c.session;
    EXPECT_NE(pending.error().message().toStdString().find(c.reason), std::string::npos)
        << c.session << ": " << pending.error().message().toStdString();
  }
  EXPECT_TRUE(f.delivered.empty());
}

TEST(FrontApplicationSink, MapsToWindowFacts) {
  EXPECT_FALSE(windowFactsFromMap({}).has_value());
  const std::optional<WindowFacts> facts =
      windowFactsFromMap({{QStringLiteral("gtkApplicationId"), QStringLiteral("org.gnome.Gedit")},
                          {QStringLiteral("pid"), QStringLiteral("-1")},
                          {QStringLiteral("title"), QStringLiteral("secret.txt")}});
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->gtkApplicationId, "org.gnome.Gedit");
  EXPECT_EQ(facts->pid, 0);  // unknown, not negative
  EXPECT_EQ(*facts, (WindowFacts{QString(), QString(), QString(), QStringLiteral("org.gnome.Gedit"),
                                 QString(), 0}));
}

}  // namespace
}  // namespace halvane
