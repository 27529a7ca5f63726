#include "platform/input/devices/VirtualKeyboardRegistry.h"
#include "tests/platform/input/devices/DeviceTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;

const MatchingCriteria kSecondKeyboard{0x1209, 0x4857, 0x01, 0x06};
const MatchingCriteria kSecondConsumer{0x1209, 0x4857, 0x0C, 0x01};

// halvane-vkbd in its own process, with XDG_RUNTIME_DIR pointing at the test's folder.
class Vkbd {
 public:
  Vkbd(const QString& runtimeDir, const QStringList& arguments = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    process.setProcessEnvironment(environment);
    QObject::connect(&process, &QProcess::readyReadStandardOutput,
                     [this] { out += process.readAllStandardOutput(); });
    QObject::connect(&process, &QProcess::readyReadStandardError,
                     [this] { err += process.readAllStandardError(); });
    process.start(QStringLiteral(VKBD_PROGRAM), arguments);
  }
  ~Vkbd() {
    if (process.state() != QProcess::NotRunning) {
      process.kill();
      process.waitForFinished();
    }
  }
  void send(const char* lines) { process.write(lines); }
  bool said(const char* text) {
    return waitFor([&] { return out.contains(text); });
  }
  bool complained(const char* text) {
    return waitFor([&] { return err.contains(text); });
  }
  bool finished() {
    return waitFor([&] { return process.state() == QProcess::NotRunning; }, 10000);
  }

  QProcess process;
  QByteArray out, err;
};

class VkbdToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensureApplication();
    ASSERT_TRUE(temp.isValid());
    folder = temp.path() + QStringLiteral("/halvane/keyboards");
    registry = std::make_unique<VirtualKeyboardRegistry>(folder);
  }
  // Waits for count reports on the first service that n matched.
  bool reportsArrive(Notifications& n, std::size_t count) {
    return waitFor([&] { return !n.matched.empty() && n.first().reports.size() >= count; });
  }
  QStringList socketFiles() const {
    return QDir(folder).entryList({QStringLiteral("*.sock")}, QDir::System);
  }

  QTemporaryDir temp;
  QString folder;
  std::unique_ptr<VirtualKeyboardRegistry> registry;
  Notifications keys, consumer;  // each match opened as the controller opens it
};

