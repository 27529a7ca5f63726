// Macros played from the loop: what arrives during a macro waits for it in order, play modes,
// and every way a macro is stopped. The pauses are held by the fake sleeper until the test ends
// them, so each case says exactly what happens in which pause.

#include "platform/input/posters/FakeKeyboardEventPoster.h"
#include "platform/input/posters/HeldKeyRecord.h"
#include "tests/helper/controller/ControllerRig.h"

#include <gtest/gtest.h>

#include <functional>

namespace halvane::test {
namespace {

using settings::PlayMode;

// L1 (macro key 0) of profile 0 types key 1, pauses 100 ms, types key 2, pauses 200 ms.
// L2 (macro key 1) types key 9 without a pause.
// Profile 3 is bound to /usr/bin/app3 for automatic switching.
struct MacroRig : ControllerRig {
  explicit MacroRig(std::optional<PlayMode> mode = std::nullopt, bool cancelWithEscape = true) {
    PlistValue tree = defaultSettings();
    setMacro(tree, 0, 0, {{1, 0, 100}, {2, 0, 200}});
    setMacro(tree, 0, 1, {{9, 0, 0}});
    if (mode) macroKey(tree, 0, 0).set(settings::kPlayModeKey, settings::playModeName(*mode));
    if (!cancelWithEscape) tree.set(settings::kCancelMacroWithEscapeKey, false);
    profile(tree, 3).set(QStringLiteral("ApplicationPath"), QStringLiteral("/usr/bin/app3"));
    profile(tree, 3).set(QStringLiteral("AutoSwitching"), true);
    sleeper.holdPauses = true;
    load(tree);
    controller->installApplicationSwitchHandler();
    controller->InitKeyboard();
    keyboard1 = attach();
    media = attach(keyboard::kFirstProductID, true);
    keyboard2 = attach(keyboard::kSecondProductID);
    take();
  }

  void send(ServiceId service, std::initializer_list<std::uint8_t> codes,
            std::uint8_t modifiers = 0) {
    ASSERT_TRUE(devices.sendReport(service, keys(modifiers, codes)));
  }
  // What happened, keys folded into combinations, without the driver settings of a switch.
  QStringList happened() {
    QStringList lines = takeFolded();
    lines.removeIf([](const QString& line) {
      return line.startsWith(u"driver ") || line.startsWith(u"overlay ");
    });
    return lines;
  }

