#include "HVKeyBroadcaster.h"
#include "KeyComboReceiver.h"
#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"

#include "platform/input/keycodes/MacKeyCodes.h"
#include "platform/input/keycodes/MacKeyEvent.h"
#include "shared/settings/MacModifiers.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

namespace halvane {
namespace {

class RecordingReceiver : public KeyComboReceiver {
 public:
  RecordingReceiver() { KeyComboReceiver::setShared(this); }
  ~RecordingReceiver() override { KeyComboReceiver::setShared(nullptr); }
  void setKeyCombo(const HVKeyCombo& combo) override { combos.push_back(combo); }
  bool isRecordingMacro() const override { return recording; }

  std::vector<HVKeyCombo> combos;
  bool recording = true;
};

QKeyEvent keyEvent(QEvent::Type type, int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers = {},
                   bool autoRepeat = false) {
  return QKeyEvent(type, key, modifiers, quint32(evdev + kX11KeyCodeOffset), 0, 0, QString(),
                   autoRepeat);
}

TEST(CocoaModifiers, FiveRowsInOrderOthersDropped) {
  using B = HVKeyBroadcaster;
  EXPECT_EQ(B::cocoaModifiersAsCarbonModifiers(kEventFlagCommand | kEventFlagShift), 0x0300);
  EXPECT_EQ(B::cocoaModifiersAsCarbonModifiers(kEventFlagOption), 0x0800);
  EXPECT_EQ(B::cocoaModifiersAsCarbonModifiers(kEventFlagControl), 0x1000);
  EXPECT_EQ(B::cocoaModifiersAsCarbonModifiers(kEventFlagCapsLock), 0);
  EXPECT_EQ(B::cocoaModifiersAsCarbonModifiers(kEventFlagFunction), 0x8000);
  EXPECT_EQ(B::cocoaModifiersAsCarbonModifiers(kEventFlagNumericPad | kEventFlagHelp | 0xFFFF), 0);
  EXPECT_EQ(B::cocoaModifiersAsCarbonModifiers(-1), 0x9B00);
}

// Key events belong to an input device that the application owns.
class QtKeyEvents : public ::testing::Test {
 protected:
  test::WithApplication application;
};

TEST_F(QtKeyEvents, ScanCodeAndModifiersBecomeAppleKeyEvent) {
  const QKeyEvent a =
      keyEvent(QEvent::KeyPress, KEY_A, Qt::Key_A, Qt::MetaModifier | Qt::ShiftModifier);
  const std::optional<MacKeyEvent> key = macKeyEventFromQt(a);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->keyCode, kVK_ANSI_A);
  EXPECT_EQ(key->modifierFlags, kEventFlagCommand | kEventFlagShift);

  const QKeyEvent f5 =
      keyEvent(QEvent::KeyPress, KEY_F5, Qt::Key_F5, Qt::AltModifier | Qt::ControlModifier);
  ASSERT_TRUE(macKeyEventFromQt(f5));
  EXPECT_EQ(macKeyEventFromQt(f5)->keyCode, kVK_F5);
  EXPECT_EQ(macKeyEventFromQt(f5)->modifierFlags,
            kEventFlagOption | kEventFlagControl | kEventFlagFunction);

  const QKeyEvent pad = keyEvent(QEvent::KeyPress, KEY_KP3, Qt::Key_3, Qt::KeypadModifier);
  EXPECT_EQ(macKeyEventFromQt(pad)->modifierFlags, kEventFlagNumericPad);
}

TEST_F(QtKeyEvents, ModifierKeysAndUnknownKeysGiveNothing) {
  for (int evdev : {KEY_LEFTSHIFT, KEY_RIGHTMETA, KEY_CAPSLOCK, KEY_RIGHTALT, KEY_LEFTCTRL}) {
    EXPECT_FALSE(macKeyEventFromQt(keyEvent(QEvent::KeyPress, evdev, Qt::Key_Shift))) << evdev;
  }
  const QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);  // no scan code
  EXPECT_FALSE(macKeyEventFromQt(synthetic));
  EXPECT_FALSE(macKeyEventFromQt(keyEvent(QEvent::KeyPress, KEY_POWER, Qt::Key_PowerOff)));
}

