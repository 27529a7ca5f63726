// Checking a settings tree (10 profiles x 10 macro keys), and exporting and importing a profile.
#include "shared/plist/PlistFile.h"
#include "shared/settings/MacroStep.h"
#include "shared/settings/ProfileTransfer.h"
#include "shared/settings/SettingsLimits.h"
#include "shared/settings/SettingsValidator.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace halvane;

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");

void BM_ValidateDefaultSettings(benchmark::State& state) {
  const PlistValue tree = readPlistFile(kDefaults);
  for (auto _ : state)
    benchmark::DoNotOptimize(settings::SettingsValidator::validateSettings(tree));
}
BENCHMARK(BM_ValidateDefaultSettings)->Unit(benchmark::kMicrosecond);

// A tree where every step of every key has a problem: the cost of building the messages.
void BM_ValidateBrokenSettings(benchmark::State& state) {
  const PlistValue tree = readPlistFile(kDefaults);
  for (qsizetype p = 0; p < tree["Profiles"].count(); ++p)
    for (qsizetype k = 0; k < settings::kMacroKeyCount; ++k) {
      PlistValue combo = tree["Profiles"].at(p)["MacroKeys"].at(k)["KeyCombo"];
      for (int i = 0; i < settings::kMacroStepCount; ++i)
        combo.set(QStringLiteral("delay%1").arg(i), 9000);
    }
  for (auto _ : state)
    benchmark::DoNotOptimize(settings::SettingsValidator::validateSettings(tree));
}
BENCHMARK(BM_ValidateBrokenSettings)->Unit(benchmark::kMicrosecond);

// Every macro key holds eight steps, most of them of kinds other than a key: the kind checks.
void BM_ValidateSettingsWithEveryStepKind(benchmark::State& state) {
  using settings::MacroStep;
  const PlistValue tree = readPlistFile(kDefaults);
  const QList<MacroStep> steps = {
      MacroStep::key(0, 0x0100, 50),
      MacroStep::typing(QStringLiteral("hello@example.org"), 200),
      MacroStep::mouseButton(settings::MouseButton::Middle, settings::ButtonAction::Click),
      MacroStep::scroll(settings::WheelDirection::Down, 3),
      MacroStep::typing(QString(settings::kMaxTextLength, u'x')),
      MacroStep::mouseButton(settings::MouseButton::Left, settings::ButtonAction::Press),
      MacroStep::scroll(settings::WheelDirection::Left, 20, 100),
      MacroStep::mouseButton(settings::MouseButton::Left, settings::ButtonAction::Release)};
  for (qsizetype p = 0; p < tree["Profiles"].count(); ++p)
    for (qsizetype k = 0; k < settings::kMacroKeyCount; ++k) {
      PlistValue combo = tree["Profiles"].at(p)["MacroKeys"].at(k)["KeyCombo"];
      settings::writeMacroSteps(combo, steps);
    }
  for (auto _ : state)
    benchmark::DoNotOptimize(settings::SettingsValidator::validateSettings(tree));
}
BENCHMARK(BM_ValidateSettingsWithEveryStepKind)->Unit(benchmark::kMicrosecond);

void BM_ExportThenImportProfile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString settingsFile = dir.filePath(QStringLiteral("settings.plist"));
  const QString profileFile = dir.filePath(QStringLiteral("profile.plist"));
  writePlistFileAtomically(settingsFile, readPlistFile(kDefaults));
  for (auto _ : state) {
    benchmark::DoNotOptimize(settings::exportProfile(4, profileFile, settingsFile));
    benchmark::DoNotOptimize(settings::importProfile(7, profileFile, kDefaults, settingsFile));
  }
}
BENCHMARK(BM_ExportThenImportProfile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
