#include "platform/input/devices/VirtualKeyboardRegistry.h"
#include "tests/platform/input/devices/DeviceTestSupport.h"
#include "tools/vkbd/VirtualInterface.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <map>
#include <set>

namespace halvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;

QByteArrayView view(const Bytes& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())};
}

class VirtualKeyboardRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::ensureApplication();
    ASSERT_TRUE(temp.isValid());
    folder = temp.path() + QStringLiteral("/keyboards");
    ASSERT_EQ(vkbd::ensureFolder(folder), QString());
  }
  std::unique_ptr<vkbd::VirtualInterface> keyboard(
      const MatchingCriteria& properties = kKeyboardInterface,
      const QString& name = QStringLiteral("k")) {
    auto interface = std::make_unique<vkbd::VirtualInterface>(folder, properties, name);
    QString error;
    EXPECT_TRUE(interface->listen(&error)) << error.toStdString();
    return interface;
  }
  QString path(const QString& name) const { return folder + u'/' + name; }
  // A registry on the folder; a watches its keyboard interfaces.
  void startRegistry() {
    registry = std::make_unique<VirtualKeyboardRegistry>(folder);
    a.watch(*registry, kKeyboardInterface);
  }

  QTemporaryDir temp;
  QString folder;
  std::unique_ptr<VirtualKeyboardRegistry> registry;
  Notifications a;
};

TEST_F(VirtualKeyboardRegistryTest, InterfacesPresentAtRegistrationMatchAtOnce) {
  auto keys = keyboard();
  auto consumer = keyboard(kConsumerInterface);
  startRegistry();
  Notifications b;
  b.watch(*registry, kConsumerInterface);
  ASSERT_EQ(a.matched.size(), 1u);
  ASSERT_EQ(b.matched.size(), 1u);
  EXPECT_NE(a.matched[0], b.matched[0]);
  // The helper's side connected to each.
  EXPECT_TRUE(
      waitFor([&] { return keys->connectionCount() == 1 && consumer->connectionCount() == 1; }));
}

TEST_F(VirtualKeyboardRegistryTest, InterfaceAppearingLaterMatchesOnTheLoop) {
  startRegistry();
  EXPECT_TRUE(a.matched.empty());
  auto keys = keyboard();
  EXPECT_TRUE(waitFor([&] { return a.matched.size() == 1; }));
  EXPECT_TRUE(waitFor([&] { return keys->connectionCount() == 1; }));
}

// Only sockets whose names carry the registered properties are connected to and matched.
TEST_F(VirtualKeyboardRegistryTest, OnlyMatchingInterfacesAreTaken) {
  startRegistry();
  auto otherVendor = keyboard({0x046D, 0x4856, 0x01, 0x06});
  auto otherProduct = keyboard({0x1209, 0x4857, 0x01, 0x06});
  auto consumer = keyboard(kConsumerInterface);
  // Bad names and files that are not sockets.
  vkbd::ListeningInterface badName =
      vkbd::listenInterface(path(QStringLiteral("1209-4856-0001-0006.sock")));
  vkbd::ListeningInterface upperHex =
      vkbd::listenInterface(path(QStringLiteral("1209-4856-000C-0001-k.sock")));
  ASSERT_GE(badName.fd, 0);
  ASSERT_GE(upperHex.fd, 0);
  QFile(path(QStringLiteral("1209-4856-0001-0006-file.sock"))).open(QIODevice::WriteOnly);
  QDir(folder).mkdir(QStringLiteral("1209-4856-0001-0006-dir.sock"));
  // The wanted one comes last: once it is matched, the folder has been read with all the rest.
  auto wanted = keyboard(kKeyboardInterface, QStringLiteral("wanted"));
  ASSERT_TRUE(waitFor([&] { return a.matched.size() == 1; }));
  EXPECT_EQ(registry->serviceCount(), 1u);
  EXPECT_TRUE(waitFor([&] { return wanted->connectionCount() == 1; }));
  EXPECT_EQ(otherVendor->connectionCount() + otherProduct->connectionCount() +
                consumer->connectionCount(),
            0);
  ::close(badName.fd);
  ::close(upperHex.fd);
}

