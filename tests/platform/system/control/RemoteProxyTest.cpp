// The pane's side of the control channel, against a helper stand-in in another process (a
// blocking call to a server in this process would wait for itself).
#include "platform/system/control/DBusRemoteProxy.h"
#include "shared/control/ControlChannel.h"
#include "tests/support/PrivateBus.h"

#include <QDBusConnectionInterface>

#include <gtest/gtest.h>

#include <signal.h>

namespace halvane {
namespace {

using test::PrivateBus;
using test::waitUntil;

const QString kNoReply = QStringLiteral("org.freedesktop.DBus.Error.NoReply");
const QString kServiceUnknown = QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown");

// control_test_server on the private bus; reads the lines it prints.
class ServerProcess {
 public:
  ServerProcess(const PrivateBus& bus, int profile) {
    process_.setProcessEnvironment(bus.environment());
    process_.start(QStringLiteral(CONTROL_TEST_SERVER), {QString::number(profile)});
  }
  ~ServerProcess() { stop(); }
  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
  }
  void signal(int sig) { ::kill(pid_t(process_.processId()), sig); }
  // The next line the server prints, or "(nothing)" when none comes.
  QString nextLine() {
    while (!process_.canReadLine())
      if (!process_.waitForReadyRead(5000)) return QStringLiteral("(nothing)");
    return QString::fromUtf8(process_.readLine()).trimmed();
  }

 private:
  QProcess process_;
};

class RemoteProxyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus.address().isEmpty()) << "dbus-daemon did not start";
    pane = bus.connect(QStringLiteral("pane"));
  }
  bool nameOwned() {
    return pane.interface()->isServiceRegistered(QString::fromLatin1(control::kServiceName));
  }
  PrivateBus bus;
  QDBusConnection pane{QString()};
};

TEST_F(RemoteProxyTest, NoHelperRunningGivesNoProxy) {
  EXPECT_EQ(DBusRemoteProxy::connect(pane), nullptr);
  EXPECT_EQ(DBusRemoteProxy::connect(QDBusConnection(QStringLiteral("never connected"))), nullptr);
}

TEST_F(RemoteProxyTest, CallsReachTheHelperInTheOrderMade) {
  ServerProcess server(bus, 4);
  ASSERT_EQ(server.nextLine(), "registered");
  auto proxy = DBusRemoteProxy::connect(pane);
  ASSERT_NE(proxy, nullptr);

  // What the pane does: read the profile at load, then apply: reload, switch to the edited one.
  EXPECT_EQ(proxy->getCurrentProfile(), 4);
  EXPECT_TRUE(proxy->reloadPrefs());
  EXPECT_TRUE(proxy->setCurrentProfile(7));
  EXPECT_EQ(proxy->getCurrentProfile(), 7);
  EXPECT_TRUE(proxy->lastError().isEmpty()) << qPrintable(proxy->lastError());

  for (const char* expected :
       {"getCurrentProfile", "reloadPrefs", "setCurrentProfile 7", "getCurrentProfile"})
    EXPECT_EQ(server.nextLine(), expected);
}

TEST_F(RemoteProxyTest, HelperGoneAnswersNoHelperWithoutWaiting) {
  auto server = std::make_unique<ServerProcess>(bus, 2);
  ASSERT_EQ(server->nextLine(), "registered");
  auto proxy = DBusRemoteProxy::connect(pane);
  ASSERT_NE(proxy, nullptr);
  ASSERT_EQ(proxy->getCurrentProfile(), 2);

  server.reset();
  ASSERT_TRUE(waitUntil([&] { return !nameOwned(); }));
  // The bus answers at once that nobody holds the name: no call runs into its timeout.
  EXPECT_EQ(proxy->getCurrentProfile(), std::nullopt);
  EXPECT_EQ(proxy->lastError(), kServiceUnknown);
  EXPECT_FALSE(proxy->setCurrentProfile(1));
  EXPECT_EQ(proxy->lastError(), kServiceUnknown);
  EXPECT_FALSE(proxy->reloadPrefs());
  EXPECT_EQ(proxy->lastError(), kServiceUnknown);

  // A helper started again later is reached by the same proxy.
  ServerProcess again(bus, 5);
  ASSERT_EQ(again.nextLine(), "registered");
  EXPECT_EQ(proxy->getCurrentProfile(), 5);
  EXPECT_TRUE(proxy->lastError().isEmpty());
}

TEST_F(RemoteProxyTest, HelperThatDoesNotAnswerGivesNoHelperAfterTheTimeout) {
  ServerProcess server(bus, 3);
  ASSERT_EQ(server.nextLine(), "registered");
  auto proxy = DBusRemoteProxy::connect(pane, 100);
  ASSERT_NE(proxy, nullptr);

  server.signal(SIGSTOP);
  EXPECT_EQ(proxy->getCurrentProfile(), std::nullopt);
  EXPECT_EQ(proxy->lastError(), kNoReply);
  EXPECT_FALSE(proxy->setCurrentProfile(8));
  EXPECT_EQ(proxy->lastError(), kNoReply);
  server.signal(SIGCONT);

  // Once it runs again, it serves the calls that were waiting (Qt does not promise their
  // order after such a stall) and answers new ones.
  QStringList late = {server.nextLine(), server.nextLine()};
  late.sort();
  EXPECT_EQ(late, QStringList({"getCurrentProfile", "setCurrentProfile 8"}));
  EXPECT_EQ(proxy->getCurrentProfile(), 8);
}

}  // namespace
}  // namespace halvane
