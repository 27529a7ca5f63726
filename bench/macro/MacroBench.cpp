// Pause accuracy of the macro player on the real loop, and the helper's D-Bus round trip while
// a macro plays against idle.

#include "bench/support/Percentile.h"
#include "helper/controller/MacroPlayer.h"
#include "platform/input/pointer/FakePointerEventPoster.h"
#include "platform/input/pointer/HeldButtonRecord.h"
#include "platform/input/posters/FakeKeyboardEventPoster.h"
#include "platform/input/posters/FakeTextTypist.h"
#include "platform/input/posters/HeldKeyRecord.h"
#include "platform/input/posters/TraceOnlyTextTypist.h"
#include "platform/system/sleeper/RealSleeper.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"

#include <QCoreApplication>
#include <QDBusInterface>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace halvane {
namespace {

// Macro key L1 playing combo.
MacroPlayer::Macro macroKey(const PlistValue& combo, settings::PlayMode mode) {
  return {std::make_shared<const settings::MacroSlots>(settings::readMacroSlots(combo)), mode, 0xF1,
          std::nullopt};
}

using Clock = std::chrono::steady_clock;

using halvane::bench::percentile;

// A 200-step macro (an eight-step macro toggled for 25 runs) with pauses of 2 to 9 ms. For each
// key event: how much later than scheduled it came, scheduled from the previous key event (the
// pause's own error) and from the macro's start (the drift over the whole macro).
void BM_PauseAccuracy(benchmark::State& state) {
  constexpr int kSteps = 200;
  std::vector<double> pauseError, drift;
  for (auto _ : state) {
    RealSleeper sleeper;
    FakeKeyboardEventPoster poster;
    HeldKeyRecord held(poster);
    FakeTextTypist typist;
    FakePointerEventPoster pointer;
    HeldButtonRecord buttons(pointer);
    std::vector<Clock::time_point> at;
    PlistValue combo = PlistValue::dictionary();
    for (int i = 0; i < 8; ++i) {
      combo.set(QStringLiteral("keyCode%1").arg(i), i);
      combo.set(QStringLiteral("modifiers%1").arg(i), 0);
      combo.set(QStringLiteral("delay%1").arg(i), 2 + i);
    }
    std::unique_ptr<MacroPlayer> player;
    player = std::make_unique<MacroPlayer>(
        sleeper, held, MacroPlayer::Outputs{typist, buttons, {}},
        [&](int, int) {
          at.push_back(Clock::now());
          if (at.size() == kSteps) player->stop(MacroPlayer::StopReason::Cancel);
        },
        [] { return true; }, [](MacroPlayer::StopReason) {});
    player->play(macroKey(combo, settings::PlayMode::Toggle));
    while (player->isPlaying()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    double scheduled = 0;
    for (size_t k = 1; k < at.size(); ++k) {
      const double delayMs = 2.0 + double((k - 1) % 8);
      scheduled += delayMs;
      const double since = std::chrono::duration<double, std::milli>(at[k] - at[k - 1]).count();
      const double total = std::chrono::duration<double, std::milli>(at[k] - at[0]).count();
      pauseError.push_back(since - delayMs);
      drift.push_back(total - scheduled);
    }
  }
  state.counters["pause_err_median_ms"] = percentile(pauseError, 0.5);
  state.counters["pause_err_p99_ms"] = percentile(pauseError, 0.99);
  state.counters["drift_median_ms"] = percentile(drift, 0.5);
  state.counters["drift_end_p99_ms"] = percentile(drift, 0.99);
}
BENCHMARK(BM_PauseAccuracy)->Unit(benchmark::kMillisecond)->Iterations(5);

// Types every character it is given and counts them; no gap, as the trace-only typist.
class CountingTypist : public TraceOnlyTextTypist {
 public:
  bool typeCharacter(char32_t) override {
    ++typed;
    return true;
  }
  qint64 typed = 0;
};

// A text step of 1,000 characters through the player on the real loop with a typist that needs
// no gap: the characters per second the player's pacing allows (the loop gets a turn between
// batches), and the whole text's time against the 2 s it must stay under.
void BM_TextThroughThePlayer(benchmark::State& state) {
  QString text;
  for (int i = 0; i < settings::kMaxTextLength; ++i) text += QChar(u'a' + i % 26);
  PlistValue combo = PlistValue::dictionary();
  settings::writeMacroSteps(combo, {settings::MacroStep::typing(text)});
  std::vector<double> ms;
  qint64 characters = 0;
  for (auto _ : state) {
    RealSleeper sleeper;
    FakeKeyboardEventPoster poster;
    HeldKeyRecord held(poster);
    CountingTypist typist;
    FakePointerEventPoster pointer;
    HeldButtonRecord buttons(pointer);
    MacroPlayer player(
        sleeper, held, MacroPlayer::Outputs{typist, buttons, {}}, [](int, int) {},
        [] { return true; }, [](MacroPlayer::StopReason) {});
    const auto start = Clock::now();
    player.play(macroKey(combo, settings::PlayMode::Once));
    while (player.isPlaying()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    characters += typist.typed;
  }
  double total = 0;
  for (double m : ms) total += m;
  state.counters["text_1000_median_ms"] = percentile(ms, 0.5);
  state.counters["chars_per_s"] = total > 0 ? double(characters) / (total / 1000.0) : 0;
}
BENCHMARK(BM_TextThroughThePlayer)->Unit(benchmark::kMillisecond)->Iterations(20);

// The real helper on a private bus; L1 toggles a macro of long pauses, so once pressed it plays
// until the end of the benchmark.
struct Helper {
  test::PrivateBus bus;
  std::unique_ptr<test::HelperProcess> process;
  std::unique_ptr<test::VirtualInterface> keyboard;
  bool playing = false;
  bool ok = false;

  Helper() {
    if (bus.address().isEmpty()) return;
    process = std::make_unique<test::HelperProcess>(bus.address());
    process->setTraceEnabled(false);
    PlistValue settings = settings::read(test::defaultsPath());
    PlistValue l1 = settings[QStringLiteral("Profiles")].at(0)[QStringLiteral("MacroKeys")].at(0);
    l1.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
    l1.set(settings::kPlayModeKey, QStringLiteral("Toggle"));
    PlistValue combo = l1[QStringLiteral("KeyCombo")];
    for (int i = 0; i < 8; ++i) {
      combo.set(QStringLiteral("keyCode%1").arg(i), 4 + i);
      combo.set(QStringLiteral("modifiers%1").arg(i), 0);
      combo.set(QStringLiteral("delay%1").arg(i), 50);
    }
    settings::write(settings, process->settingsPath());
    keyboard = std::make_unique<test::VirtualInterface>(
        process->keyboardFolder(), QStringLiteral("1209-4856-0001-0006-bench.sock"));
    ok = process->start() && keyboard->acceptConnection(std::chrono::seconds(10));
  }
  ~Helper() {
    if (process) process->terminate();
  }
  void startMacro() {
    if (playing) return;
    keyboard->send(QByteArray::fromHex("0000f10000000000"));
    keyboard->send(QByteArray::fromHex("0000000000000000"));
    playing = true;
  }
};

Helper& helper() {
  static Helper h;
  return h;
}

void roundTrip(benchmark::State& state, bool playing) {
  Helper& h = helper();
  if (!h.ok) {
    state.SkipWithError("the helper could not be started");
    return;
  }
  QDBusInterface server(QString::fromLatin1(control::kServiceName),
                        QString::fromLatin1(control::kServerPath),
                        QString::fromLatin1(control::kServerInterface), h.bus.connection());
  // Answered once before timing: the server is up.
  QElapsedTimer waited;
  waited.start();
  while (!QDBusReply<int>(server.call(QStringLiteral("getCurrentProfile"))).isValid() &&
         waited.elapsed() < 30000)
    QThread::msleep(50);
  if (playing) h.startMacro();
  std::vector<double> ms;
  for (auto _ : state) {
    const auto start = Clock::now();
    const QDBusReply<int> reply = server.call(QStringLiteral("getCurrentProfile"));
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    if (!reply.isValid()) state.SkipWithError("no answer");
  }
  state.counters["median_ms"] = percentile(ms, 0.5);
  state.counters["p99_ms"] = percentile(ms, 0.99);
}
// Idle first: the macro, once toggled on, plays on.
void BM_GetCurrentProfileIdle(benchmark::State& state) {
  roundTrip(state, false);
}
void BM_GetCurrentProfileDuringMacro(benchmark::State& state) {
  roundTrip(state, true);
}
BENCHMARK(BM_GetCurrentProfileIdle)->Unit(benchmark::kMicrosecond)->Iterations(500);
BENCHMARK(BM_GetCurrentProfileDuringMacro)->Unit(benchmark::kMicrosecond)->Iterations(500);

}  // namespace
}  // namespace halvane
