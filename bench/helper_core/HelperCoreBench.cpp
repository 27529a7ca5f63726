// The report path: a repeated report, a changed report that selects nothing, and an eight-step
// macro with no pauses through a poster that does nothing.

#include "helper/controller/Controller.h"
#include "platform/input/posters/TraceOnlyKeyboardEventPoster.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/SettingsStore.h"
#include "tests/helper/controller/FakeServices.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <optional>
#include <vector>

using namespace halvane;

namespace {

// A Controller over fakes with the default settings, macro key 0 of profile 0 holding eight
// steps without pauses.
struct Rig {
  Rig() {
    PlistValue tree = settings::read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
    PlistValue entry = tree[QStringLiteral("Profiles")].at(0)[QStringLiteral("MacroKeys")].at(0);
    PlistValue combo = PlistValue::dictionary();
    for (int i = 0; i < 8; ++i) {
      combo.set(QStringLiteral("keyCode%1").arg(i), i + 4);
      combo.set(QStringLiteral("modifiers%1").arg(i), i % 2 ? 0x0300 : 0);
      combo.set(QStringLiteral("delay%1").arg(i), 0);
    }
    entry.set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
    entry.set(QStringLiteral("KeyCombo"), combo);
    settings::write(tree, settingsPath);
    controller.loadPreferences();
  }
  QTemporaryDir dir;
  QString settingsPath = dir.filePath(QStringLiteral("settings.plist"));
  test::FakeServices fakes;
  TraceOnlyKeyboardEventPoster keyboard;
  Controller controller{fakes.services(Bundle(), settingsPath, stdout, stderr, &keyboard)};
};

void BM_RepeatedReport(benchmark::State& state) {
  Rig rig;
  KeyboardRecord record;
  const std::array<std::uint8_t, 8> report{0, 0, 0x04, 0x05, 0, 0, 0, 0};
  std::memcpy(rig.controller.reportBuffer().data(), report.data(), report.size());
  Controller::hidCallback(&record, kIOReturnSuccess, &rig.controller, 8);
  for (auto _ : state) {
    Controller::hidCallback(&record, kIOReturnSuccess, &rig.controller, 8);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RepeatedReport);

void BM_ChangedReportSelectingNothing(benchmark::State& state) {
  Rig rig;
  KeyboardRecord record;
  std::uint8_t* buffer = rig.controller.reportBuffer().data();
  std::memset(buffer, 0, 8);
  std::uint8_t key = 0x04;
  for (auto _ : state) {
    // Letters come and go: every report differs from the one before.
    buffer[2] = key;
    key = key == 0x04 ? 0x05 : 0x04;
    Controller::hidCallback(&record, kIOReturnSuccess, &rig.controller, 8);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ChangedReportSelectingNothing);

void BM_EightStepMacro(benchmark::State& state) {
  Rig rig;
  for (auto _ : state) rig.controller.macroKeyPressed(0);
}
BENCHMARK(BM_EightStepMacro);

// From the macro key's report to the first character of a text step: the report handled, the
// macro read from the settings, the text begun and its first character handed to the typist.
class FirstCharacterTypist : public FakeTextTypist {
 public:
  bool typeCharacter(char32_t) override {
    if (!first) first = std::chrono::steady_clock::now();
    return true;
  }
  void beginText() override {}
  void endText() override {}
  std::optional<std::chrono::steady_clock::time_point> first;
};

void BM_MacroKeyToFirstCharacter(benchmark::State& state) {
  Rig rig;
  PlistValue tree = settings::read(rig.settingsPath);
  PlistValue entry = tree[QStringLiteral("Profiles")].at(0)[QStringLiteral("MacroKeys")].at(0);
  PlistValue combo = PlistValue::dictionary();
  settings::writeMacroSteps(combo,
                            {settings::MacroStep::key(4, 0),
                             settings::MacroStep::typing(QStringLiteral("hello@example.org"))});
  entry.set(QStringLiteral("KeyCombo"), combo);
  settings::write(tree, rig.settingsPath);
  FirstCharacterTypist typist;
  test::FakeServices fakes;
  Controller controller{ControllerServices{
      fakes.log, fakes.sleeper, fakes.clock, rig.keyboard, typist, fakes.pointer, fakes.hidEvents,
      fakes.workspace, fakes.scripts, fakes.front, fakes.notifications, fakes.devices, Bundle(),
      rig.settingsPath, stdout, stderr}};
  controller.loadPreferences();
  KeyboardRecord record;
  std::uint8_t* buffer = controller.reportBuffer().data();
  std::vector<double> us;
  for (auto _ : state) {
    typist.first.reset();
    std::memset(buffer, 0, 8);
    buffer[2] = 0xF1;
    const auto start = std::chrono::steady_clock::now();
    Controller::hidCallback(&record, kIOReturnSuccess, &controller, 8);
    if (typist.first)
      us.push_back(std::chrono::duration<double, std::micro>(*typist.first - start).count());
    buffer[2] = 0;
    Controller::hidCallback(&record, kIOReturnSuccess, &controller, 8);
  }
  std::sort(us.begin(), us.end());
  state.counters["first_char_median_us"] = us.empty() ? -1 : us[us.size() / 2];
  state.counters["first_char_p99_us"] = us.empty() ? -1 : us[size_t(double(us.size()) * 0.99)];
}
BENCHMARK(BM_MacroKeyToFirstCharacter);

}  // namespace

BENCHMARK_MAIN();
