// The overlay's stand-ins on Wayland that talk D-Bus: desktop notifications against a fake
// notification server, and the GNOME Shell extension's overlay against a fake extension object,
// each on a private bus.
#include "platform/desktop/overlay/GnomeShellOverlaySurface.h"
#include "platform/desktop/overlay/NotificationOverlaySurface.h"
#include "tests/support/FakeBusObject.h"
#include "tests/support/PrivateBus.h"

#include <QDBusArgument>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

const QString kNotificationsXml = QStringLiteral(
    "<interface name=\"org.freedesktop.Notifications\"><method name=\"Notify\">"
    "<arg type=\"s\" direction=\"in\"/><arg type=\"u\" direction=\"in\"/><arg type=\"s\" "
    "direction=\"in\"/>"
    "<arg type=\"s\" direction=\"in\"/><arg type=\"s\" direction=\"in\"/><arg type=\"as\" "
    "direction=\"in\"/>"
    "<arg type=\"a{sv}\" direction=\"in\"/><arg type=\"i\" direction=\"in\"/><arg type=\"u\" "
    "direction=\"out\"/>"
    "</method></interface>");

const QString kShellOverlayXml = QStringLiteral(
    "<interface name=\"com.halvane.keyboard.Overlay\"><method name=\"SetOverlay\">"
    "<arg type=\"s\" direction=\"in\"/><arg type=\"d\" direction=\"in\"/></method></interface>");

class Surfaces : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon could not be started";
  }
  PrivateBus bus;
};

// A notification server that hands out ids the way real ones do: a new one for a new
// notification, the same one for a notification that replaces another.
struct FakeNotificationServer {
  explicit FakeNotificationServer(QDBusConnection connection)
      : object(connection, kNotificationsXml, [this](const QDBusMessage& call) {
          const quint32 replaces = call.arguments().value(1).toUInt();
          return QList<QVariant>{QVariant::fromValue(replaces ? replaces : ++lastId)};
        }) {}
  quint32 lastId = 40;
  FakeBusObject object;
};

QVariantMap hintsOf(const QDBusMessage& call) {
  QVariantMap hints;
  call.arguments().value(6).value<QDBusArgument>() >> hints;
  return hints;
}

TEST_F(Surfaces, EachProfileChangeIsOneNotificationReplacingTheLast) {
  EXPECT_EQ(NotificationOverlaySurface::unavailableReason(bus.connection()),
            QStringLiteral("no notification server on the session bus"));
  FakeNotificationServer server(bus.connect(QStringLiteral("server")));
  ASSERT_TRUE(server.object.serve(QStringLiteral("org.freedesktop.Notifications"),
                                  QStringLiteral("/org/freedesktop/Notifications")));
  EXPECT_EQ(NotificationOverlaySurface::unavailableReason(bus.connection()), QString());

  NotificationOverlaySurface surface(bus.connection());
  const QStringList names{"Games", "Office", "Games"};
  for (int i = 0; i < names.size(); ++i) {
    surface.setText(names[i]);
    // The fade that follows tells the server nothing.
    for (float alpha : {0.2f, 0.6f, 1.0f, 0.5f, 0.0f}) surface.setAlpha(alpha);
    ASSERT_TRUE(waitUntil([&] { return server.object.calls.size() == size_t(i + 1); })) << i;
  }
  surface.setText(QString());  // fading out without a name
  // The server's last answer handled, a marker text goes out at once: anything the empty text
  // had sent would come before it.
  ASSERT_TRUE(roundTrip(bus.connection(), QStringLiteral("org.freedesktop.Notifications"),
                        QStringLiteral("/org/freedesktop/Notifications")));
  surface.setText(QStringLiteral("Marker"));
  ASSERT_TRUE(waitUntil([&] { return server.object.calls.size() >= 4; }));
  EXPECT_EQ(server.object.calls.back().arguments().value(3).toString(), QStringLiteral("Marker"));
  server.object.calls.pop_back();
  ASSERT_EQ(server.object.calls.size(), 3u);

  for (size_t i = 0; i < 3; ++i) {
    const QDBusMessage& call = server.object.calls[i];
    EXPECT_EQ(call.member(), QStringLiteral("Notify"));
    const QList<QVariant> args = call.arguments();
    EXPECT_EQ(args.value(1).toUInt(), i == 0 ? 0u : 41u) << "replaces_id of notification " << i;
    EXPECT_EQ(args.value(3).toString(), names[int(i)]);
    EXPECT_EQ(args.value(7).toInt(), NotificationOverlaySurface::kExpireTimeoutMs);
    EXPECT_TRUE(hintsOf(call).value(QStringLiteral("transient")).toBool());
  }
}

