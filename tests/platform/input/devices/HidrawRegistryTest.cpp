#include "platform/input/devices/UdevHidrawDiscovery.h"
#include "platform/input/devices/UdevHidrawRegistry.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/platform/input/devices/DeviceTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace halvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;

// Hands the registry a scripted set of nodes; the test plays the udev monitor.
struct Script {
  std::vector<HidrawDiscovery::Node> present;
  HidrawDiscovery::Added added;
  HidrawDiscovery::Removed removed;
  int starts = 0;
};

class ScriptedDiscovery : public HidrawDiscovery {
 public:
  explicit ScriptedDiscovery(std::shared_ptr<Script> script) : script_(std::move(script)) {}
  std::vector<Node> start(Added added, Removed removed) override {
    ++script_->starts;
    script_->added = std::move(added);
    script_->removed = std::move(removed);
    return script_->present;
  }

 private:
  std::shared_ptr<Script> script_;
};

// A pseudo-terminal in raw mode stands in for a hidraw node: bytes written to the master are
// read from the node, and closing the master makes reads fail with EIO, as an unplugged
// hidraw node does.
class PtyNode {
 public:
  PtyNode() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    path_ = QString::fromLocal8Bit(::ptsname(master_));
    const int slave = ::open(::ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (slave >= 0 && ::tcgetattr(slave, &raw) == 0) {
      ::cfmakeraw(&raw);
      ::tcsetattr(slave, TCSANOW, &raw);
    }
    if (slave >= 0) ::close(slave);
  }
  ~PtyNode() { unplug(); }
  const QString& path() const { return path_; }
  bool write(const Bytes& bytes) {
    return ::write(master_, bytes.data(), bytes.size()) == ssize_t(bytes.size());
  }
  void unplug() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

 private:
  int master_ = -1;
  QString path_;
};

HidrawDiscovery::Node node(const QString& syspath, const QString& devnode,
                           const MatchingCriteria& properties) {
  return {syspath, devnode, properties};
}

class HidrawRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ensureApplication(); }
  // A registry finding nodes at its start; a watches the keyboard interface.
  void startRegistry(std::vector<HidrawDiscovery::Node> present) {
    script->present = std::move(present);
    registry = std::make_unique<UdevHidrawRegistry>(std::make_unique<ScriptedDiscovery>(script));
    a.watch(*registry, kKeyboardInterface);
  }
  std::shared_ptr<Script> script = std::make_shared<Script>();
  std::unique_ptr<UdevHidrawRegistry> registry;
  Notifications a;
};

TEST_F(HidrawRegistryTest, NodesPresentAtStartMatchByTheirProperties) {
  startRegistry({node("/sys/a", "/dev/hidraw0", kKeyboardInterface),
                 node("/sys/b", "/dev/hidraw1", kConsumerInterface),
                 node("/sys/c", "/dev/hidraw2", {0x046D, 0xC52B, 0x01, 0x06}),
                 node("/sys/d", "/dev/hidraw3", {0x1209, 0x4856, 0x01, 0x02})});
  Notifications b;
  b.watch(*registry, kConsumerInterface);
  ASSERT_EQ(a.matched.size(), 1u);
  ASSERT_EQ(b.matched.size(), 1u);
  EXPECT_NE(a.matched[0], b.matched[0]);
  // The watch starts once, however many registrations follow.
  Notifications again;
  again.watch(*registry, kKeyboardInterface);
  EXPECT_EQ(again.matched, a.matched);
  EXPECT_EQ(script->starts, 1);
}

// The watch runs before the listing, so a node plugged in meanwhile can be reported twice.
TEST_F(HidrawRegistryTest, NodeReportedTwiceIsOneService) {
  startRegistry({node("/sys/a", "/dev/hidraw0", kKeyboardInterface)});
  ASSERT_EQ(a.matched.size(), 1u);
  script->added(node("/sys/a", "/dev/hidraw0", kKeyboardInterface));
  EXPECT_EQ(a.matched.size(), 1u);

  script->added(node("/sys/e", "/dev/hidraw4", kKeyboardInterface));
  script->added(node("/sys/e", "/dev/hidraw4", kKeyboardInterface));
  ASSERT_EQ(a.matched.size(), 2u);
  EXPECT_EQ(registry->serviceCount(), 2u);

  script->removed(QStringLiteral("/sys/e"));
  ASSERT_TRUE(waitFor([&] { return a.terminated.size() == 1; }));
  EXPECT_EQ(a.terminated[0], a.matched[1]);
  script->removed(QStringLiteral("/sys/e"));
  script->removed(QStringLiteral("/sys/unknown"));
  QCoreApplication::processEvents();
  EXPECT_EQ(a.terminated.size(), 1u);
  EXPECT_EQ(registry->serviceCount(), 1u);
}

