// The layer-shell overlay on a headless sway of its own (as the overlay tests start it):
//  - switch to first frame: displayProfileName, through the first fade tick of the real timer
//    (50 ms after the switch),
//    until the painted buffer is committed and the compositor has handled it (a roundtrip);
//    median and 99th percentile over 200 switches;
//  - the process's CPU time over whole fades (in, a moment at full strength, out) on the real
//    20 Hz timer, as a share of the fade's wall time.
#include "bench/overlay/FadeCpu.h"
#include "bench/support/Percentile.h"
#include "helper/overlay/CustomWindow.h"
#include "platform/desktop/overlay/LayerShellOverlaySurface.h"
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/system/log/FakeSystemLog.h"
#include "platform/system/sleeper/QtClock.h"
#include "platform/system/trace/Trace.h"
#include "tests/support/HeadlessSway.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

using namespace halvane;
using Clock = std::chrono::steady_clock;

using halvane::bench::percentile;

struct Rig {
  test::HeadlessSway sway;
  QTemporaryDir dir;
  FakeSystemLog log;
  std::unique_ptr<Trace> trace;
  std::unique_ptr<CustomWindow> window;
  std::shared_ptr<WaylandConnection> connection;
  LayerShellOverlaySurface* surface = nullptr;
  QString problem;

  Rig() {
    if (!sway.failure().isEmpty()) {
      problem = QStringLiteral("no headless sway: ") + sway.failure();
      return;
    }
    connection = WaylandConnection::connect(sway.waylandDisplay(), std::chrono::milliseconds(2000),
                                            &problem);
    if (!connection) return;
    auto made = LayerShellOverlaySurface::create(connection, &problem);
    if (!made) return;
    trace = std::make_unique<Trace>(dir.filePath(QStringLiteral("trace.jsonl")));
    window = std::make_unique<CustomWindow>(log, *trace, QtClock::instance());
    surface = made.get();
    window->setSurface(std::move(made));
    window->placeOnMainScreen();
    QElapsedTimer clock;
    clock.start();
    while (!surface->isConfigured() && clock.elapsed() < 5000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!surface->isConfigured())
      problem = QStringLiteral("the layer surface was never configured");
  }
  void hideAtOnce() {
    window->hideProfileName();
    for (int i = 0; i < 12; ++i) window->fadeMethod();
  }
};

void BM_SwitchToFirstOverlayFrame(benchmark::State& state) {
  Rig rig;
  if (!rig.problem.isEmpty()) {
    state.SkipWithError(rig.problem.toStdString().c_str());
    return;
  }
  std::vector<double> millis;
  for (auto _ : state) {
    rig.hideAtOnce();
    rig.connection->roundtrip(std::chrono::milliseconds(1000));
    const int before = rig.surface->committedFrames();
    const Clock::time_point start = Clock::now();
    rig.window->displayProfileName(QStringLiteral("Games"));
    while (rig.surface->committedFrames() == before)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    rig.connection->roundtrip(std::chrono::milliseconds(1000));
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    state.SetIterationTime(elapsed.count());
    millis.push_back(elapsed.count() * 1e3);
  }
  rig.hideAtOnce();
  state.counters["median_ms"] = percentile(millis, 0.5);
  state.counters["p99_ms"] = percentile(millis, 0.99);
}
BENCHMARK(BM_SwitchToFirstOverlayFrame)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_CpuDuringAFade(benchmark::State& state) {
  Rig rig;
  if (!rig.problem.isEmpty()) {
    state.SkipWithError(rig.problem.toStdString().c_str());
    return;
  }
  bench::measureCpuDuringFades(state, *rig.window);
}
BENCHMARK(BM_CpuDuringAFade)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          "offscreen");  // the overlay's own surface draws; Qt's window never shows
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
