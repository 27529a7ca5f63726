#include "HVHotKeyCenter.h"
#include "tests/support/X11TestSupport.h"

#include "platform/input/hotkeys/XcbHotKeyService.h"
#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/system/log/FakeSystemLog.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace halvane {
namespace {

constexpr HotKeyId kIdK{fourCharCode("HVHk"), 41};
constexpr HotKeyId kIdJ{fourCharCode("HVHk"), 42};

class XcbHotKeys : public test::X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    service = XcbHotKeyService::connect();
    ASSERT_TRUE(service);
    service->setEventHandler([this](const HotKeyEvent& event) {
      seen.push_back(event);
      return int(kHotKeyNoErr);
    });
  }

  // Types keys the way a user would, through the XTEST extension.
  static void type(const char* keys) {
    ASSERT_TRUE(test::runX11Tool(QStringLiteral("xdotool"),
                                 {QStringLiteral("key"), QString::fromLatin1(keys)}))
        << "needs xdotool";
  }

  // Reads the server's events until `done` holds (or a generous limit passed).
  bool dispatchUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000) {
      service->dispatchPendingEvents();
      QThread::msleep(5);
    }
    return done();
  }
  bool waitForEvents(size_t count) {
    return dispatchUntil([this, count] { return seen.size() >= count; });
  }

  std::unique_ptr<XcbHotKeyService> service;
  std::vector<HotKeyEvent> seen;
};

TEST_F(XcbHotKeys, PressAndReleaseComeBackWithTheRegisteredId) {
  HotKeyService::Reference k = 0, j = 0;
  ASSERT_EQ(service->registerHotKey(kVK_ANSI_K, 0x0300, kIdK, &k), kHotKeyNoErr);
  ASSERT_EQ(service->registerHotKey(kVK_ANSI_J, 0x1800, kIdJ, &j), kHotKeyNoErr);
  EXPECT_NE(k, j);

  type("alt+ctrl+j");
  type("super+shift+k");
  ASSERT_TRUE(waitForEvents(4));
  EXPECT_EQ(seen[0].kind, kHotKeyPressed);
  EXPECT_EQ(seen[0].hotKeyId.id, kIdJ.id);
  EXPECT_EQ(seen[1].kind, kHotKeyReleased);
  EXPECT_EQ(seen[1].hotKeyId.id, kIdJ.id);
  EXPECT_EQ(seen[2].kind, kHotKeyPressed);
  EXPECT_EQ(seen[2].hotKeyId.id, kIdK.id);
  EXPECT_EQ(seen[2].hotKeyId.signature, fourCharCode("HVHk"));
  EXPECT_EQ(seen[2].eventClass, kHotKeyEventClass);
  EXPECT_EQ(seen[3].kind, kHotKeyReleased);
}

TEST_F(XcbHotKeys, LockKeysDoNotStopAHotKey) {
  HotKeyService::Reference k = 0;
  ASSERT_EQ(service->registerHotKey(kVK_ANSI_K, 0x0300, kIdK, &k), kHotKeyNoErr);
  type("Num_Lock");
  type("super+shift+k");
  type("Num_Lock");
  ASSERT_TRUE(waitForEvents(2));
  EXPECT_EQ(seen[0].hotKeyId.id, kIdK.id);
}

TEST_F(XcbHotKeys, UnregisteredKeyIsNoLongerDelivered) {
  HotKeyService::Reference k = 0, j = 0;
  ASSERT_EQ(service->registerHotKey(kVK_ANSI_K, 0x0300, kIdK, &k), kHotKeyNoErr);
  ASSERT_EQ(service->registerHotKey(kVK_ANSI_J, 0x1800, kIdJ, &j), kHotKeyNoErr);
  service->unregisterHotKey(k);
  type("super+shift+k");
  type("alt+ctrl+j");
  ASSERT_TRUE(waitForEvents(2));
  for (const HotKeyEvent& event : seen) EXPECT_EQ(event.hotKeyId.id, kIdJ.id);
}

TEST_F(XcbHotKeys, TakenAndUnknownKeysAreRefused) {
  HotKeyService::Reference k = 0, again = 0;
  ASSERT_EQ(service->registerHotKey(kVK_ANSI_K, 0x0300, kIdK, &k), kHotKeyNoErr);
  EXPECT_EQ(service->registerHotKey(kVK_ANSI_K, 0x0300, kIdJ, &again), kHotKeyExists);

  auto otherClient = XcbHotKeyService::connect();
  ASSERT_TRUE(otherClient);
  EXPECT_EQ(otherClient->registerHotKey(kVK_ANSI_K, 0x0300, kIdJ, &again), kHotKeyExists);
  EXPECT_EQ(otherClient->registerHotKey(kVK_ANSI_K, 0x0100, kIdJ, &again), kHotKeyNoErr);
  EXPECT_EQ(service->registerHotKey(0x34, 0, kIdJ, &again), kHotKeyInvalid);

  // The refused registration left the first client's grab working.
  type("super+shift+k");
  ASSERT_TRUE(waitForEvents(1));
  EXPECT_EQ(seen[0].hotKeyId.id, kIdK.id);
}

TEST_F(XcbHotKeys, RegistryRoutesServerEventsToItsRecord) {
  FakeSystemLog log;
  HVHotKeyCenter center(*service, log);
  auto record = std::make_shared<HVHotKey>(QStringLiteral("show"), HVKeyCombo(kVK_F7, 0x1000, 0));
  int presses = 0;
  record->setAction([&presses](HVHotKey&) { ++presses; });
  ASSERT_TRUE(center.registerHotKey(record));

  type("ctrl+F7");
  EXPECT_TRUE(dispatchUntil([&presses] { return presses > 0; }));
  EXPECT_EQ(presses, 1);
  EXPECT_TRUE(log.lines.isEmpty());
}

}  // namespace
}  // namespace halvane