TEST_F(VirtualKeyboardRegistryTest, ReportsReachTheBufferCutToItsSize) {
  auto keys = keyboard();
  startRegistry();
  ASSERT_EQ(a.matched.size(), 1u);
  OpenedDevice device;
  ASSERT_TRUE(device.open(*registry, a.matched[0]));

  Bytes forty(40);
  for (std::size_t i = 0; i < forty.size(); ++i) forty[i] = std::uint8_t(i + 1);
  const std::vector<Bytes> sent = {{0x00, 0x00, 0xF1, 0, 0, 0, 0, 0},
                                   {0x00, 0xF1, 0x00},
                                   {},
                                   forty,
                                   {0x08, 0x00, 0xFB, 0, 0, 0, 0, 0}};
  const std::vector<Bytes> expected = {
      sent[0], sent[1], {}, Bytes(forty.begin(), forty.begin() + 32), sent[4]};
  ASSERT_TRUE(waitFor([&] { return keys->connectionCount() == 1; }));
  for (const Bytes& report : sent) EXPECT_EQ(keys->send(view(report)), 1);
  ASSERT_TRUE(waitFor([&] { return device.reports.size() == expected.size(); }));
  EXPECT_EQ(device.reports, expected);
  EXPECT_EQ(device.statuses, std::vector<int>(expected.size(), kIOReturnSuccess));
  EXPECT_TRUE(device.guardIntact());
  // An empty report is a report, not the end of the keyboard.
  EXPECT_TRUE(a.terminated.empty());
  EXPECT_EQ(registry->serviceCount(), 1u);
}

TEST_F(VirtualKeyboardRegistryTest, DriverSettingsArriveAsOneTextDatagram) {
  auto keys = keyboard();
  std::vector<QByteArray> received;
  keys->onDatagram = [&](const QByteArray& datagram) { received.push_back(datagram); };
  startRegistry();
  ASSERT_EQ(a.matched.size(), 1u);
  EXPECT_EQ(registry->setProperties(a.matched[0], {1, 9}), 0);
  EXPECT_EQ(registry->setProperties(a.matched[0], {0, 0}), 0);
  ASSERT_TRUE(waitFor([&] { return received.size() == 2; }));
  EXPECT_EQ(received[0], QByteArray("SwapCmdAlt=1 MacroMask=9\n"));
  EXPECT_EQ(received[1], QByteArray("SwapCmdAlt=0 MacroMask=0\n"));
  EXPECT_EQ(registry->setProperties(a.matched[0] + 100, {1, 1}), ENODEV);
}

TEST_F(VirtualKeyboardRegistryTest, KeyboardGoingAwayTerminatesOnce) {
  auto keys = keyboard();
  startRegistry();
  ASSERT_EQ(a.matched.size(), 1u);
  OpenedDevice device;
  ASSERT_TRUE(device.open(*registry, a.matched[0]));
  // Both the connection's end and the file's removal announce it; one termination results.
  keys.reset();
  ASSERT_TRUE(waitFor([&] { return a.terminated.size() == 1; }));
  EXPECT_EQ(a.terminated[0], a.matched[0]);
  auto next = keyboard(kKeyboardInterface, QStringLiteral("next"));
  ASSERT_TRUE(waitFor([&] { return a.matched.size() == 2; }));
  QCoreApplication::processEvents();
  EXPECT_EQ(a.terminated.size(), 1u);
  EXPECT_EQ(registry->serviceCount(), 1u);
  int status = 0;
  EXPECT_EQ(registry->createDeviceInterface(a.matched[0], &status), nullptr);
  EXPECT_EQ(status, ENODEV);
}