class Broadcaster : public ::testing::Test {
 protected:
  void press(int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers = {}, bool repeat = false) {
    QKeyEvent down = keyEvent(QEvent::KeyPress, evdev, key, modifiers, repeat);
    QApplication::sendEvent(&button, &down);
    QKeyEvent up = keyEvent(QEvent::KeyRelease, evdev, key, modifiers);
    QApplication::sendEvent(&button, &up);
  }
  test::WithApplication application;
  RecordingReceiver receiver;
  HVKeyBroadcaster button;
};

TEST_F(Broadcaster, KeyPressGoesToTheReceiverWithNoDelay) {
  press(KEY_A, Qt::Key_A, Qt::MetaModifier | Qt::ShiftModifier);
  press(KEY_LEFT, Qt::Key_Left);
  press(KEY_KP1, Qt::Key_1, Qt::KeypadModifier | Qt::ControlModifier);
  ASSERT_EQ(receiver.combos.size(), 3u);
  EXPECT_EQ(receiver.combos[0].keyCode(), kVK_ANSI_A);
  EXPECT_EQ(receiver.combos[0].modifiers(), 0x0300);
  EXPECT_EQ(receiver.combos[0].delay(), 0);
  EXPECT_EQ(receiver.combos[1].keyCode(), kVK_LeftArrow);
  EXPECT_EQ(receiver.combos[1].modifiers(), 0x8000);
  EXPECT_EQ(receiver.combos[2].keyCode(), kVK_ANSI_Keypad1);
  EXPECT_EQ(receiver.combos[2].modifiers(), 0x1000);
}

TEST_F(Broadcaster, ModifiersAloneAndRepeatsGiveNothing) {
  press(KEY_LEFTSHIFT, Qt::Key_Shift, Qt::ShiftModifier);
  press(KEY_LEFTMETA, Qt::Key_Meta, Qt::MetaModifier);
  press(KEY_CAPSLOCK, Qt::Key_CapsLock);
  press(KEY_B, Qt::Key_B, {}, /*repeat=*/true);
  EXPECT_TRUE(receiver.combos.empty());
}

TEST_F(Broadcaster, CapturedKeysNeverClickTheButton) {
  QSignalSpy clicked(&button, &QAbstractButton::clicked);
  press(KEY_SPACE, Qt::Key_Space);
  press(KEY_ENTER, Qt::Key_Return);
  EXPECT_EQ(clicked.count(), 0);
  ASSERT_EQ(receiver.combos.size(), 2u);
  EXPECT_EQ(receiver.combos[0].keyCode(), kVK_Space);
  EXPECT_EQ(receiver.combos[1].keyCode(), kVK_Return);
}

TEST_F(Broadcaster, NothingHappensWithoutReceiver) {
  KeyComboReceiver::setShared(nullptr);
  press(KEY_A, Qt::Key_A);
  EXPECT_TRUE(receiver.combos.empty());
  EXPECT_FALSE(button.performKeyEquivalent(nullptr));
}

// The button in a window with another focusable field and a window shortcut on Ctrl+S.
class BroadcasterInWindow : public Broadcaster {
 protected:
  BroadcasterInWindow() {
    auto* layout = new QVBoxLayout(&window);
    capture = new HVKeyBroadcaster;
    layout->addWidget(capture);
    layout->addWidget(new QLineEdit);
    shortcut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+S")), &window);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    capture->setFocus();
  }
  QWidget window;
  HVKeyBroadcaster* capture;
  QShortcut* shortcut;
};

TEST_F(BroadcasterInWindow, TabIsRecordedAndKeepsTheFocus) {
  ASSERT_EQ(QApplication::focusWidget(), capture);
  QKeyEvent tab = keyEvent(QEvent::KeyPress, KEY_TAB, Qt::Key_Tab);
  QApplication::sendEvent(capture, &tab);
  QKeyEvent backtab = keyEvent(QEvent::KeyPress, KEY_TAB, Qt::Key_Backtab, Qt::ShiftModifier);
  QApplication::sendEvent(capture, &backtab);
  EXPECT_EQ(QApplication::focusWidget(), capture);
  ASSERT_EQ(receiver.combos.size(), 2u);
  EXPECT_EQ(receiver.combos[1], HVKeyCombo(kVK_Tab, 0x0200, 0));
}

TEST_F(BroadcasterInWindow, ShortcutsAreConsumedOnlyWhileRecordingAMacro) {
  QSignalSpy activated(shortcut, &QShortcut::activated);
  QTest::keyClick(capture, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(activated.count(), 0);

  receiver.recording = false;
  QTest::keyClick(capture, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(activated.count(), 1);
}

}  // namespace
}  // namespace halvane
