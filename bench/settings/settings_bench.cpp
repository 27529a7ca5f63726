// Reading and writing the default settings file (10 profiles x 10 macro keys).
#include "shared/plist/PlistFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");

void BM_ReadDefaultSettings(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(halvane::readPlistFile(kDefaults));
}
BENCHMARK(BM_ReadDefaultSettings)->Unit(benchmark::kMicrosecond);

void BM_WriteDefaultSettings(benchmark::State& state) {
  const halvane::PlistValue tree = halvane::readPlistFile(kDefaults);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("com.halvane.keyboard.plist"));
  for (auto _ : state) benchmark::DoNotOptimize(halvane::writePlistFileAtomically(path, tree));
}
BENCHMARK(BM_WriteDefaultSettings)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
