// The report path: a repeated report, a changed report that selects nothing, and an eight-step
// macro with no pauses through a poster that does nothing.

#include "helper/controller/Controller.h"
#include "platform/input/posters/TraceOnlyKeyboardEventPoster.h"
#include "shared/settings/SettingsStore.h"
#include "tests/helper/controller/FakeServices.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>

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

}  // namespace

BENCHMARK_MAIN();
