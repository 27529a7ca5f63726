// Checking a settings tree (10 profiles x 10 macro keys), and exporting and importing a profile.
#include "shared/plist/PlistFile.h"
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
