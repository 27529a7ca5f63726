// What a screen reader says for a macro key: the sentence from the key's record, with the key
// combinations spoken from the key-name table and the pauses in the locale's numbers.
#include "HalvanePrefPanel/controller/MacroKeySpeech.h"
#include "HalvanePrefPanel/controller/MacroStepDescription.h"
#include "tests/HalvanePrefPanel/HotKeysLib3/KeyComboTestSupport.h"

#include "platform/input/keyboardlayout/FakeKeyboardLayoutServices.h"
#include "platform/input/keycodes/MacKeyCodes.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

namespace halvane::test {
namespace {

struct Step {
  int keyCode, modifiers, delay;
};

PlistValue macro(std::initializer_list<Step> steps, const char* playMode = nullptr) {
  PlistValue combo = PlistValue::dictionary();
  for (int n = 0; n < 8; ++n) {
    const Step step = n < int(steps.size()) ? steps.begin()[n] : Step{-1, -1, 0};
    combo.set(QStringLiteral("keyCode%1").arg(n), step.keyCode);
    combo.set(QStringLiteral("modifiers%1").arg(n), step.modifiers);
    combo.set(QStringLiteral("delay%1").arg(n), step.delay);
  }
  PlistValue key = PlistValue::dictionary();
  key.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
  key.set(QStringLiteral("KeyCombo"), combo);
  if (playMode) key.set(QStringLiteral("PlayMode"), QString::fromLatin1(playMode));
  return key;
}

PlistValue action(const char* type, const char* field, const PlistValue& value) {
  PlistValue key = PlistValue::dictionary();
  key.set(QStringLiteral("ActionType"), QString::fromLatin1(type));
  key.set(QString::fromLatin1(field), value);
  return key;
}

class MacroKeySpeechTest : public ::testing::Test {
 protected:
  MacroKeySpeechTest() {
    QLocale::setDefault(QLocale::c());
    layouts.addLayout(
        QStringLiteral("us"),
        {{KEY_A, QStringLiteral("a")}, {KEY_C, QStringLiteral("c")}, {KEY_V, QStringLiteral("v")}});
    layouts.setCurrentLayout(QStringLiteral("us"));
    profiles = PlistValue::array();
    for (const char* name : {"Everyday", "Games", ""}) {
      PlistValue profile = PlistValue::dictionary();
      profile.set(QStringLiteral("Name"), QString::fromUtf8(name));
      profiles.append(profile);
    }
  }
  QString say(const PlistValue& key) {
    return MacroKeySpeech::sentence(QStringLiteral("L2"), key, profiles, [](const QString& path) {
      return path == QLatin1String("/apps/editor.desktop") ? QStringLiteral("Text Editor")
                                                           : QString();
    });
  }

