#include "platform/input/devices/CompositeHIDDeviceRegistry.h"
#include "platform/input/devices/UdevHidrawRegistry.h"
#include "platform/input/devices/VirtualKeyboardRegistry.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/platform/input/devices/DeviceTestSupport.h"
#include "tools/vkbd/VirtualInterface.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane {
namespace {

using namespace test;

class NoHidraw : public HidrawDiscovery {
 public:
  explicit NoHidraw(std::vector<Node> nodes = {}) : nodes_(std::move(nodes)) {}
  std::vector<Node> start(Added, Removed) override { return nodes_; }

 private:
  std::vector<Node> nodes_;
};

std::unique_ptr<vkbd::VirtualInterface> listening(const QString& folder, const QString& name) {
  EXPECT_EQ(vkbd::ensureFolder(folder), QString());
  auto interface = std::make_unique<vkbd::VirtualInterface>(folder, kKeyboardInterface, name);
  QString error;
  EXPECT_TRUE(interface->listen(&error)) << error.toStdString();
  return interface;
}

class CompositeRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensureApplication();
    ASSERT_TRUE(temp.isValid());
  }
  QTemporaryDir temp;
};

// Two sources with one id allocator: distinct ids, and each call reaches the right source.
TEST_F(CompositeRegistryTest, ServicesAreRoutedToTheirSource) {
  const QString one = temp.path() + QStringLiteral("/one"),
                two = temp.path() + QStringLiteral("/two");
  auto first = listening(one, QStringLiteral("a"));
  auto second = listening(two, QStringLiteral("b"));
  std::vector<QByteArray> firstGot, secondGot;
  first->onDatagram = [&](const QByteArray& d) { firstGot.push_back(d); };
  second->onDatagram = [&](const QByteArray& d) { secondGot.push_back(d); };

  auto ids = std::make_shared<ServiceIdAllocator>();
  std::vector<std::unique_ptr<HIDDeviceSource>> sources;
  sources.push_back(std::make_unique<UdevHidrawRegistry>(
      std::make_unique<NoHidraw>(std::vector<HidrawDiscovery::Node>{
          {QStringLiteral("/sys/x"), temp.path() + QStringLiteral("/hidraw9"),
           kKeyboardInterface}}),
      ids));
  sources.push_back(std::make_unique<VirtualKeyboardRegistry>(one, ids));
  sources.push_back(std::make_unique<VirtualKeyboardRegistry>(two, ids));
  CompositeHIDDeviceRegistry registry(std::move(sources));
  Notifications a;
  a.watch(registry, kKeyboardInterface);
  ASSERT_EQ(a.matched.size(), 3u);  // hidraw first, then the folders in order
  EXPECT_EQ(std::set<ServiceId>(a.matched.begin(), a.matched.end()).size(), 3u);
  const ServiceId hidraw = a.matched[0], inOne = a.matched[1], inTwo = a.matched[2];

  EXPECT_EQ(registry.setProperties(inTwo, {1, 2}), 0);
  EXPECT_EQ(registry.setProperties(inOne, {3, 4}), 0);
  EXPECT_EQ(registry.setProperties(hidraw, {5, 6}), ENOENT);  // its node does not exist
  ASSERT_TRUE(waitFor([&] { return firstGot.size() == 1 && secondGot.size() == 1; }));
  EXPECT_EQ(firstGot[0], QByteArray("SwapCmdAlt=3 MacroMask=4\n"));
  EXPECT_EQ(secondGot[0], QByteArray("SwapCmdAlt=1 MacroMask=2\n"));

  OpenedDevice device;
  ASSERT_TRUE(device.open(registry, inTwo));
  ASSERT_TRUE(waitFor([&] { return second->connectionCount() == 1; }));
  second->send(QByteArrayView("\x00\xF1\x00", 3));
  ASSERT_TRUE(waitFor([&] { return device.reports.size() == 1; }));
  EXPECT_EQ(device.reports[0], (std::vector<std::uint8_t>{0x00, 0xF1, 0x00}));

  first.reset();
  ASSERT_TRUE(waitFor([&] { return a.terminated.size() == 1; }));
  EXPECT_EQ(a.terminated[0], inOne);

  int status = 0;
  EXPECT_EQ(registry.createDeviceInterface(inOne, &status), nullptr);
  EXPECT_EQ(status, ENODEV);
  EXPECT_EQ(registry.setProperties(inOne, {0, 0}), ENODEV);
}

TEST_F(CompositeRegistryTest, SystemRegistryFindsVirtualKeyboards) {
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  const bool had = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(temp.path()));
  {
    auto keys =
        listening(temp.path() + QStringLiteral("/halvane/keyboards"), QStringLiteral("sys"));
    std::vector<QByteArray> got;
    keys->onDatagram = [&](const QByteArray& d) { got.push_back(d); };
    FakeSystemLog log;
    std::unique_ptr<HIDDeviceRegistry> registry = createSystemHIDDeviceRegistry(log);
    Notifications a;
    a.watch(*registry, kKeyboardInterface);
    ASSERT_FALSE(a.matched.empty());
    // A real keyboard would come first; the virtual one is the last match.
    EXPECT_EQ(registry->setProperties(a.matched.back(), {0, 1}), 0);
    ASSERT_TRUE(waitFor([&] { return got.size() == 1; }));
    EXPECT_EQ(got[0], QByteArray("SwapCmdAlt=0 MacroMask=1\n"));
  }
  if (had)
    qputenv("XDG_RUNTIME_DIR", saved);
  else
    qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace halvane
