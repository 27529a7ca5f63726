// Hot keys registered while the backend is still being chosen reach it once it is there.
#include "platform/input/hotkeys/DeferredHotKeyService.h"
#include "platform/input/hotkeys/FakeHotKeyService.h"
#include "platform/system/log/FakeSystemLog.h"

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

constexpr int kNoSuchKey = 0x7FFF;

TEST(DeferredHotKeyService, HandsWhatWaitedToTheBackendUnderTheReferencesGivenOut) {
  FakeSystemLog log;
  DeferredHotKeyService service([](int keyCode, int) { return keyCode != kNoSuchKey; }, log);
  HotKeyService::Reference refused = 0, kept = 0, dropped = 0, invalid = 0;
  ASSERT_EQ(service.registerHotKey(3, 0x100, {7, 3}, &refused), kHotKeyNoErr);
  ASSERT_EQ(service.registerHotKey(1, 0x100, {7, 1}, &kept), kHotKeyNoErr);
  ASSERT_EQ(service.registerHotKey(2, 0x100, {7, 2}, &dropped), kHotKeyNoErr);
  EXPECT_EQ(service.registerHotKey(kNoSuchKey, 0, {7, 4}, &invalid), kHotKeyInvalid);
  service.unregisterHotKey(dropped);
  QStringList events;
  service.setEventHandler([&](const HotKeyEvent& event) {
    events << QString::number(event.hotKeyId.id);
    return int(kHotKeyNoErr);
  });

  auto owned = std::make_unique<FakeHotKeyService>();
  FakeHotKeyService& backend = *owned;
  backend.refuseNextWith = kHotKeyExists;  // the first that waited
  service.setBackend(std::move(owned));
  EXPECT_EQ(backend.handlerInstalls, 1);
  ASSERT_EQ(backend.registrations.size(), 1u);
  EXPECT_EQ(backend.registrations.begin()->second.keyCode, 1);
  ASSERT_EQ(log.lines.size(), 1);
  EXPECT_TRUE(log.lines[0].contains(QLatin1String("key code 3"))) << qPrintable(log.lines[0]);

  // From now on registrations go straight through, refusals included.
  HotKeyService::Reference later = 0;
  backend.refuseNextWith = kHotKeyExists;
  EXPECT_EQ(service.registerHotKey(5, 0, {7, 5}, &later), kHotKeyExists);
  ASSERT_EQ(service.registerHotKey(5, 0, {7, 5}, &later), kHotKeyNoErr);
  EXPECT_NE(later, kept);
  for (const auto& [reference, registration] : backend.registrations) backend.deliver(reference);
  EXPECT_EQ(events, QStringList({"1", "5"}));

  service.unregisterHotKey(refused);  // never reached the backend: nothing to do
  service.unregisterHotKey(kept);
  ASSERT_EQ(backend.registrations.size(), 1u);
  EXPECT_EQ(backend.registrations.begin()->second.keyCode, 5);
  service.unregisterHotKey(later);
  EXPECT_TRUE(backend.registrations.empty());
}

}  // namespace
}  // namespace halvane::test
