#pragma once

#include "helper/overlay/CustomWindow.h"

#include <QCoreApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

namespace halvane::bench {

inline double processCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The process's CPU time over whole fades of the window (in, then out), whatever surface it draws
// on.
inline void measureCpuDuringFades(benchmark::State& state, CustomWindow& window) {
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double cpuStart = processCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    window.displayProfileName(QStringLiteral("Games"));
    // As the controller's idle check does: fade out once fully visible.
    while (!window.profileNameVisible() || window.isFading())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.hideProfileName();
    while (window.isFading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    cpu += processCpuSeconds() - cpuStart;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["cpu_ms_per_fade"] = cpu * 1e3 / double(state.iterations());
  state.counters["cpu_percent"] = 100.0 * cpu / wall;
}

}  // namespace halvane::bench