// Opens nodes as an unprivileged user would: root reads any file, so a root test process takes
// nobody's identity meanwhile.
class UnprivilegedScope {
 public:
  UnprivilegedScope() : savedUid_(::geteuid()) {
    if (savedUid_ == 0) changed_ = ::seteuid(kNobody) == 0;
  }
  ~UnprivilegedScope() {
    if (changed_) [[maybe_unused]]
      const int back = ::seteuid(savedUid_);
  }
  bool unprivileged() const { return ::geteuid() != 0; }

 private:
  static constexpr uid_t kNobody = 65534;
  uid_t savedUid_;
  bool changed_ = false;
};

TEST(HidrawPermissions, ARefusedNodeIsToldOnceWithTheFixAndTheRegistryCarriesOn) {
  test::ensureApplication();
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  // Nodes the udev rules have not opened up: owned by another user, readable by none.
  const QString refused1 = folder.filePath(QStringLiteral("hidraw7"));
  const QString refused2 = folder.filePath(QStringLiteral("hidraw8"));
  for (const QString& path : {refused1, refused2}) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.setPermissions(QFileDevice::Permissions());
  }
  PtyNode allowed;
  ASSERT_FALSE(allowed.path().isEmpty());

  auto script = std::make_shared<Script>();
  script->present = {node("/sys/a", refused1, kKeyboardInterface),
                     node("/sys/b", refused2, kKeyboardInterface),
                     node("/sys/c", folder.filePath(QStringLiteral("gone")), kKeyboardInterface)};
  FakeSystemLog log;
  UdevHidrawRegistry registry(std::make_unique<ScriptedDiscovery>(script), {}, &log);
  Notifications a;
  a.watch(registry, kKeyboardInterface);
  ASSERT_EQ(a.matched.size(), 3u);
  OpenedDevice first, second, missing;
  {
    UnprivilegedScope scope;
    ASSERT_TRUE(scope.unprivileged()) << "cannot drop root privileges for this test";
    EXPECT_FALSE(first.open(registry, a.matched[0]));
    EXPECT_FALSE(second.open(registry, a.matched[1]));
  }
  EXPECT_EQ(first.openStatus, EACCES);
  EXPECT_EQ(second.openStatus, EACCES);
  EXPECT_FALSE(missing.open(registry, a.matched[2]));
  EXPECT_EQ(missing.openStatus, ENOENT);
  ASSERT_EQ(log.lines.size(), 1) << qPrintable(log.lines.join(u'\n'));
  EXPECT_TRUE(log.lines[0].contains(refused1)) << qPrintable(log.lines[0]);
  EXPECT_TRUE(log.lines[0].contains(QStringLiteral("udev rules"))) << qPrintable(log.lines[0]);

  // A keyboard the user may open still works after the refusals.
  script->added(node("/sys/d", allowed.path(), kKeyboardInterface));
  ASSERT_EQ(a.matched.size(), 4u);
  OpenedDevice good;
  ASSERT_TRUE(good.open(registry, a.matched[3]));
  ASSERT_TRUE(allowed.write({0x00, 0x00, 0xF1, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(waitFor([&] { return good.reports.size() == 1; }));
  EXPECT_EQ(log.lines.size(), 1);
}

TEST_F(HidrawRegistryTest, ReportsAreReadFromTheNode) {
  PtyNode pty;
  ASSERT_FALSE(pty.path().isEmpty());
  startRegistry({node("/sys/a", pty.path(), kKeyboardInterface)});
  ASSERT_EQ(a.matched.size(), 1u);
  OpenedDevice device;
  ASSERT_TRUE(device.open(*registry, a.matched[0]));
  const std::vector<Bytes> sent = {
      {0x00, 0x00, 0xF1, 0, 0, 0, 0, 0}, {0x00, 0xF1, 0x00}, {0x08, 0x00, 0xFB, 0xFC, 0, 0, 0, 0}};
  for (const Bytes& report : sent) {
    ASSERT_TRUE(pty.write(report));
    const std::size_t before = device.reports.size();
    ASSERT_TRUE(waitFor([&] { return device.reports.size() == before + 1; }));
  }
  EXPECT_EQ(device.reports, sent);
  EXPECT_EQ(device.statuses, std::vector<int>(sent.size(), kIOReturnSuccess));
  EXPECT_TRUE(device.guardIntact());
}

// An unplugged node fails its read: that ends the keyboard at once, and udev's later removal
// of the same node changes nothing.
TEST_F(HidrawRegistryTest, FailedReadEndsTheKeyboardOnce) {
  PtyNode pty;
  ASSERT_FALSE(pty.path().isEmpty());
  startRegistry({node("/sys/a", pty.path(), kKeyboardInterface)});
  OpenedDevice device;
  ASSERT_TRUE(device.open(*registry, a.matched.at(0)));
  pty.unplug();
  ASSERT_TRUE(waitFor([&] { return a.terminated.size() == 1; }));
  EXPECT_EQ(a.terminated[0], a.matched[0]);
  EXPECT_EQ(registry->serviceCount(), 0u);
  script->removed(QStringLiteral("/sys/a"));
  QCoreApplication::processEvents();
  EXPECT_EQ(a.terminated.size(), 1u);
  EXPECT_TRUE(device.reports.empty());
  device.device.reset();
}

TEST_F(HidrawRegistryTest, OpenFailureGivesTheErrno) {
  QTemporaryDir temp;
  startRegistry({node("/sys/gone", temp.path() + QStringLiteral("/hidraw9"), kKeyboardInterface)});
  ASSERT_EQ(a.matched.size(), 1u);
  OpenedDevice gone;
  EXPECT_FALSE(gone.open(*registry, a.matched[0]));
  EXPECT_EQ(gone.createStatus, 0);
  EXPECT_EQ(gone.openStatus, ENOENT);
  // A failed open leaves the service there for another try.
  EXPECT_EQ(registry->serviceCount(), 1u);
}

TEST_F(HidrawRegistryTest, DriverSettingsGoToTheNode) {
  PtyNode pty;
  ASSERT_FALSE(pty.path().isEmpty());
  QTemporaryDir temp;
  startRegistry({node("/sys/a", pty.path(), kKeyboardInterface),
                 node("/sys/b", temp.path() + QStringLiteral("/hidraw9"), kKeyboardInterface)});
  ASSERT_EQ(a.matched.size(), 2u);
  // The feature-report ioctl reaches the node, which (a terminal, not hidraw) refuses it; the
  // refusal comes back, whether the node is held open or opened for the occasion.
  EXPECT_EQ(registry->setProperties(a.matched[0], {1, 9}), ENOTTY);
  OpenedDevice device;
  ASSERT_TRUE(device.open(*registry, a.matched[0]));
  EXPECT_EQ(registry->setProperties(a.matched[0], {1, 9}), ENOTTY);
  EXPECT_EQ(registry->setProperties(a.matched[1], {1, 9}), ENOENT);
  EXPECT_EQ(registry->setProperties(a.matched[1] + 100, {1, 9}), ENODEV);
}

// On a machine with the keyboard attached, libudev finds it; elsewhere there is nothing to see.
TEST_F(HidrawRegistryTest, LiveKeyboardIsFoundThroughUdev) {
  UdevHidrawDiscovery discovery;
  const auto nodes = discovery.start([](const HidrawDiscovery::Node&) {}, [](const QString&) {});
  int ours = 0;
  for (const auto& found : nodes)
    if (found.properties.vendorID == 0x1209 &&
        (found.properties.productID == 0x4856 || found.properties.productID == 0x4857))
      ++ours;
  if (!ours)
    GTEST_SKIP() << "no hidraw device with vendor 1209 and product 4856/4857 here (" << nodes.size()
                 << " hidraw nodes in all)";
  UdevHidrawRegistry live;
  Notifications keyboards, consumers, keyboards2, consumers2;
  keyboards.watch(live, kKeyboardInterface);
  consumers.watch(live, kConsumerInterface);
  keyboards2.watch(live, {0x1209, 0x4857, 0x01, 0x06});
  consumers2.watch(live, {0x1209, 0x4857, 0x0C, 0x01});
  EXPECT_EQ(int(keyboards.matched.size() + consumers.matched.size() + keyboards2.matched.size() +
                consumers2.matched.size()),
            ours);
}

}  // namespace
}  // namespace halvane
