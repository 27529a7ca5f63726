#include "helper/controller/MacroPlayer.h"

#include "platform/input/posters/HeldKeyRecord.h"
#include "platform/system/sleeper/Sleeper.h"
#include "shared/settings/SettingsLimits.h"

#include <algorithm>
#include <array>
#include <utility>

namespace halvane {

namespace {

// The KeyCombo keys of one macro step, made once: macros are played on the report path.
struct StepKeys {
  QString keyCode, modifiers, delay;
};
const StepKeys& stepKeys(int step) {
  static const std::array<StepKeys, settings::kMacroStepCount> keys = [] {
    std::array<StepKeys, settings::kMacroStepCount> k;
    for (int i = 0; i < settings::kMacroStepCount; ++i)
      k[size_t(i)] = {QStringLiteral("keyCode%1").arg(i), QStringLiteral("modifiers%1").arg(i),
                      QStringLiteral("delay%1").arg(i)};
    return k;
  }();
  return keys[size_t(step)];
}

// A macro step with this key code is empty: no key, no pause.
constexpr int kEmptyStep = -1;

constexpr quint32 kKeyboardReportSize = 8;

bool holdsCode(const ReportBuffer& report, std::uint8_t code) {
  return std::find(report.begin() + 2, report.begin() + kKeyboardReportSize, code) !=
         report.begin() + kKeyboardReportSize;
}

}  // namespace

MacroPlayer::MacroPlayer(Sleeper& sleeper, HeldKeyRecord& heldKeys, PressCombination press,
                         std::function<bool()> escapeCancels,
                         std::function<void(StopReason)> stopped)
    : sleeper_(sleeper),
      heldKeys_(heldKeys),
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
  beginRun();
}

void MacroPlayer::beginRun() {
  step_ = 0;
  pausedThisRun_ = false;
  advance();
}

void MacroPlayer::advance() {
  // Every step is examined: an empty step does not end the macro. A missing key code reads as
  // 0, which is a real key. A step's pause follows its key, the last one's too.
  while (step_ < settings::kMacroStepCount) {
    const StepKeys& keys = stepKeys(step_++);
    const int keyCode = macro_.keyCombo[keys.keyCode].intValue();
    // An empty step's other values are never used: most steps are empty, and each look-up is a
    // search of the settings tree on the report's way.
    if (keyCode == kEmptyStep) continue;
    const int modifiers = macro_.keyCombo[keys.modifiers].intValue();
    const double delay = macro_.keyCombo[keys.delay].doubleValue() / 1000.0;
    press_(keyCode, modifiers);
    if (!playing_) return;  // stopped by what the combination set off
    if (delay > 0) {
      pausedThisRun_ = true;
      sleeper_.after(delay, [this] { advance(); });
      return;
    }
  }
  runEnded();
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
  drain();
}

void MacroPlayer::whenIdle(std::function<void()> work) {
  if (!playing_ && !draining_) {
    work();
    return;
  }
  deferred_.push_back({std::nullopt, {}, 0, std::move(work)});
}

void MacroPlayer::whenIdle(ServiceId from, const ReportBuffer& report, quint32 size,
                           std::function<void()> decode) {
  if (!playing_ && !draining_) {
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
  heldKeys_.releaseAll();
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
