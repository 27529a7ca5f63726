#include "HVHotKeyCenter.h"
#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"

#include "platform/input/hotkeys/FakeHotKeyService.h"
#include "platform/system/log/FakeSystemLog.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

class HotKeyCenter : public ::testing::Test {
 protected:
  std::shared_ptr<HVHotKey> hotKey(const QString& identifier, int keyCode = 0,
                                   int modifiers = 0x0100) {
    auto record = std::make_shared<HVHotKey>(identifier, HVKeyCombo(keyCode, modifiers, 0));
    record->setAction([this](HVHotKey& pressed) { invoked.push_back(pressed.identifier()); });
    return record;
  }
  HotKeyEvent eventFor(const std::shared_ptr<HVHotKey>& record, quint32 kind = kHotKeyPressed) {
    HotKeyEvent event;
    event.kind = kind;
    event.hotKeyId = {HVHotKeyCenter::kSignature, record->hotKeyId()};
    return event;
  }

  FakeHotKeyService service;
  FakeSystemLog log;
  HVHotKeyCenter center{service, log};
  QStringList invoked;
};

TEST_F(HotKeyCenter, ClearCombinationRegistersNothingAndSucceeds) {
  auto record = std::make_shared<HVHotKey>();
  EXPECT_TRUE(center.registerHotKey(record));
  record->setKeyCombo(HVKeyCombo(5, -1, 0));
  EXPECT_TRUE(center.registerHotKey(record));
  EXPECT_TRUE(center.allHotKeys().empty());
  EXPECT_TRUE(service.registrations.empty());
  EXPECT_FALSE(center.eventHandlerInstalled());
}

TEST_F(HotKeyCenter, RegistersKeyModifiersAndSignedId) {
  auto record = hotKey(QStringLiteral("show"), 36, 0x0900);
  ASSERT_TRUE(center.registerHotKey(record));
  ASSERT_EQ(service.registrations.size(), 1u);
  const auto& registration = service.registrations.begin()->second;
  EXPECT_EQ(registration.keyCode, 36);
  EXPECT_EQ(registration.modifiers, 0x0900);
  EXPECT_EQ(registration.id.signature, fourCharCode("HVHk"));
  EXPECT_EQ(registration.id.signature, 0x4856486Bu);
  EXPECT_EQ(registration.id.id, record->hotKeyId());
  EXPECT_NE(record->hotKeyId(), 0u);
  EXPECT_EQ(center.allHotKeys(), std::vector<std::shared_ptr<HVHotKey>>{record});
  EXPECT_EQ(center.hotKeyWithIdentifier(QStringLiteral("show")), record);
}

TEST_F(HotKeyCenter, RegisteringAgainReplacesTheRegistration) {
  auto record = hotKey(QStringLiteral("show"), 1);
  ASSERT_TRUE(center.registerHotKey(record));
  const auto first = service.registrations.begin()->first;
  record->setKeyCombo(HVKeyCombo(2, 0x0200, 0));
  ASSERT_TRUE(center.registerHotKey(record));
  ASSERT_EQ(service.registrations.size(), 1u);
  EXPECT_NE(service.registrations.begin()->first, first);
  EXPECT_EQ(service.registrations.begin()->second.keyCode, 2);
  EXPECT_EQ(center.allHotKeys().size(), 1u);

  // Re-registering with a clear combination only removes the old one.
  record->setKeyCombo(HVKeyCombo::clearKeyCombo());
  EXPECT_TRUE(center.registerHotKey(record));
  EXPECT_TRUE(service.registrations.empty());
  EXPECT_TRUE(center.allHotKeys().empty());
}