  FakeKeyboardLayoutServices layouts;
  ScopedLayoutServices useLayouts{layouts};
  ScopedKeyCodesTable table{shippedKeyCodes()};
  PlistValue profiles;
};

TEST_F(MacroKeySpeechTest, SaysTheKeyAndWhatItDoes) {
  const int control = 0x1000, command = 0x0100, shift = 0x0200, option = 0x0800;
  const struct {
    PlistValue key;
    const char* sentence;
  } cases[] = {
      {macro({{kVK_ANSI_C, control, 500}, {kVK_ANSI_V, control, 0}}),
       "L2: types Control+C, waits 0.5 seconds, types Control+V"},
      // Modifiers in the order of the display's glyphs, each named as its key is.
      {macro({{kVK_ANSI_A, shift | command | option | control, 1500}}),
       "L2: types Command+Option+Control+Shift+A, waits 1.5 seconds"},
      // Keys without a character (media and named keys) by their names from the table.
      {macro({{kVK_VolumeUp, 0, 50}, {kVK_Mute, 0, 0}, {kVK_Return, option, 6350}}),
       "L2: types Volume Up, waits 0.05 seconds, types Mute, types Option+Return, waits 6.35 "
       "seconds"},
      // A step without a key code does not play, so it is not said.
      {macro({{-1, -1, 0}, {kVK_ANSI_C, 0, 0}}), "L2: types C"},
      {macro({{kVK_ANSI_V, control, 1000}}, "WhileHeld"),
       "L2: types Control+V, waits 1.0 seconds, repeats while the key is held"},
      {macro({{kVK_ANSI_V, control, 0}}, "Toggle"),
       "L2: types Control+V, repeats until the key is pressed again"},
      {macro({}), "L2: nothing assigned"},
      {action("LaunchApp", "LaunchAppURL", QStringLiteral("/apps/editor.desktop")),
       "L2: opens Text Editor"},
      {action("LaunchApp", "LaunchAppURL", QStringLiteral("/gone/Old Tool.desktop")),
       "L2: opens Old Tool, which cannot be found"},
      {action("LaunchApp", "LaunchAppURL", QString()), "L2: nothing assigned"},
      {action("SelectProfile", "SelectProfile", 1), "L2: switches to the profile “Games”"},
      {action("SelectProfile", "SelectProfile", 2), "L2: switches to profile 3"},
      {action("", "SelectProfile", 1), "L2: nothing assigned"},
      {PlistValue::dictionary(), "L2: nothing assigned"},
  };
  for (const auto& [key, sentence] : cases) EXPECT_EQ(say(key), QString::fromUtf8(sentence));
}

TEST_F(MacroKeySpeechTest, StepsOfEveryKindAreSaidAndLabelled) {
  using settings::ButtonAction;
  using settings::MacroStep;
  using settings::MouseButton;
  using settings::WheelDirection;
  const QString longText = QString(100, u'a') + QStringLiteral("bcdefghijklmnop");
  const struct {
    MacroStep step;
    const char* said;
    const char* label;  // inside the parentheses of the key's label
  } cases[] = {
      {MacroStep::key(kVK_ANSI_C, 0x1000, 200), "types Control+C, waits 0.2 seconds", nullptr},
      {MacroStep::typing(QStringLiteral("hello@example.org"), 200),
       "types “hello@example.org”, waits 0.2 seconds", "“hello@exampl…”+200ms"},
      {MacroStep::typing(QStringLiteral("hi")), "types “hi”", "“hi”"},
      {MacroStep::typing(QStringLiteral("line\nnext")), "types “line\nnext”", "“line next”"},
      {MacroStep::typing(longText),
       "types “"
       "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
       "…”",
       "“aaaaaaaaaaaa…”"},
      // Not cut between the halves of a character outside the first plane.
      {MacroStep::typing(QStringLiteral("12345678901🎹x")), "types “12345678901🎹x”",
       "“12345678901…”"},
      // Nor is the spoken text.
      {MacroStep::typing(QString(79, u'a') + QStringLiteral("🎹")),
       "types “"
       "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
       "…”",
       "“aaaaaaaaaaaa…”"},
      {MacroStep::mouseButton(MouseButton::Middle, ButtonAction::Click, 50),
       "clicks the middle button, waits 0.05 seconds", "Click Middle+50ms"},
      {MacroStep::mouseButton(MouseButton::Left, ButtonAction::Press), "presses the left button",
       "Press Left"},
      {MacroStep::mouseButton(MouseButton::Right, ButtonAction::Release),
       "releases the right button", "Release Right"},
      {MacroStep::mouseButton(MouseButton::Back, ButtonAction::Click), "clicks the back button",
       "Click Back"},
      {MacroStep::mouseButton(MouseButton::Forward, ButtonAction::Click),
       "clicks the forward button", "Click Forward"},
      {MacroStep::scroll(WheelDirection::Down, 3), "scrolls down 3 notches", "Wheel ↓3"},
      {MacroStep::scroll(WheelDirection::Up, 4, 1000), "scrolls up 4 notches, waits 1.0 seconds",
       "Wheel ↑4+1000ms"},
      {MacroStep::scroll(WheelDirection::Left, 20), "scrolls left 20 notches", "Wheel ←20"},
      {MacroStep::scroll(WheelDirection::Right, 2), "scrolls right 2 notches", "Wheel →2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MacroKeySpeech::step(c.step), QString::fromUtf8(c.said));
    const QString label =
        c.label ? QString::fromUtf8(c.label)
                : HVKeyCombo(c.step.keyCode, c.step.modifiers, int(c.step.delay)).description();
    EXPECT_EQ(macroStepDescription(c.step), label) << c.said;
  }

  // In a key's sentence, after the steps of any kind, the play mode.
  PlistValue key = macro({});
  PlistValue combo = key[QStringLiteral("KeyCombo")];
  settings::writeMacroSteps(
      combo, {MacroStep::typing(QStringLiteral("hello@example.org"), 200),
              MacroStep::mouseButton(MouseButton::Middle, ButtonAction::Click),
              MacroStep::key(kVK_ANSI_V, 0x1000), MacroStep::scroll(WheelDirection::Down, 3)});
  key.set(QStringLiteral("PlayMode"), QStringLiteral("Toggle"));
  EXPECT_EQ(say(key), QStringLiteral("L2: types “hello@example.org”, waits 0.2 seconds, clicks the "
                                     "middle button, types Control+V, scrolls down 3 notches, "
                                     "repeats until the key is pressed again"));
}

TEST_F(MacroKeySpeechTest, PausesAreSecondsWithDecimalsInTheLocalesNumbers) {
  EXPECT_EQ(MacroKeySpeech::pause(100), QStringLiteral("waits 0.1 seconds"));
  EXPECT_EQ(MacroKeySpeech::pause(1000), QStringLiteral("waits 1.0 seconds"));
  EXPECT_EQ(MacroKeySpeech::pause(2000), QStringLiteral("waits 2.0 seconds"));

  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const QString german = MacroKeySpeech::pause(1250);
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(german, QStringLiteral("waits 1,25 seconds"));
}

TEST_F(MacroKeySpeechTest, CombinationsAreSpokenWithoutGlyphs) {
  EXPECT_EQ(HVKeyCombo(kVK_ANSI_C, 0x1200, 300).spokenDescription(),
            QStringLiteral("Control+Shift+C"));
  EXPECT_EQ(HVKeyCombo(kVK_F5, 0x8000, 0).spokenDescription(), QStringLiteral("F5"));
  EXPECT_EQ(HVKeyCombo(kVK_Escape, 0, 0).spokenDescription(), QStringLiteral("Escape"));
  EXPECT_EQ(HVKeyCombo().spokenDescription(), HVKeyCombo().description());
}

}  // namespace
}  // namespace halvane::test