  ServiceId keyboard1 = 0, media = 0, keyboard2 = 0;
};

// Something that arrives while a macro plays.
using Arrival = std::function<void(MacroRig&)>;
Arrival press(std::initializer_list<std::uint8_t> codes) {
  return [report = keys(0, codes)](MacroRig& rig) {
    ASSERT_TRUE(rig.devices.sendReport(rig.keyboard1, report));
  };
}
const Arrival kRelease = press({});
Arrival paneSelects(int profile) {
  return [profile](MacroRig& rig) { rig.controller->setCurrentProfile(profile); };
}
Arrival frontBecomes(const char* path) {
  return [path](MacroRig& rig) { rig.front.bringToFront(QString::fromLatin1(path)); };
}
Arrival mediaKey(std::uint8_t code) {
  return [code](MacroRig& rig) { ASSERT_TRUE(rig.devices.sendReport(rig.media, {0, code, 0})); };
}

struct OrderCase {
  const char* name;
  std::vector<Arrival> duringFirstPause;
  QStringList afterTheMacro;
  int profileAfter;
};

TEST(MacroOrder, WhatArrivesDuringAMacroIsHandledAfterItInArrivalOrder) {
  const std::vector<OrderCase> cases = {
      {"nothing", {}, {}, 0},
      {"a second press is a second run",
       {kRelease, press({0xF1}), kRelease},
       {"[1v 1^]", "sleep 0.1", "[2v 2^]", "sleep 0.2"},
       0},
      // L2 plays only if the pane's switch back to profile 0 comes after the key's switch.
      {"a profile key, then the pane, then another macro key",
       {kRelease, press({0x3C, 0xFB}), kRelease, paneSelects(0), press({0xF2})},
       {"notify 2", "[9v 9^]"},
       0},
      {"the pane, then the front application, then a media key",
       {paneSelects(1), frontBecomes("/usr/bin/app3"), mediaKey(0xF1)},
       {"notify 3", "script Play/iTunes"},
       3},
      {"the pane's switch does not overtake a key's switch",
       {kRelease, press({0x3D, 0xFB}), kRelease, press({0x3E, 0xFB}), paneSelects(6)},
       {"notify 3", "notify 4"},
       6},
  };
  for (const OrderCase& c : cases) {
    MacroRig rig;
    rig.send(rig.keyboard1, {0xF1});
    ASSERT_EQ(rig.happened(), QStringList({"[1v 1^]", "sleep 0.1"})) << c.name;
    for (const Arrival& arrive : c.duringFirstPause) arrive(rig);
    EXPECT_EQ(rig.happened(), QStringList()) << c.name << ": nothing happens during the pause";
    EXPECT_EQ(rig.controller->getCurrentProfile(), 0) << c.name << ": the pane is answered";
    ASSERT_TRUE(rig.sleeper.runPending());
    ASSERT_EQ(rig.happened().mid(0, 2), QStringList({"[2v 2^]", "sleep 0.2"})) << c.name;
    while (rig.sleeper.runPending()) {
    }
    EXPECT_EQ(rig.happened(), c.afterTheMacro) << c.name;
    EXPECT_EQ(rig.controller->getCurrentProfile(), c.profileAfter) << c.name;
    EXPECT_FALSE(rig.controller->isPlayingMacro()) << c.name;
  }
}

TEST(MacroOrder, WithoutHeldPausesAMacroStillPlaysInOneCall) {
  // A repeating mode too: with no turn of the loop its key cannot be seen released.
  for (const std::optional<PlayMode> mode :
       {std::optional<PlayMode>(), std::optional(PlayMode::Toggle)}) {
    MacroRig rig(mode);
    rig.sleeper.holdPauses = false;
    rig.send(rig.keyboard1, {0xF1});
    QStringList once{"[1v 1^]", "sleep 0.1", "[2v 2^]", "sleep 0.2"};
    if (mode) once << "sleep 0";
    EXPECT_EQ(rig.happened(), once);
    EXPECT_FALSE(rig.controller->isPlayingMacro());
  }
}

// A play mode case: the keyboard's reports, one per pause of L1, and the runs that result.
struct ModeCase {
  const char* name;
  std::optional<PlayMode> mode;
  // Reports sent on keyboard 1 at each pause, in order (none at a pause left empty).
  std::vector<std::vector<std::vector<std::uint8_t>>> atPauses;
  int runs;
};

TEST(PlayModes, RunsFollowTheMacroKey) {
  using R = std::vector<std::vector<std::uint8_t>>;
  const R release{keys(0, {})}, held{keys(0, {0xF1, 0x04})},
      pressAgain{keys(0, {}), keys(0, {0xF1})}, pressL1{keys(0, {0xF1})};
  const std::vector<ModeCase> cases = {
      {"no entry: once, released at once", std::nullopt, {release}, 1},
      {"Once: the release changes nothing", PlayMode::Once, {{}, {}, release}, 1},
      {"WhileHeld: released in the first run", PlayMode::WhileHeld, {release}, 1},
      // Each run pauses three times: after each key, and before the next run.
      {"WhileHeld: held for three runs",
       PlayMode::WhileHeld,
       {{}, {}, held, {}, {}, {}, release},
       3},
      {"WhileHeld: released in the second run's last pause",
       PlayMode::WhileHeld,
       {{}, {}, {}, {}, release},
       2},
      {"WhileHeld: released between runs", PlayMode::WhileHeld, {{}, {}, release}, 1},
      {"Toggle: the release does not stop it; the next press does",
       PlayMode::Toggle,
       {release, {}, {}, {}, pressL1},
       2},
      {"Toggle: pressed again in the first pause", PlayMode::Toggle, {pressAgain}, 1},
  };
  for (const ModeCase& c : cases) {
    MacroRig rig(c.mode);
    rig.send(rig.keyboard1, {0xF1});
    int pauses = 0;
    while (rig.sleeper.hasPending() && pauses < 40) {
      if (size_t(pauses) < c.atPauses.size())
        for (const std::vector<std::uint8_t>& report : c.atPauses[size_t(pauses)])
          rig.devices.sendReport(rig.keyboard1, report);
      rig.sleeper.runPending();
      ++pauses;
    }
    EXPECT_FALSE(rig.controller->isPlayingMacro()) << c.name;
    EXPECT_EQ(rig.happened().filter(QStringLiteral("[1v 1^]")).size(), c.runs) << c.name;
  }
}

TEST(PlayModes, ARepeatingMacroWithoutPausesWaitsForTheLoopBetweenRuns) {
  MacroRig rig;
  PlistValue tree = ControllerRig::defaultSettings();
  ControllerRig::setMacro(tree, 0, 0, {{5, 0, 0}});
  ControllerRig::macroKey(tree, 0, 0).set(settings::kPlayModeKey, QStringLiteral("WhileHeld"));
  rig.load(tree);
  rig.send(rig.keyboard1, {0xF1});
  EXPECT_EQ(rig.happened(), QStringList({"[5v 5^]", "sleep 0.03"}));
  rig.send(rig.keyboard1, {});
  ASSERT_TRUE(rig.sleeper.runPending());
  EXPECT_EQ(rig.happened(), QStringList()) << "released between runs: no further run";
  EXPECT_FALSE(rig.controller->isPlayingMacro());
}

// How a macro is stopped half-way, and what becomes of what waited for it.
struct StopCase {
  const char* name;
  std::function<void(MacroRig&)> stop;
  bool stopped;
  QStringList afterwards;  // once every pause has run out
};

TEST(MacroStop, StoppedMacrosLeaveNoKeyAndDropTheWaitingInput) {
  const std::vector<StopCase> cases = {
      {"Escape on the keyboard",
       [](MacroRig& r) {
         r.send(r.keyboard1, {0xF1, 0x29});
       },
       true,
       {"log Macro stopped: cancelled with Escape", "notify 3"}},
      {"Escape on the other keyboard",
       [](MacroRig& r) { r.send(r.keyboard2, {0x29}); },
       true,
       {"log Macro stopped: cancelled with Escape", "notify 3"}},
      {"suspend",
       [](MacroRig& r) { r.controller->stopMacro(MacroPlayer::StopReason::Sleep); },
       true,
       {"log Macro stopped: the system goes to sleep", "notify 3"}},
      {"the session goes inactive",
       [](MacroRig& r) { r.controller->stopMacro(MacroPlayer::StopReason::SessionInactive); },
       true,
       {"log Macro stopped: the session is no longer active", "notify 3"}},
      {"its keyboard unplugged",
       [](MacroRig& r) { r.devices.detach(r.keyboard1); },
       true,
       {"log Macro stopped: the keyboard was unplugged", "notify 3"}},
      // The second press plays profile 3's L1, which has no macro.
      {"another keyboard unplugged",
       [](MacroRig& r) { r.devices.detach(r.keyboard2); },
       false,
       {"[2v 2^]", "sleep 0.2", "notify 3"}},
  };
  for (const StopCase& c : cases) {
    MacroRig rig;
    rig.send(rig.keyboard1, {0xF1});
    // Waiting behind the macro: an automatic switch and a second press.
    rig.front.bringToFront(QStringLiteral("/usr/bin/app3"));
    rig.send(rig.keyboard1, {});
    rig.send(rig.keyboard1, {0xF1});
    rig.happened();
    c.stop(rig);
    EXPECT_EQ(rig.controller->isPlayingMacro(), !c.stopped) << c.name;
    EXPECT_TRUE(rig.controller->heldKeys().heldKeys().empty()) << c.name;
    while (rig.sleeper.runPending()) {
    }
    EXPECT_EQ(rig.happened(), c.afterwards) << c.name;
    EXPECT_EQ(rig.controller->getCurrentProfile(), 3) << c.name;
  }
}

TEST(MacroStop, EscapeIsAnOrdinaryKeyWhenTheSettingIsOff) {
  MacroRig rig(std::nullopt, false);
  rig.send(rig.keyboard1, {0xF1});
  rig.send(rig.keyboard1, {0x29});
  EXPECT_TRUE(rig.controller->isPlayingMacro());
  while (rig.sleeper.runPending()) {
  }
  EXPECT_EQ(rig.happened(), QStringList({"[1v 1^]", "sleep 0.1", "[2v 2^]", "sleep 0.2"}));
}

TEST(HeldKeyRecord, ReleasesWhatIsDownLastPressedFirst) {
  struct Case {
    std::vector<std::pair<quint16, bool>> posted;
    std::vector<quint16> released;
  };
  const std::vector<Case> cases = {
      {{}, {}},
      {{{56, true}, {55, true}, {4, true}}, {4, 55, 56}},
      {{{56, true}, {4, true}, {4, false}}, {56}},
      {{{4, true}, {4, true}}, {4}},  // a repeated key-down is one key
      {{{4, false}}, {}},             // a key-up alone holds nothing
  };
  for (const Case& c : cases) {
    FakeKeyboardEventPoster poster;
    HeldKeyRecord record(poster);
    for (const auto& [key, down] : c.posted) record.postKeyboardEvent(key, down);
    const size_t before = poster.calls.size();
    record.releaseAll();
    std::vector<quint16> released;
    for (size_t i = before; i < poster.calls.size(); ++i) {
      EXPECT_FALSE(poster.calls[i].flag);
      released.push_back(poster.calls[i].keyCode);
    }
    EXPECT_EQ(released, c.released);
    EXPECT_TRUE(record.heldKeys().empty());
  }
}

TEST(HeldKeyRecord, HoldsOnlyWhatThePosterDeliveredAndKeepsWhatItCouldNotRelease) {
  constexpr quint16 kShift = 56, kA = 0;
  FakeKeyboardEventPoster poster;
  HeldKeyRecord record(poster);
  ASSERT_TRUE(record.postKeyboardEvent(kShift, true));
  poster.failing = true;
  EXPECT_FALSE(record.postKeyboardEvent(kA, true));
  EXPECT_FALSE(record.postKeyboardEvent(kShift, false));
  EXPECT_EQ(record.heldKeys(), std::vector<quint16>{kShift});
  record.releaseAll();
  EXPECT_EQ(record.heldKeys(), std::vector<quint16>{kShift}) << "a refused release is forgotten";

  poster.failing = false;
  record.releaseAll();
  EXPECT_TRUE(record.heldKeys().empty());
  ASSERT_FALSE(poster.calls.empty());
  EXPECT_EQ(poster.calls.back().keyCode, kShift);
  EXPECT_FALSE(poster.calls.back().flag);
}

}  // namespace
}  // namespace halvane::test
