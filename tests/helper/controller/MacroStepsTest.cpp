// Macros with steps of every kind: texts typed through the typist at its pace, mouse buttons and
// wheel notches, each step followed by its pause; the play modes with them; and every way a
// macro is stopped in the middle of a text with a button down.

#include "tests/helper/controller/ControllerRig.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>

namespace halvane::test {
namespace {

using settings::ButtonAction;
using settings::MacroStep;
using settings::MouseButton;
using settings::PlayMode;
using settings::WheelDirection;

// L1 (macro key 0) of profile 0 plays `steps`; profile 3 is bound to /usr/bin/app3.
struct StepsRig : ControllerRig {
  explicit StepsRig(const QList<MacroStep>& steps, std::optional<PlayMode> mode = std::nullopt) {
    PlistValue tree = defaultSettings();
    setMacroSteps(tree, 0, 0, steps);
    if (mode) macroKey(tree, 0, 0).set(settings::kPlayModeKey, settings::playModeName(*mode));
    profile(tree, 3).set(QStringLiteral("ApplicationPath"), QStringLiteral("/usr/bin/app3"));
    profile(tree, 3).set(QStringLiteral("AutoSwitching"), true);
    load(tree);
    controller->installApplicationSwitchHandler();
    controller->InitKeyboard();
    keyboard1 = attach();
    keyboard2 = attach(keyboard::kSecondProductID);
    take();
  }
  void send(ServiceId service, std::initializer_list<std::uint8_t> codes) {
    ASSERT_TRUE(devices.sendReport(service, keys(0, codes)));
  }
  QStringList happened() {
    QStringList lines = takeFolded();
    lines.removeIf([](const QString& line) {
      return line.startsWith(u"driver ") || line.startsWith(u"overlay ");
    });
    return lines;
  }
  ServiceId keyboard1 = 0, keyboard2 = 0;
};

// "type a", "type b", ... for each character of text.
QStringList typed(const QString& text) {
  QStringList lines;
  for (const char32_t c : text.toUcs4())
    lines << QStringLiteral("type ") + QString::fromUcs4(&c, 1);
  return lines;
}

// The log line naming the characters a text step left out (the English catalogue's plural).
QString skippedLine(const QString& characters, int count) {
  return QStringLiteral("log A text step left out %1 %2 this desktop cannot type: %3")
      .arg(count)
      .arg(count == 1 ? u"character" : u"characters")
      .arg(characters);
}

struct OrderCase {
  const char* name;
  QList<MacroStep> steps;
  QString untypable;
  double gap;
  QStringList played;  // the whole macro, its pauses run out at once
};

TEST(MacroSteps, PlayInOrderEachFollowedByItsPause) {
  const QString long40 = QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzABCD");
  const std::vector<OrderCase> cases = {
      {"a key, a text, a click and the wheel",
       {MacroStep::key(1, 0, 100), MacroStep::typing(QStringLiteral("hé"), 250),
        MacroStep::mouseButton(MouseButton::Middle, ButtonAction::Click),
        MacroStep::scroll(WheelDirection::Down, 3, 500)},
       {},
       0,
       QStringList{"[1v 1^]", "sleep 0.1", "text begin"} + typed(QStringLiteral("hé")) +
           QStringList{"text end", "sleep 0.25", "button Middle down", "button Middle up",
                       "wheel Down 3", "sleep 0.5"}},
      {"a drag: press, wheel, release; nothing left to let go at the end",
       {MacroStep::mouseButton(MouseButton::Left, ButtonAction::Press, 20),
        MacroStep::scroll(WheelDirection::Right, 20),
        MacroStep::mouseButton(MouseButton::Left, ButtonAction::Release)},
       {},
       0,
       {"button Left down", "sleep 0.02", "wheel Right 20", "button Left up"}},
      {"a press without its release is let go at the macro's end",
       {MacroStep::mouseButton(MouseButton::Back, ButtonAction::Press),
        MacroStep::mouseButton(MouseButton::Forward, ButtonAction::Press), MacroStep::key(2, 0)},
       {},
       0,
       {"button Back down", "button Forward down", "[2v 2^]", "button Forward up",
        "button Back up"}},
      {"a release alone lets go of what the user holds",
       {MacroStep::mouseButton(MouseButton::Right, ButtonAction::Release)},
       {},
       0,
       {"button Right up"}},
      {"characters beyond 16 bits are one character each",
       {MacroStep::typing(QStringLiteral("a\U0001F600b\U00020BB7"))},
       {},
       0,
       QStringList{"text begin"} + typed(QStringLiteral("a\U0001F600b\U00020BB7")) +
           QStringList{"text end"}},
      {"characters the desktop cannot type are left out and named once",
       {MacroStep::typing(QStringLiteral("a€b✓€")), MacroStep::key(3, 0)},
       QStringLiteral("€✓"),
       0,
       QStringList{"text begin"} + typed(QStringLiteral("a€b✓€")) +
           QStringList{"text end", skippedLine(QStringLiteral("€ ✓"), 2), "[3v 3^]"}},
      {"an empty text types nothing and keeps its pause",
       {MacroStep::typing(QString(), 40), MacroStep::key(4, 0)},
       {},
       0,
       {"text begin", "text end", "sleep 0.04", "[4v 4^]"}},
      {"a typist's gap between characters, none after the last",
       {MacroStep::typing(QStringLiteral("abc"), 10)},
       {},
       0.005,
       {"text begin", "type a", "sleep 0.005", "type b", "sleep 0.005", "type c", "text end",
        "sleep 0.01"}},
      {"without a gap, a turn of the loop every 16 characters",
       {MacroStep::typing(long40)},
       {},
       0,
       QStringList{"text begin"} + typed(long40.left(16)) + QStringList{"sleep 0"} +
           typed(long40.mid(16, 16)) + QStringList{"sleep 0"} + typed(long40.mid(32)) +
           QStringList{"text end"}},
  };
  for (const OrderCase& c : cases) {
    StepsRig rig(c.steps);
    rig.typist.untypable = c.untypable;
    rig.typist.gap = c.gap;
    rig.send(rig.keyboard1, {0xF1});
    EXPECT_EQ(rig.happened(), c.played) << c.name;
    EXPECT_FALSE(rig.controller->isPlayingMacro()) << c.name;
    EXPECT_TRUE(rig.controller->heldButtons().heldButtons().empty()) << c.name;
  }
}

TEST(MacroSteps, AThousandCharacterTextLetsTheLoopTurnBetweenBatches) {
  QString text;
  for (int i = 0; i < settings::kMaxTextLength; ++i) text += QChar(u'a' + i % 26);
  StepsRig rig({MacroStep::typing(text)});
  rig.sleeper.holdPauses = true;
  rig.send(rig.keyboard1, {0xF1});
  int turns = 0;
  while (rig.sleeper.runPending()) ++turns;
  const QStringList lines = rig.happened();
  EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^type "))).size(), text.size());
  EXPECT_EQ(turns, (text.size() - 1) / MacroPlayer::kCharactersPerTurn);
  EXPECT_EQ(lines.last(), QStringLiteral("text end"));
}

// Reports sent at each pause of the macro, and what the whole play shows.
struct ModeCase {
  const char* name;
  PlayMode mode;
  std::vector<std::vector<std::vector<std::uint8_t>>> atPauses;
  int runs;
};

TEST(MacroSteps, PlayModesRepeatEveryKindAndLetGoOfButtonsOnlyAtTheEnd) {
  using R = std::vector<std::vector<std::uint8_t>>;
  const R release{keys(0, {})}, pressL1{keys(0, {0xF1})};
  // Each run pauses after its text (gap 0.01 between its two characters), after its press and
  // after its wheel; the repeat comes straight after the last pause.
  const std::vector<ModeCase> cases = {
      {"WhileHeld: released in the first run", PlayMode::WhileHeld, {{}, release}, 1},
      {"WhileHeld: held for two runs", PlayMode::WhileHeld, {{}, {}, {}, {}, {}, release}, 2},
      {"Toggle: pressed again in the second run",
       PlayMode::Toggle,
       {release, {}, {}, {}, {}, pressL1},
       2},
      {"Once: a release changes nothing", PlayMode::Once, {release}, 1},
  };
  for (const ModeCase& c : cases) {
    StepsRig rig({MacroStep::typing(QStringLiteral("x€"), 30),
                  MacroStep::mouseButton(MouseButton::Left, ButtonAction::Press, 30),
                  MacroStep::scroll(WheelDirection::Up, 2, 30)},
                 c.mode);
    rig.typist.untypable = QStringLiteral("€");
    rig.typist.gap = 0.01;
    rig.sleeper.holdPauses = true;
    rig.send(rig.keyboard1, {0xF1});
    int pauses = 0;
    while (rig.sleeper.hasPending() && pauses < 60) {
      if (size_t(pauses) < c.atPauses.size())
        for (const std::vector<std::uint8_t>& report : c.atPauses[size_t(pauses)])
          rig.devices.sendReport(rig.keyboard1, report);
      rig.sleeper.runPending();
      ++pauses;
    }
    const QStringList lines = rig.happened();
    EXPECT_FALSE(rig.controller->isPlayingMacro()) << c.name;
    EXPECT_EQ(lines.filter(QStringLiteral("text begin")).size(), c.runs) << c.name;
    EXPECT_EQ(lines.filter(QStringLiteral("wheel Up 2")).size(), c.runs) << c.name;
    EXPECT_EQ(lines.filter(QStringLiteral("log A text step")).size(), 1)
        << c.name << ": the skipped characters are named once per play";
    EXPECT_EQ(lines.filter(QStringLiteral("button Left up")).size(), 1) << c.name;
    EXPECT_EQ(lines.last(), QStringLiteral("button Left up")) << c.name << ": let go at the end";
  }
}

struct StopCase {
  const char* name;
  std::function<void(StepsRig&)> stop;
  QString reason;
};

TEST(MacroSteps, AStopInATextWithAButtonDownEndsTheTextAndLetsGoOfEverything) {
  const std::vector<StopCase> cases = {
      {"Escape", [](StepsRig& r) { r.send(r.keyboard2, {0x29}); }, "cancelled with Escape"},
      {"quitting", [](StepsRig& r) { r.controller->applicationWillTerminate(); },
       "the helper quits"},
      {"suspend", [](StepsRig& r) { r.controller->stopMacro(MacroPlayer::StopReason::Sleep); },
       "the system goes to sleep"},
      {"the session goes inactive",
       [](StepsRig& r) { r.controller->stopMacro(MacroPlayer::StopReason::SessionInactive); },
       "the session is no longer active"},
      {"its keyboard unplugged", [](StepsRig& r) { r.devices.detach(r.keyboard1); },
       "the keyboard was unplugged"},
  };
  for (const StopCase& c : cases) {
    // A key held down with its modifier around the text would show in the held keys.
    StepsRig rig({MacroStep::mouseButton(MouseButton::Right, ButtonAction::Press),
                  MacroStep::typing(QStringLiteral("ab€defgh")), MacroStep::key(7, 0x0200)});
    rig.typist.untypable = QStringLiteral("€");
    rig.typist.gap = 0.01;
    rig.sleeper.holdPauses = true;
    rig.send(rig.keyboard1, {0xF1});
    // Waiting behind the macro: an automatic switch and a second press.
    rig.front.bringToFront(QStringLiteral("/usr/bin/app3"));
    rig.send(rig.keyboard1, {});
    rig.send(rig.keyboard1, {0xF1});
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(rig.sleeper.runPending()) << c.name;
    ASSERT_EQ(rig.happened(),
              QStringList({"button Right down", "text begin", "type a", "sleep 0.01", "type b",
                           "sleep 0.01", "type €", "sleep 0.01", "type d", "sleep 0.01"}))
        << c.name;
    ASSERT_EQ(rig.typist.calls.back(), QStringLiteral("type d")) << c.name;
    c.stop(rig);
    EXPECT_FALSE(rig.controller->isPlayingMacro()) << c.name;
    EXPECT_TRUE(rig.controller->heldKeys().heldKeys().empty()) << c.name;
    EXPECT_TRUE(rig.controller->heldButtons().heldButtons().empty()) << c.name;
    EXPECT_EQ(rig.typist.calls.back(), QStringLiteral("end")) << c.name;
    while (rig.sleeper.runPending()) {
    }
    const QStringList afterStop = rig.happened();
    // The text's end and what it left out, the button, then the reason; the queued switch
    // still runs, the queued second press does not.
    EXPECT_EQ(afterStop.mid(0, 4),
              QStringList({"text end", skippedLine(QStringLiteral("€"), 1), "button Right up",
                           QStringLiteral("log Macro stopped: ") + c.reason}))
        << c.name;
    EXPECT_TRUE(
        afterStop.filter(QRegularExpression(QStringLiteral("^(type|text begin|\\[)"))).isEmpty())
        << c.name << ": nothing more is typed";
    EXPECT_TRUE(afterStop.contains(QStringLiteral("notify 3"))) << c.name;
  }
}

TEST(HeldButtonRecord, LetsGoOfWhatIsDownLastPressedFirstAndKeepsWhatItCouldNotRelease) {
  using B = MouseButton;
  struct Case {
    std::vector<std::pair<B, bool>> posted;
    std::vector<B> released;
  };
  const std::vector<Case> cases = {
      {{}, {}},
      {{{B::Left, true}, {B::Back, true}}, {B::Back, B::Left}},
      {{{B::Left, true}, {B::Middle, true}, {B::Left, false}}, {B::Middle}},
      {{{B::Right, true}, {B::Right, true}}, {B::Right}},  // a repeated press is one button
      {{{B::Forward, false}}, {}},                         // a release alone holds nothing
  };
  for (const Case& c : cases) {
    FakePointerEventPoster poster;
    HeldButtonRecord record(poster);
    for (const auto& [button, down] : c.posted) record.postButton(button, down);
    const size_t before = poster.calls.size();
    record.releaseAll();
    std::vector<B> released;
    for (size_t i = before; i < poster.calls.size(); ++i) {
      EXPECT_FALSE(poster.calls[i].down);
      released.push_back(poster.calls[i].button);
    }
    EXPECT_EQ(released, c.released);
    EXPECT_TRUE(record.heldButtons().empty());
  }

  FakePointerEventPoster poster;
  HeldButtonRecord record(poster);
  ASSERT_TRUE(record.postButton(B::Left, true));
  poster.failing = true;
  EXPECT_FALSE(record.postButton(B::Right, true));
  record.releaseAll();
  EXPECT_EQ(record.heldButtons(), std::vector<B>{B::Left}) << "a refused release is not forgotten";
  poster.failing = false;
  record.releaseAll();
  EXPECT_TRUE(record.heldButtons().empty());
}

}  // namespace
}  // namespace halvane::test
