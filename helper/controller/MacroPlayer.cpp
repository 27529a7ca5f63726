#include "helper/controller/MacroPlayer.h"

#include "platform/input/pointer/HeldButtonRecord.h"
#include "platform/input/posters/HeldKeyRecord.h"
#include "platform/input/posters/TextTypist.h"
#include "platform/system/sleeper/Sleeper.h"
#include "shared/settings/SettingsLimits.h"

#include <algorithm>
#include <array>
#include <utility>

namespace halvane {

namespace {

constexpr quint32 kKeyboardReportSize = 8;

bool holdsCode(const ReportBuffer& report, std::uint8_t code) {
  return std::find(report.begin() + 2, report.begin() + kKeyboardReportSize, code) !=
         report.begin() + kKeyboardReportSize;
}

}  // namespace

MacroPlayer::MacroPlayer(Sleeper& sleeper, HeldKeyRecord& heldKeys, Outputs outputs,
                         PressCombination press, std::function<bool()> escapeCancels,
                         std::function<void(StopReason)> stopped)
    : sleeper_(sleeper),
      heldKeys_(heldKeys),
      outputs_(std::move(outputs)),
      press_(std::move(press)),
      escapeCancels_(std::move(escapeCancels)),
      stopped_(std::move(stopped)) {}

MacroPlayer::~MacroPlayer() {
  // A pause still pending would call back into a player that is gone.
  if (playing_) sleeper_.cancel();
}

void MacroPlayer::play(Macro macro) {
  if (playing_) {
    whenIdle([this, macro = std::move(macro)] { play(macro); });
    return;
  }
  macro_ = std::move(macro);
  playing_ = true;
  runs_ = 0;
  keyReleased_ = false;
  stopAtRunEnd_ = false;
  skippedReported_ = 0;
  beginRun();
}

void MacroPlayer::beginRun() {
  step_ = 0;
  pausedThisRun_ = false;
  advance();
}

void MacroPlayer::advance() {
  // Every slot is examined: an empty one does not end the macro. A step's pause follows it, the
  // last one's too. The steps are held here: what a step sets off may end the macro and, through
  // the work queued behind it, replace the settings they were read from.
  const std::shared_ptr<const settings::MacroSlots> steps = macro_.steps;
  while (steps && step_ < settings::kMacroStepCount) {
    const int slot = step_++;
    const std::optional<settings::MacroStep>& step = (*steps)[size_t(slot)];
    if (!step) continue;
    if (step->kind == settings::StepKind::Key)
      press_(step->keyCode, step->modifiers);
    else if (!playStep(*step, slot))
      return;
    if (!playing_) return;  // stopped by what the step set off
    if (step->delay > 0) {
      afterStep(step->delay / 1000.0);
      return;
    }
  }
  runEnded();
}

bool MacroPlayer::playStep(const settings::MacroStep& step, int slot) {
  using settings::ButtonAction;
  switch (step.kind) {
    case settings::StepKind::Text:
      beginText(step, slot);
      return false;
    case settings::StepKind::MouseButton:
      if (step.buttonAction != ButtonAction::Release)
        outputs_.buttons.postButton(step.button, true);
      if (step.buttonAction != ButtonAction::Press) outputs_.buttons.postButton(step.button, false);
      return true;
    case settings::StepKind::Wheel:
      outputs_.buttons.postWheel(step.wheel, step.notches);
      return true;
    case settings::StepKind::Key:  // played by advance()
      break;
  }
  return true;
}

void MacroPlayer::beginText(const settings::MacroStep& step, int slot) {
  // Code points, not UTF-16 units: a character outside the Basic Multilingual Plane is one
  // character to the typist.
  text_ = Typing{true, step.text.toUcs4(), 0, step.delay / 1000.0, slot, QString()};
  outputs_.typist.beginText();
  typeText();
}

void MacroPlayer::typeText() {
  // A sleeper that resumes inside after() (the tests' one) is looped here rather than recursed
  // into, so that a text of a thousand characters does not nest a thousand calls.
  for (;;) {
    const double gap = outputs_.typist.characterGap();
    const qsizetype batch = gap > 0 ? 1 : kCharactersPerTurn;
    for (qsizetype n = 0; n < batch && text_.next < text_.characters.size(); ++n) {
      const char32_t character = text_.characters[text_.next++];
      if (!outputs_.typist.typeCharacter(character)) {
        const QString one = QString::fromUcs4(&character, 1);
        if (!text_.skipped.contains(one)) text_.skipped += one;
      }
      if (!playing_) return;  // stopped by what the character set off
    }
    if (text_.next >= text_.characters.size()) {
      const double delay = text_.delay;
      endText();
      afterStep(delay);
      return;
    }
    charactersResumedInside_ = false;
    schedulingCharacters_ = true;
    sleeper_.after(gap, [this] {
      if (schedulingCharacters_)
        charactersResumedInside_ = true;
      else
        typeText();
    });
    schedulingCharacters_ = false;
    if (!charactersResumedInside_) return;
  }
}

void MacroPlayer::endText() {
  if (!text_.active) return;
  Typing ended = std::exchange(text_, Typing());
  outputs_.typist.endText();
  // Said once per play, not on every run of a repeating macro.
  const unsigned slotBit = 1u << ended.slot;
  if (!ended.skipped.isEmpty() && !(skippedReported_ & slotBit) && outputs_.skipped) {
    skippedReported_ |= slotBit;
    outputs_.skipped(ended.skipped);
  }
}

void MacroPlayer::afterStep(double delaySeconds) {
  if (!playing_) return;
  if (delaySeconds > 0) {
    pausedThisRun_ = true;
    sleeper_.after(delaySeconds, [this] { advance(); });
    return;
  }
  advance();
}

void MacroPlayer::runEnded() {
  ++runs_;
  if (!repeats()) {
    finish();
    return;
  }
  // Always through the loop, so that the key's release or second press can be seen; one that
  // comes between the runs ends the macro there. A sleeper that resumes inside after() leaves
  // the loop no turn to tell of a release, so the macro ends rather than repeat for ever.
  schedulingRepeat_ = true;
  sleeper_.after(pausedThisRun_ ? 0.0 : kRepeatGap, [this] {
    if (repeats() && !schedulingRepeat_)
      beginRun();
    else
      finish();
  });
  schedulingRepeat_ = false;
}

bool MacroPlayer::repeats() const {
  switch (macro_.mode) {
    case settings::PlayMode::WhileHeld:
      return !keyReleased_;
    case settings::PlayMode::Toggle:
      return !stopAtRunEnd_;
    case settings::PlayMode::Once:
      break;
  }
  return false;
}

void MacroPlayer::finish() {
  playing_ = false;
  macro_ = Macro();
  // A button the macro pressed and did not let go of is let go of at its end.
  outputs_.buttons.releaseAll();
  drain();
}

void MacroPlayer::whenIdle(std::function<void()> work) {
  if (isIdle()) {
    work();
    return;
  }
  deferred_.push_back({std::nullopt, {}, 0, std::move(work)});
}

void MacroPlayer::whenIdle(ServiceId from, const ReportBuffer& report, quint32 size,
                           std::function<void()> decode) {
  if (isIdle()) {
    decode();
    return;
  }
  Deferred entry{from, report, size, std::move(decode)};
  if (playing_ && takes(entry, true)) return;
  deferred_.push_back(std::move(entry));
}

void MacroPlayer::drain() {
  // A drain already under way goes on with whatever was added to the queue meanwhile.
  if (draining_) return;
  draining_ = true;
  // What a macro started from the queue leaves waiting, in the order it came.
  std::deque<Deferred> later;
  while (!deferred_.empty()) {
    Deferred entry = std::move(deferred_.front());
    deferred_.pop_front();
    if (!playing_)
      entry.work();
    else if (!(entry.from && takes(entry, false)))
      later.push_back(std::move(entry));
  }
  deferred_ = std::move(later);
  draining_ = false;
}

bool MacroPlayer::takes(const Deferred& report, bool arriving) {
  if (report.size != kKeyboardReportSize) return false;
  if (arriving && holdsCode(report.report, kEscapeCode) && escapeCancels_()) {
    stop(StopReason::Cancel);
    return true;
  }
  // Only the keyboard interface the macro key was pressed on tells about that key.
  if (macro_.source && report.from != macro_.source) return false;
  const bool down = holdsCode(report.report, macro_.keyCode);
  switch (macro_.mode) {
    case settings::PlayMode::Once:
      return false;  // a second press is a second run
    case settings::PlayMode::WhileHeld:
      // Still held (other keys changing): part of the hold. After the release, a new press is
      // a new macro, after this one.
      if (keyReleased_) return false;
      if (down) return true;
      keyReleased_ = true;
      return false;
    case settings::PlayMode::Toggle:
      if (!down) {
        keyReleased_ = true;
        return false;
      }
      // The press that started the toggle, still held, or the next press, which stops it.
      if (keyReleased_) stopAtRunEnd_ = true;
      return true;
  }
  return false;
}

void MacroPlayer::stop(StopReason why) {
  const bool wasPlaying = playing_;
  sleeper_.cancel();
  playing_ = false;
  macro_ = Macro();
  endText();
  heldKeys_.releaseAll();
  outputs_.buttons.releaseAll();
  if (why != StopReason::Unplug) dropReports(std::nullopt);
  if (!wasPlaying) return;
  if (stopped_) stopped_(why);
  drain();
}

void MacroPlayer::keyboardGone(ServiceId service) {
  dropReports(service);
  if (playing_ && (!macro_.source || *macro_.source == service)) stop(StopReason::Unplug);
}

void MacroPlayer::dropReports(std::optional<ServiceId> from) {
  std::erase_if(deferred_, [&from](const Deferred& entry) {
    return entry.from && (!from || entry.from == from);
  });
}

}  // namespace halvane