TEST_F(VkbdToolTest, CommandsBecomeReportsAndSettingsArePrinted) {
  keys.watch(*registry, kKeyboardInterface, true);
  consumer.watch(*registry, kConsumerInterface, true);
  Vkbd vkbd(temp.path());
  ASSERT_TRUE(waitFor([&] { return keys.matched.size() == 1 && consumer.matched.size() == 1; }));
  EXPECT_TRUE(
      vkbd.said("listening on " + QFile::encodeName(folder) + "/1209-4856-0001-0006-vkbd.sock"));
  EXPECT_TRUE(
      vkbd.said("listening on " + QFile::encodeName(folder) + "/1209-4856-000c-0001-vkbd.sock"));

  vkbd.send(
      "wait-connected 5000\n"
      "press L1\n"
      "press R5\n"
      "release\n"
      "press profile F4\n"
      "release\n"
      "press profile 8\n"
      "release\n"
      "press eject\n"
      "release\n"
      "report 08 00 fb 00 00 00 00 00\n"
      "media f1\n"
      "consumer-report 00 cd 00 07\n");
  const std::vector<Bytes> keyboardReports = {{0x00, 0x00, 0xF1, 0x00, 0x00, 0x00, 0x00, 0x00},
                                              {0x00, 0x00, 0xF1, 0xFA, 0x00, 0x00, 0x00, 0x00},
                                              Bytes(8, 0),
                                              {0x00, 0x00, 0x3D, 0xFB, 0x00, 0x00, 0x00, 0x00},
                                              Bytes(8, 0),
                                              {0x00, 0x00, 0xFD, 0xFB, 0x00, 0x00, 0x00, 0x00},
                                              Bytes(8, 0),
                                              {0x00, 0x00, 0xFC, 0x00, 0x00, 0x00, 0x00, 0x00},
                                              Bytes(8, 0),
                                              {0x08, 0x00, 0xFB, 0x00, 0x00, 0x00, 0x00, 0x00}};
  const std::vector<Bytes> consumerReports = {
      {0x00, 0xF1, 0x00}, {0x00, 0x00, 0x00}, {0x00, 0xCD, 0x00, 0x07}};
  ASSERT_TRUE(reportsArrive(keys, keyboardReports.size())) << vkbd.err.toStdString();
  ASSERT_TRUE(reportsArrive(consumer, consumerReports.size())) << vkbd.err.toStdString();
  EXPECT_EQ(keys.first().reports, keyboardReports);
  EXPECT_EQ(consumer.first().reports, consumerReports);

  EXPECT_EQ(registry->setProperties(keys.matched[0], {1, 9}), 0);
  EXPECT_TRUE(vkbd.said("driver settings: SwapCmdAlt=1 MacroMask=9\n"));

  // A bad line is reported with its place and skipped; the next line still runs.
  vkbd.send("press L9\npress L2\n");
  EXPECT_TRUE(vkbd.complained("stdin:14: unknown key \"L9\""));
  ASSERT_TRUE(reportsArrive(keys, keyboardReports.size() + 1));
  EXPECT_EQ(keys.first().reports.back(), (Bytes{0x00, 0x00, 0xF2, 0, 0, 0, 0, 0}));

  vkbd.send("quit\n");
  ASSERT_TRUE(vkbd.finished());
  EXPECT_EQ(vkbd.process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(vkbd.process.exitCode(), 1);  // a line was bad
  EXPECT_EQ(socketFiles(), QStringList());
  ASSERT_TRUE(
      waitFor([&] { return keys.terminated.size() == 1 && consumer.terminated.size() == 1; }));
}

// A command file runs to its end and the tool exits by itself, successfully.
TEST_F(VkbdToolTest, CommandFileWithNameAndSecondProduct) {
  keys.watch(*registry, kSecondKeyboard, true);
  consumer.watch(*registry, kSecondConsumer, true);
  const QString script = temp.path() + QStringLiteral("/commands.txt");
  QFile file(script);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("# switch to profile 9\nwait-connected 5000\n\npress profile 9\nwait 20\nrelease\n");
  file.close();
  Vkbd vkbd(temp.path(), {QStringLiteral("--name"), QStringLiteral("desk"),
                          QStringLiteral("--product"), QStringLiteral("4857"), script});
  ASSERT_TRUE(vkbd.finished()) << vkbd.err.toStdString();
  EXPECT_EQ(vkbd.process.exitCode(), 0) << vkbd.err.toStdString();
  EXPECT_TRUE(vkbd.out.contains("1209-4857-0001-0006-desk.sock"));
  EXPECT_TRUE(vkbd.out.contains("1209-4857-000c-0001-desk.sock"));
  EXPECT_EQ(socketFiles(), QStringList());
  // Reports sent just before the tool exited are read before its end is noticed.
  ASSERT_TRUE(
      waitFor([&] { return keys.terminated.size() == 1 && consumer.terminated.size() == 1; }));
  ASSERT_EQ(keys.matched.size(), 1u);
  EXPECT_EQ(keys.first().reports,
            (std::vector<Bytes>{{0x00, 0x00, 0xFE, 0xFB, 0, 0, 0, 0}, Bytes(8, 0)}));
}

TEST_F(VkbdToolTest, TerminationSignalRemovesTheSockets) {
  keys.watch(*registry, kKeyboardInterface, true);
  Vkbd vkbd(temp.path());
  ASSERT_TRUE(waitFor([&] { return keys.matched.size() == 1; }));
  // The keyboard interface may be matched before the consumer interface's socket exists.
  ASSERT_TRUE(vkbd.said("000c-0001-vkbd.sock"));
  ASSERT_EQ(socketFiles().size(), 2);
  vkbd.process.terminate();
  ASSERT_TRUE(vkbd.finished());
  EXPECT_EQ(vkbd.process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(socketFiles(), QStringList());
  ASSERT_TRUE(waitFor([&] { return keys.terminated.size() == 1; }));
}

TEST_F(VkbdToolTest, SecondKeyboardOfTheSameNameIsRefused) {
  Vkbd first(temp.path());
  ASSERT_TRUE(first.said("000c-0001-vkbd.sock"));
  Vkbd second(temp.path());
  ASSERT_TRUE(second.finished());
  EXPECT_EQ(second.process.exitCode(), 1);
  EXPECT_TRUE(second.err.contains("already in use"));
  EXPECT_EQ(socketFiles().size(), 2);
  EXPECT_EQ(first.process.state(), QProcess::Running);

  Vkbd badProduct(temp.path(), {QStringLiteral("--product"), QStringLiteral("1234")});
  ASSERT_TRUE(badProduct.finished());
  EXPECT_EQ(badProduct.process.exitCode(), 2);
  EXPECT_TRUE(badProduct.err.contains("--product"));
}

}  // namespace
}  // namespace halvane
