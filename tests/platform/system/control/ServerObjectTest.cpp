// The helper's side of the control channel on a private bus: the generated adaptor forwards
// each call to the KeyboardServer, and the well-known name is taken only when free.
#include "HVKeyboardServerProxy.h"
#include "platform/system/control/DBusRemoteProxy.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/control/ControlChannel.h"
#include "tests/support/PrivateBus.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>

#include <gtest/gtest.h>

namespace halvane {
namespace {

using test::PrivateBus;
using test::waitUntil;

const QString kService = QString::fromLatin1(control::kServiceName);
const QString kPath = QString::fromLatin1(control::kServerPath);

// Waits for an asynchronous reply on the event loop (the server runs in this process, so a
// blocking call would wait for itself).
template <typename Reply>
Reply await(Reply reply) {
  QDBusPendingCallWatcher watcher(reply);
  EXPECT_TRUE(waitUntil([&] { return watcher.isFinished(); }));
  return reply;
}

bool nameOwned(QDBusConnection& bus) {
  return bus.interface()->isServiceRegistered(kService).value();
}

class ServerObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start"; }
  PrivateBus bus;
  FakeSystemLog log;
};

TEST_F(ServerObjectTest, AdaptorForwardsEveryCallToTheServerInOrder) {
  FakeKeyboardServer server;
  server.currentProfile = 6;
  DBusServerObject object(log, bus.connect(QStringLiteral("helper")));
  ASSERT_TRUE(object.registerServer(server));
  HVKeyboardServerProxy proxy(kService, kPath, bus.connect(QStringLiteral("pane")));

  auto first = await(proxy.getCurrentProfile());
  ASSERT_FALSE(first.isError()) << qPrintable(first.error().message());
  EXPECT_EQ(first.value(), 6);
  EXPECT_FALSE(await(proxy.reloadPrefs()).isError());
  EXPECT_FALSE(await(proxy.setCurrentProfile(3)).isError());
  EXPECT_EQ(await(proxy.getCurrentProfile()).value(), 3);
  EXPECT_FALSE(await(proxy.setCurrentProfile(0)).isError());

  EXPECT_EQ(server.calls, QStringList({"getCurrentProfile", "reloadPrefs", "setCurrentProfile 3",
                                       "getCurrentProfile", "setCurrentProfile 0"}));
  EXPECT_TRUE(log.lines.isEmpty()) << qPrintable(log.lines.join('\n'));
}

TEST_F(ServerObjectTest, ExportsExactlyTheInterfaceOfTheDescription) {
  FakeKeyboardServer server;
  DBusServerObject object(log, bus.connect(QStringLiteral("helper")));
  ASSERT_TRUE(object.registerServer(server));
  QDBusConnection pane = bus.connect(QStringLiteral("pane"));

  QDBusMessage introspect = QDBusMessage::createMethodCall(
      kService, kPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
      QStringLiteral("Introspect"));
  QDBusPendingReply<QString> xml = await(QDBusPendingReply<QString>(pane.asyncCall(introspect)));
  ASSERT_FALSE(xml.isError());
  EXPECT_TRUE(xml.value().contains(
      QStringLiteral("<interface name=\"com.halvane.keyboard.HVKeyboardServer\">")));
  for (const char* method : {"getCurrentProfile", "setCurrentProfile", "reloadPrefs"})
    EXPECT_TRUE(xml.value().contains(QStringLiteral("<method name=\"%1\">").arg(method)) ||
                xml.value().contains(QStringLiteral("<method name=\"%1\"/>").arg(method)))
        << method;

  // A call with the wrong argument type is refused by the bus glue and never reaches the server.
  QDBusMessage wrong = QDBusMessage::createMethodCall(
      kService, kPath, QString::fromLatin1(control::kServerInterface),
      QStringLiteral("setCurrentProfile"));
  wrong << QStringLiteral("3");
  EXPECT_TRUE(await(QDBusPendingReply<>(pane.asyncCall(wrong))).isError());
  EXPECT_TRUE(server.calls.isEmpty()) << qPrintable(server.calls.join('\n'));
}

TEST_F(ServerObjectTest, NameTakenMeansRunningWithoutServerAfterOneLogLine) {
  FakeKeyboardServer first, second;
  first.currentProfile = 1;
  second.currentProfile = 2;
  QDBusConnection helper1 = bus.connect(QStringLiteral("helper1"));
  auto holder = std::make_unique<DBusServerObject>(log, helper1);
  ASSERT_TRUE(holder->registerServer(first));

  FakeSystemLog secondLog;
  QDBusConnection helper2 = bus.connect(QStringLiteral("helper2"));
  {
    DBusServerObject refused(secondLog, helper2);
    EXPECT_FALSE(refused.registerServer(second));
    ASSERT_EQ(secondLog.lines.size(), 1);
    EXPECT_TRUE(secondLog.lines.front().contains(kService)) << qPrintable(secondLog.lines.front());
    // The refused side leaves nothing exported behind.
    EXPECT_TRUE(helper2.objectRegisteredAt(kPath) == nullptr);
  }

  // The pane still reaches the first helper.
  QDBusConnection pane = bus.connect(QStringLiteral("pane"));
  HVKeyboardServerProxy proxy(kService, kPath, pane);
  EXPECT_EQ(await(proxy.getCurrentProfile()).value(), 1);
  EXPECT_TRUE(second.calls.isEmpty());
  EXPECT_EQ(pane.interface()->serviceOwner(kService).value(), helper1.baseService());

  // The refused request was not left waiting in a queue: when the holder lets go, the name
  // does not pass to the second helper's connection.
  holder.reset();
  EXPECT_TRUE(waitUntil([&] { return !nameOwned(pane); }));
  EXPECT_NE(pane.interface()->serviceOwner(kService).value(), helper2.baseService());
}

TEST_F(ServerObjectTest, NameIsReleasedWhenTheServerObjectGoesAway) {
  FakeKeyboardServer server;
  QDBusConnection pane = bus.connect(QStringLiteral("pane"));
  {
    DBusServerObject object(log, bus.connect(QStringLiteral("helper")));
    ASSERT_TRUE(object.registerServer(server));
    EXPECT_TRUE(nameOwned(pane));
    EXPECT_NE(DBusRemoteProxy::connect(pane), nullptr);
  }
  EXPECT_TRUE(waitUntil([&] { return !nameOwned(pane); }));
  EXPECT_EQ(DBusRemoteProxy::connect(pane), nullptr);

  // Another helper can now take the name.
  DBusServerObject next(log, bus.connect(QStringLiteral("helper2")));
  EXPECT_TRUE(next.registerServer(server));
  EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(ServerObjectTest, NoBusMeansRunningWithoutServer) {
  FakeKeyboardServer server;
  DBusServerObject object(log, QDBusConnection(QStringLiteral("never connected")));
  EXPECT_FALSE(object.registerServer(server));
  EXPECT_EQ(log.lines.size(), 1);
}

}  // namespace
}  // namespace halvane