// The last reports a keyboard sends before it goes are delivered before its termination, also
// when it leaves driver settings unread (its close then resets the connection) or when its file
// is removed while reports are still queued.
TEST_F(VirtualKeyboardRegistryTest, ReportsSentJustBeforeTheEndAreDelivered) {
  registry = std::make_unique<VirtualKeyboardRegistry>(folder);
  a.watch(*registry, kKeyboardInterface, true);
  const Bytes report = {0, 0, 0xF3, 0, 0, 0, 0, 0}, release(8, 0);

  for (const bool removeFile : {false, true}) {
    const QString file = path(vkbd::interfaceName(kKeyboardInterface, removeFile ? "r" : "u"));
    vkbd::ListeningInterface listener = vkbd::listenInterface(file);
    ASSERT_GE(listener.fd, 0);
    const std::size_t round = a.matched.size();
    ASSERT_TRUE(waitFor([&] { return a.matched.size() == round + 1; }));
    const ServiceId id = a.matched.back();
    const int peer = ::accept4(listener.fd, nullptr, nullptr, SOCK_CLOEXEC);
    ASSERT_GE(peer, 0);
    ASSERT_EQ(registry->setProperties(id, {1, 1}), 0);  // never read by the peer
    ASSERT_EQ(::send(peer, report.data(), report.size(), 0), 8);
    ASSERT_EQ(::send(peer, release.data(), release.size(), 0), 8);
    if (removeFile) {
      ASSERT_TRUE(QFile::remove(file));
    }
    ::close(peer);
    ::close(listener.fd);
    ASSERT_TRUE(waitFor([&] { return a.terminated.size() == round + 1; })) << removeFile;
    EXPECT_EQ(a.devices[id].reports, (std::vector<Bytes>{report, release})) << removeFile;
  }
}

TEST_F(VirtualKeyboardRegistryTest, RemovedSocketFileTerminatesAndDisconnects) {
  auto keys = keyboard();
  startRegistry();
  ASSERT_TRUE(waitFor([&] { return keys->connectionCount() == 1; }));
  ASSERT_TRUE(QFile::remove(keys->path()));
  ASSERT_TRUE(waitFor([&] { return a.terminated.size() == 1; }));
  EXPECT_EQ(registry->serviceCount(), 0u);
  EXPECT_TRUE(waitFor([&] { return keys->connectionCount() == 0; }));
}

// A keyboard that died without removing its socket leaves a stale file: it is not matched, and
// a new keyboard of the same name that replaces the file is.
TEST_F(VirtualKeyboardRegistryTest, StaleSocketFilesAreSkippedUntilReplaced) {
  const QString stalePath = path(vkbd::interfaceName(kKeyboardInterface, QStringLiteral("k")));
  vkbd::ListeningInterface crashed = vkbd::listenInterface(stalePath);
  ASSERT_GE(crashed.fd, 0);
  ::close(crashed.fd);

  startRegistry();
  EXPECT_TRUE(a.matched.empty());
  auto other = keyboard(kKeyboardInterface, QStringLiteral("other"));
  ASSERT_TRUE(waitFor([&] { return a.matched.size() == 1; }));

  auto replacement = keyboard(kKeyboardInterface, QStringLiteral("k"));
  ASSERT_TRUE(waitFor([&] { return a.matched.size() == 2; }));
  EXPECT_TRUE(waitFor([&] { return replacement->connectionCount() == 1; }));
  EXPECT_EQ(registry->serviceCount(), 2u);
}

// A keyboard that binds its socket and listens a moment later is still found.
TEST_F(VirtualKeyboardRegistryTest, SocketThatListensLateIsRetried) {
  startRegistry();
  const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name =
      QFile::encodeName(path(vkbd::interfaceName(kKeyboardInterface, QStringLiteral("late"))));
  std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  // It listens once the registry has been refused and means to try again.
  ASSERT_TRUE(waitFor([&] { return registry->retrying(); }));
  ASSERT_EQ(::listen(fd, 4), 0);
  EXPECT_TRUE(waitFor([&] { return a.matched.size() == 1; }, 3000));
  ::close(fd);
  ASSERT_TRUE(waitFor([&] { return a.terminated.size() == 1; }));
}