TEST_F(HotKeyCenter, RefusedRegistrationFailsAndChangesNothing) {
  auto kept = hotKey(QStringLiteral("kept"), 1);
  ASSERT_TRUE(center.registerHotKey(kept));
  service.refuseNextWith = kHotKeyExists;
  EXPECT_FALSE(center.registerHotKey(hotKey(QStringLiteral("refused"), 2)));
  EXPECT_EQ(center.allHotKeys(), std::vector<std::shared_ptr<HVHotKey>>{kept});
  EXPECT_EQ(center.hotKeyWithIdentifier(QStringLiteral("refused")), nullptr);
}

TEST_F(HotKeyCenter, UnregisteringAnUnknownRecordDoesNothing) {
  auto registered = hotKey(QStringLiteral("a"), 1);
  ASSERT_TRUE(center.registerHotKey(registered));
  center.unregisterHotKey(hotKey(QStringLiteral("a"), 1));
  center.unregisterHotKey(nullptr);
  EXPECT_EQ(service.registrations.size(), 1u);
  EXPECT_EQ(center.allHotKeys().size(), 1u);
  EXPECT_TRUE(log.lines.isEmpty());

  center.unregisterHotKey(registered);
  EXPECT_TRUE(service.registrations.empty());
  EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(HotKeyCenter, HandlerInstalledOnceAndKeptAfterTheLastHotKey) {
  auto a = hotKey(QStringLiteral("a"), 1);
  auto b = hotKey(QStringLiteral("b"), 2);
  EXPECT_FALSE(center.eventHandlerInstalled());
  ASSERT_TRUE(center.registerHotKey(a));
  ASSERT_TRUE(center.registerHotKey(b));
  EXPECT_EQ(service.handlerInstalls, 1);
  center.unregisterHotKey(a);
  center.unregisterHotKey(b);
  EXPECT_TRUE(center.eventHandlerInstalled());
  EXPECT_TRUE(service.handler);
  ASSERT_TRUE(center.registerHotKey(a));
  EXPECT_EQ(service.handlerInstalls, 1);
}

TEST_F(HotKeyCenter, PressInvokesTheRecordReleaseDoesNothing) {
  auto a = hotKey(QStringLiteral("a"), 1);
  auto b = hotKey(QStringLiteral("b"), 2);
  ASSERT_TRUE(center.registerHotKey(a));
  ASSERT_TRUE(center.registerHotKey(b));
  for (const auto& [reference, registration] : service.registrations) {
    if (registration.keyCode == 2) {
      EXPECT_EQ(service.deliver(reference, kHotKeyPressed), kHotKeyNoErr);
      EXPECT_EQ(service.deliver(reference, kHotKeyReleased), kHotKeyNoErr);
    }
  }
  EXPECT_EQ(invoked, QStringList{QStringLiteral("b")});
  EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(HotKeyCenter, OtherComponentsHotKeysAreNotTaken) {
  auto a = hotKey(QStringLiteral("a"), 1);
  ASSERT_TRUE(center.registerHotKey(a));
  HotKeyEvent foreign = eventFor(a);
  foreign.hotKeyId.signature = fourCharCode("Othr");
  EXPECT_EQ(service.deliver(foreign), kHotKeyEventNotHandled);
  EXPECT_TRUE(invoked.isEmpty());
  EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(HotKeyCenter, BrokenEventsAreLoggedAndLeftUnhandled) {
  auto a = hotKey(QStringLiteral("a"), 1);
  ASSERT_TRUE(center.registerHotKey(a));
  auto unregistered = hotKey(QStringLiteral("u"), 2);

  HotKeyEvent wrongClass = eventFor(a);
  wrongClass.eventClass = fourCharCode("mous");
  HotKeyEvent zeroId = eventFor(a);
  zeroId.hotKeyId.id = 0;
  const HotKeyEvent unknownKind = eventFor(a, 7);

  EXPECT_EQ(service.deliver(wrongClass), kHotKeyEventNotHandled);
  EXPECT_EQ(service.deliver(zeroId), kHotKeyEventNotHandled);
  EXPECT_EQ(service.deliver(eventFor(unregistered)), kHotKeyEventNotHandled);
  EXPECT_EQ(service.deliver(unknownKind), kHotKeyEventNotHandled);
  EXPECT_TRUE(invoked.isEmpty());
  ASSERT_EQ(log.lines.size(), 4);
  EXPECT_TRUE(log.lines[0].endsWith(QStringLiteral(": Unknown event class")));
  EXPECT_TRUE(log.lines[1].endsWith(QStringLiteral(": Invalid hot key id")));
  EXPECT_TRUE(log.lines[2].endsWith(QStringLiteral(": Invalid hot key id")));
  EXPECT_TRUE(log.lines[3].endsWith(QStringLiteral(": Unknown event kind")));
  EXPECT_TRUE(log.lines[0].contains(QStringLiteral("HVHotKeyCenter::sendCarbonEvent")));

  HotKeyEvent unreadable = eventFor(a);
  unreadable.idStatus = kHotKeyParameterNotFound;
  EXPECT_EQ(service.deliver(unreadable), kHotKeyParameterNotFound);
}

TEST_F(HotKeyCenter, LookupByIdentifier) {
  auto unnamed = hotKey(QString(), 1);
  auto first = hotKey(QStringLiteral("same"), 2);
  auto second = hotKey(QStringLiteral("same"), 3);
  for (const auto& record : {unnamed, first, second}) ASSERT_TRUE(center.registerHotKey(record));
  EXPECT_EQ(center.hotKeyWithIdentifier(QString()), nullptr);
  const auto found = center.hotKeyWithIdentifier(QStringLiteral("same"));
  EXPECT_TRUE(found == first || found == second);
  EXPECT_EQ(center.hotKeyWithIdentifier(QStringLiteral("other")), nullptr);
}

TEST_F(HotKeyCenter, ActionMayUnregisterItsOwnRecord) {
  auto record = hotKey(QStringLiteral("once"), 1);
  std::weak_ptr<HVHotKey> weak = record;
  record->setAction([this, weak](HVHotKey&) {
    center.unregisterHotKey(weak.lock());
    invoked.append(QStringLiteral("ran"));
  });
  ASSERT_TRUE(center.registerHotKey(record));
  const HotKeyEvent press = eventFor(record);
  record.reset();  // the registry holds the only reference now
  EXPECT_EQ(service.deliver(press), kHotKeyNoErr);
  EXPECT_EQ(invoked, QStringList{QStringLiteral("ran")});
  EXPECT_TRUE(center.allHotKeys().empty());
  EXPECT_TRUE(weak.expired());
}

TEST_F(HotKeyCenter, DestroyedCenterLeavesNoGrabOrHandler) {
  FakeHotKeyService other;
  {
    HVHotKeyCenter shortLived(other, log);
    ASSERT_TRUE(shortLived.registerHotKey(hotKey(QStringLiteral("a"), 1)));
  }
  EXPECT_TRUE(other.registrations.empty());
  EXPECT_FALSE(other.handler);
}

TEST(HotKeyRecord, DescriptionAndInvoke) {
  test::ScopedKeyCodesTable names(PlistValue::dictionary());
  HVHotKey record(QStringLiteral("show"), HVKeyCombo(10, 0x0100, 0));
  EXPECT_EQ(record.description(), QStringLiteral("<HVHotKey: show, ⌘A>"));
  EXPECT_EQ(HVHotKey().description(), QStringLiteral("<HVHotKey: , (None)>"));
  EXPECT_TRUE(HVHotKey().keyCombo().isClearCombo());

  record.invoke();  // no action: nothing to do
  HVHotKey* seen = nullptr;
  record.setAction([&seen](HVHotKey& pressed) { seen = &pressed; });
  record.invoke();
  EXPECT_EQ(seen, &record);
  EXPECT_NE(HVHotKey().hotKeyId(), record.hotKeyId());
}

}  // namespace
}  // namespace halvane
