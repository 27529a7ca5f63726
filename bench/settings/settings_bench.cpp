// Reading and writing the default settings file (10 profiles x 10 macro keys, 178 KB).
//
// A write flushes the new file and its folder to disk. On a disk-backed folder the figure holds
// both flushes; in /dev/shm (tmpfs, where a flush returns at once) it is the work before them;
// the difference is what the flushes cost.
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kDefaults = QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");

void BM_ReadDefaultSettings(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(halvane::readPlistFile(kDefaults));
}
BENCHMARK(BM_ReadDefaultSettings)->Unit(benchmark::kMicrosecond);

void BM_SerializeDefaultSettings(benchmark::State& state) {
  const halvane::PlistValue tree = halvane::readPlistFile(kDefaults);
  for (auto _ : state) benchmark::DoNotOptimize(halvane::toXmlPlist(tree));
}
BENCHMARK(BM_SerializeDefaultSettings)->Unit(benchmark::kMicrosecond);

void writeInto(benchmark::State& state, const QString& folder) {
  const halvane::PlistValue tree = halvane::readPlistFile(kDefaults);
  QTemporaryDir dir(folder + QStringLiteral("/halvane-settings-bench-XXXXXX"));
  if (!dir.isValid()) {
    state.SkipWithError(qPrintable(QStringLiteral("cannot write in %1").arg(folder)));
    return;
  }
  const QString path = dir.filePath(QStringLiteral("com.halvane.keyboard.plist"));
  for (auto _ : state) benchmark::DoNotOptimize(halvane::writePlistFileAtomically(path, tree));
}

// The atomic write with both flushes, on the disk that holds the temporary folder.
void BM_WriteDefaultSettings(benchmark::State& state) {
  writeInto(state, QDir::tempPath());
}
BENCHMARK(BM_WriteDefaultSettings)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same write where flushing costs nothing: the work before the flushes.
void BM_WriteDefaultSettingsNoFlushCost(benchmark::State& state) {
  writeInto(state, QStringLiteral("/dev/shm"));
}
BENCHMARK(BM_WriteDefaultSettingsNoFlushCost)->Unit(benchmark::kMicrosecond)->UseRealTime();

// What the store does on each changing write: the backup of the replaced contents (a copy,
// written atomically too), the rotation and the write itself. Two trees alternate, so each
// write keeps a backup (found among the kept ones and renamed, as identical contents are). They
// differ in a setting, not only in the current profile (which keeps no backup), and by a few
// bytes: the two versions are compared as trees.
void BM_StoreWriteWithBackup(benchmark::State& state) {
  const halvane::PlistValue a = halvane::readPlistFile(kDefaults);
  halvane::PlistValue b = a.deepCopy();
  b.set(QStringLiteral("ShowChangesOnScreen"), !a[QStringLiteral("ShowChangesOnScreen")].toBool());
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("com.halvane.keyboard.plist"));
  bool flip = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(halvane::settings::write(flip ? a : b, path));
    flip = !flip;
  }
}
BENCHMARK(BM_StoreWriteWithBackup)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