TEST_F(VirtualKeyboardRegistryTest, DeviceInterfaceRules) {
  auto keys = keyboard();
  startRegistry();
  ASSERT_EQ(a.matched.size(), 1u);
  const ServiceId id = a.matched[0];

  int status = -1;
  auto first = registry->createDeviceInterface(id, &status);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(status, 0);
  std::uint8_t buffer[32];
  EXPECT_EQ(first->createAsyncEventSource(), EBADF);  // not open yet
  EXPECT_EQ(first->setInterruptReportHandler(buffer, 32, [](int, quint32) {}), EBADF);
  EXPECT_EQ(first->open(), 0);
  auto second = registry->createDeviceInterface(id, &status);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->open(), EBUSY);
  first.reset();
  EXPECT_EQ(second->open(), 0);
  EXPECT_EQ(second->setInterruptReportHandler(nullptr, 32, [](int, quint32) {}), EINVAL);

  EXPECT_EQ(registry->createDeviceInterface(id + 1000, &status), nullptr);
  EXPECT_EQ(status, ENODEV);
}

// The controller may release a keyboard from inside its report handler.
TEST_F(VirtualKeyboardRegistryTest, HandlerMayReleaseItsDevice) {
  auto keys = keyboard();
  startRegistry();
  ASSERT_EQ(a.matched.size(), 1u);
  std::unique_ptr<HIDDevice> device = registry->createDeviceInterface(a.matched[0], nullptr);
  ASSERT_EQ(device->open(), 0);
  std::uint8_t buffer[32];
  int calls = 0;
  ASSERT_EQ(device->setInterruptReportHandler(buffer, 32,
                                              [&](int, quint32) {
                                                ++calls;
                                                device.reset();
                                              }),
            0);
  ASSERT_TRUE(waitFor([&] { return keys->connectionCount() == 1; }));
  const Bytes report = {0, 0, 0xF1, 0, 0, 0, 0, 0};
  keys->send(view(report));
  ASSERT_TRUE(waitFor([&] { return calls == 1; }));
  // A new device interface gets the next reports; the released one is never called again.
  OpenedDevice next;
  ASSERT_TRUE(next.open(*registry, a.matched[0]));
  keys->send(view(report));
  ASSERT_TRUE(waitFor([&] { return next.reports.size() == 1; }));
  EXPECT_EQ(calls, 1);
}

TEST_F(VirtualKeyboardRegistryTest, HundredPlugCyclesLeakNothing) {
  startRegistry();
  auto cycle = [&](std::size_t done) {
    auto keys = keyboard(kKeyboardInterface, QStringLiteral("cycle"));
    if (!waitFor([&] { return a.matched.size() == done + 1; })) return false;
    OpenedDevice device;
    if (!device.open(*registry, a.matched.back())) return false;
    if (!waitFor([&] { return keys->connectionCount() == 1; })) return false;
    const Bytes report = {0, 0, std::uint8_t(0xF1 + done % 10), 0, 0, 0, 0, 0};
    keys->send(view(report));
    if (!waitFor([&] { return device.reports.size() == 1; }) || device.reports[0] != report)
      return false;
    keys.reset();
    if (!waitFor([&] { return a.terminated.size() == done + 1; })) return false;
    device.device.reset();
    return true;
  };
  ASSERT_TRUE(cycle(0));  // warms up what the loop allocates once
  const int descriptors = test::openDescriptorCount();
  for (std::size_t i = 1; i <= 100; ++i) ASSERT_TRUE(cycle(i)) << "cycle " << i;
  QCoreApplication::processEvents();
  EXPECT_EQ(test::openDescriptorCount(), descriptors);
  EXPECT_EQ(registry->serviceCount(), 0u);
  EXPECT_EQ(std::set<ServiceId>(a.matched.begin(), a.matched.end()).size(), 101u);
  EXPECT_EQ(a.terminated, a.matched);
}

TEST_F(VirtualKeyboardRegistryTest, UnusableFolderFindsNothing) {
  const QString file = temp.path() + QStringLiteral("/plain");
  QFile(file).open(QIODevice::WriteOnly);
  VirtualKeyboardRegistry unusable(file + QStringLiteral("/keyboards"));
  a.watch(unusable, kKeyboardInterface);
  EXPECT_TRUE(a.matched.empty());
  EXPECT_EQ(unusable.serviceCount(), 0u);
}

}  // namespace
}  // namespace halvane