TEST_F(Surfaces, ChangesWhileTheServerHasNotAnsweredEndInTheLatestReplacingTheFirst) {
  FakeNotificationServer server(bus.connect(QStringLiteral("server")));
  ASSERT_TRUE(server.object.serve(QStringLiteral("org.freedesktop.Notifications"),
                                  QStringLiteral("/org/freedesktop/Notifications")));
  NotificationOverlaySurface surface(bus.connection());
  for (const char* name : {"One", "Two", "Three"}) surface.setText(QString::fromLatin1(name));
  ASSERT_TRUE(waitUntil([&] { return server.object.calls.size() == 2; }));
  // Once the answer to the second is handled, a marker goes out at once; a third call for the
  // stale text would come before it.
  ASSERT_TRUE(roundTrip(bus.connection(), QStringLiteral("org.freedesktop.Notifications"),
                        QStringLiteral("/org/freedesktop/Notifications")));
  surface.setText(QStringLiteral("Marker"));
  ASSERT_TRUE(waitUntil([&] { return server.object.calls.size() >= 3; }));
  EXPECT_EQ(server.object.calls.back().arguments().value(3).toString(), QStringLiteral("Marker"));
  server.object.calls.pop_back();
  ASSERT_EQ(server.object.calls.size(), 2u) << "the middle one is stale before it could be shown";
  EXPECT_EQ(server.object.calls[0].arguments().value(3).toString(), QStringLiteral("One"));
  EXPECT_EQ(server.object.calls[1].arguments().value(3).toString(), QStringLiteral("Three"));
  EXPECT_EQ(server.object.calls[1].arguments().value(1).toUInt(), 41u);
}

TEST_F(Surfaces, TheShellExtensionGetsEachChangeOfNameOrAlphaOnce) {
  EXPECT_EQ(GnomeShellOverlaySurface::unavailableReason(bus.connection()),
            QStringLiteral("GNOME Shell is not running"));
  QDBusConnection shell = bus.connect(QStringLiteral("shell"));
  ASSERT_TRUE(shell.registerService(QStringLiteral("org.gnome.Shell")));
  EXPECT_EQ(GnomeShellOverlaySurface::unavailableReason(bus.connection()),
            QStringLiteral("the halvane-keyboard@halvane.com extension is not enabled"));
  FakeBusObject extension(shell, kShellOverlayXml);
  ASSERT_TRUE(extension.serve(QStringLiteral("com.halvane.keyboard.Overlay"),
                              QStringLiteral("/com/halvane/keyboard/Overlay")));
  EXPECT_EQ(GnomeShellOverlaySurface::unavailableReason(bus.connection()), QString());

  GnomeShellOverlaySurface surface(bus.connection());
  surface.setText(QStringLiteral("Games"));
  for (float alpha : {0.2f, 0.4f, 0.4f, 1.0f}) surface.setAlpha(alpha);
  surface.setText(QStringLiteral("Games"));
  surface.setFrame(QRect(1, 2, 3, 4));  // the extension places the actor itself
  surface.setAlpha(0.9f);
  // Calls go out as they come: a marker's call is the last of them.
  surface.setText(QStringLiteral("Marker"));
  ASSERT_TRUE(waitUntil([&] {
    return !extension.calls.empty() &&
           extension.calls.back().arguments().value(0).toString() == QLatin1String("Marker");
  }));
  extension.calls.pop_back();

  QStringList sent;
  for (const QDBusMessage& call : extension.calls) {
    EXPECT_EQ(call.member(), QStringLiteral("SetOverlay"));
    EXPECT_EQ(call.signature(), QStringLiteral("sd"));
    sent << QStringLiteral("%1@%2")
                .arg(call.arguments().value(0).toString())
                .arg(call.arguments().value(1).toDouble(), 0, 'g', 2);
  }
  EXPECT_EQ(sent, QStringList({"Games@0", "Games@0.2", "Games@0.4", "Games@1", "Games@0.9"}));
}

}  // namespace
}  // namespace halvane::test
