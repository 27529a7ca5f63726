#pragma once

#include "helper/controller/KeyboardRecord.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/PlayMode.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace halvane {

class HeldButtonRecord;
class HeldKeyRecord;
class Sleeper;
class TextTypist;

// Plays recorded macros from the main loop: each step (a key combination, a text, a mouse button
// or wheel notches), then its pause, timed by the Sleeper while the loop serves everything else.
// A text is typed a few characters per turn of the loop (one per turn, with the typist's gap
// between them, where the desktop needs a pause), so that a long text can be stopped half-way.
//
// Why this behaves like playing the whole macro in one blocking call: while a macro plays, every
// piece of work that would have changed what the user sees (a changed keyboard report, a profile
// switch from the pane or from the front application, a reload of the settings) is not done but
// queued, in the order it arrived; when the macro ends the queue runs in that order before
// anything newer. A blocked loop would have delivered the same work in the same order at the
// same moment, only later to the caller: a pane asking for the current profile, the overlay's
// fade, a termination signal. A report that starts a macro from the queue puts the rest back
// behind that macro, so a second press is a second run and a switch after it comes after both.
//
// What a blocked loop could not do is also done here: the macro key's own reports steer the
// play modes, the Escape key cancels, and stop() ends a macro half-way with every key and button
// let go and the text's typing ended.
class MacroPlayer {
 public:
  // Between the runs of a repeating macro without pauses, so that it types at a key repeat's
  // pace rather than flood the desktop.
  static constexpr double kRepeatGap = 0.03;
  // The keyboard's Escape key (usage 0x29 in a keyboard report's key array).
  static constexpr std::uint8_t kEscapeCode = 0x29;
  // Characters of a text typed in one turn of the loop when the typist needs no gap: 1,000
  // characters take some 60 turns, and Escape or a signal waits at most one batch.
  static constexpr int kCharactersPerTurn = 16;

  enum class StopReason { Cancel, Quit, Sleep, SessionInactive, Unplug };

  struct Macro {
    // Read from the settings before the key is pressed: the road from a report to the first key
    // walks no settings tree.
    std::shared_ptr<const settings::MacroSlots> steps;
    settings::PlayMode mode = settings::PlayMode::Once;
    std::uint8_t keyCode = 0;         // the macro key's code in the keyboard's reports
    std::optional<ServiceId> source;  // the keyboard interface it was pressed on, if known
  };

  using PressCombination = std::function<void(int key, int modifiers)>;

  // Where the steps go besides the key combinations, and who hears of characters skipped.
  struct Outputs {
    TextTypist& typist;
    // Every button goes through it, so that none is left down.
    HeldButtonRecord& buttons;
    // Once per text step and play: the characters of the text the typist could not type, each
    // once, in the order met.
    std::function<void(const QString& characters)> skipped;
  };

  // press posts one combination; escapeCancels tells whether Escape cancels right now; stopped
  // hears of each macro stopped before its end, before what waited for it runs.
  MacroPlayer(Sleeper& sleeper, HeldKeyRecord& heldKeys, Outputs outputs, PressCombination press,
              std::function<bool()> escapeCancels, std::function<void(StopReason)> stopped);
  ~MacroPlayer();

  // Plays macro, or queues it behind the one playing.
  void play(Macro macro);
  bool isPlaying() const { return playing_; }
  // Nothing plays and no queued work waits: whenIdle() would run work at once.
  bool isIdle() const { return !playing_ && !draining_; }

  // Runs work now, or queues it when a macro plays (or the queue is being worked off).
  void whenIdle(std::function<void()> work);
  // The same for a changed keyboard report, decoded by decode; a report that belongs to the
  // playing macro (its key held or pressed again, the cancelling Escape) is taken by the player
  // instead and never decoded.
  void whenIdle(ServiceId from, const ReportBuffer& report, quint32 size,
                std::function<void()> decode);

  // Ends the playing macro at once, ends a text being typed and lets go of every held key and
  // button. The keyboard input queued
  // behind it is dropped (it would type into a locked screen or after a cancel); queued requests
  // still run.
  void stop(StopReason why);
  // A keyboard interface went away: its queued reports are dropped, and a macro it started stops.
  void keyboardGone(ServiceId service);

  // Runs completed since play() started the current macro (repeats count).
  int runCount() const { return runs_; }

 private:
  struct Deferred {
    std::optional<ServiceId> from;  // a keyboard report; none: a request
    ReportBuffer report{};
    quint32 size = 0;
    std::function<void()> work;
  };

  void beginRun();
  void advance();
  // Plays a step that is not a key combination; false while it goes on over the loop (a text).
  bool playStep(const settings::MacroStep& step, int slot);
  void beginText(const settings::MacroStep& step, int slot);
  // Types the next characters, and goes on with the next step after the text's end.
  void typeText();
  void endText();
  // The step's pause, then the next step.
  void afterStep(double delaySeconds);
  void runEnded();
  bool repeats() const;
  void finish();
  void drain();
  // Whether a changed report belongs to the playing macro; arriving: straight from the keyboard
  // (the cancel key counts only then).
  bool takes(const Deferred& report, bool arriving);
  void dropReports(std::optional<ServiceId> from);

  Sleeper& sleeper_;
  HeldKeyRecord& heldKeys_;
  Outputs outputs_;
  PressCombination press_;
  std::function<bool()> escapeCancels_;
  std::function<void(StopReason)> stopped_;

  bool playing_ = false;
  bool draining_ = false;
  Macro macro_;
  int step_ = 0;
  int runs_ = 0;
  bool pausedThisRun_ = false;
  bool keyReleased_ = false;   // the macro key was let go since the macro started
  bool stopAtRunEnd_ = false;  // Toggle: pressed again
  bool schedulingRepeat_ = false;
  std::deque<Deferred> deferred_;

  // The text being typed: its code points, the next one, its step's pause and slot.
  struct Typing {
    bool active = false;
    QList<uint> characters;
    qsizetype next = 0;
    double delay = 0;
    int slot = 0;
    QString skipped;
  } text_;
  bool schedulingCharacters_ = false;  // typeText() is handing the sleeper its next turn
  bool charactersResumedInside_ = false;
  unsigned skippedReported_ = 0;  // the slots whose skipped characters this play has reported
};

}  // namespace halvane
