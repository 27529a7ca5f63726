// The GNOME Shell overlay on a headless GNOME Shell of its own (as the Wayland tests start it,
// see tests/support/HeadlessGnomeShell.h), driven by the helper's CustomWindow through
// GnomeShellOverlaySurface:
//  - switch to overlay shown: displayProfileName, through the first fade tick of the real timer
//    (50 ms after the switch) and its SetOverlay call, until the Shell's actor has the name at
//    that tick's alpha (read back with the extension's test-only State call, which the Shell
//    answers after the SetOverlay sent before it); median and 99th percentile over 100 switches;
//  - the helper's CPU time over whole fades (in, a moment at full strength, out) on the real
//    20 Hz timer, as a share of the fade's wall time (the Shell's own drawing is not counted).
#include "bench/overlay/FadeCpu.h"
#include "bench/support/Percentile.h"
#include "helper/overlay/CustomWindow.h"
#include "platform/desktop/overlay/GnomeShellOverlaySurface.h"
#include "platform/system/log/FakeSystemLog.h"
#include "platform/system/sleeper/QtClock.h"
#include "platform/system/trace/Trace.h"
#include "tests/support/HeadlessGnomeShell.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
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
  test::PrivateBus bus;
  test::HeadlessGnomeShell shell{bus, QStringLiteral(HALVANE_GNOME_EXTENSION), {}};
  QTemporaryDir dir;
  FakeSystemLog log;
  std::unique_ptr<Trace> trace;
  std::unique_ptr<CustomWindow> window;
  QString problem;

  Rig() {
    if (!shell.failure().isEmpty()) {
      problem = QStringLiteral("no headless GNOME Shell: ") + shell.failure();
      return;
    }
    if (!test::waitUntil([&] {
          return bus.connection().interface()->isServiceRegistered(
              QString::fromLatin1(GnomeShellOverlaySurface::kService));
        })) {
      problem = QStringLiteral("the extension's overlay never appeared on the bus");
      return;
    }
    trace = std::make_unique<Trace>(dir.filePath(QStringLiteral("trace.jsonl")));
    window = std::make_unique<CustomWindow>(log, *trace, QtClock::instance());
    window->setSurface(std::make_unique<GnomeShellOverlaySurface>(bus.connection()));
    window->placeOnMainScreen();
  }

  // The actor's text and opacity, after every call sent so far.
  std::pair<QString, double> shown() {
    const QDBusMessage reply = bus.connection().call(
        QDBusMessage::createMethodCall(
            QStringLiteral("org.gnome.Shell"), QStringLiteral("/com/halvane/keyboard/OverlayTest"),
            QStringLiteral("com.halvane.keyboard.OverlayTest"), QStringLiteral("State")),
        QDBus::Block, 2000);
    if (reply.arguments().size() < 2) return {};
    return {reply.arguments()[0].toString(), reply.arguments()[1].toDouble()};
  }

  void hideAtOnce() {
    window->hideProfileName();
    for (int i = 0; i < 12; ++i) window->fadeMethod();
    shown();
  }
};

void BM_SwitchToShellOverlayShown(benchmark::State& state) {
  Rig rig;
  if (!rig.problem.isEmpty()) {
    state.SkipWithError(rig.problem.toStdString().c_str());
    return;
  }
  std::vector<double> millis;
  int n = 0;
  for (auto _ : state) {
    rig.hideAtOnce();
    const QString name = QStringLiteral("Profile %1").arg(++n);
    const Clock::time_point start = Clock::now();
    rig.window->displayProfileName(name);
    while (rig.window->alphaValue() <= 0.0f)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::pair<QString, double> seen = rig.shown();
    while (seen.first != name || seen.second <= 0.0) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
      seen = rig.shown();
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    state.SetIterationTime(elapsed.count());
    millis.push_back(elapsed.count() * 1e3);
  }
  rig.hideAtOnce();
  state.counters["median_ms"] = percentile(millis, 0.5);
  state.counters["p99_ms"] = percentile(millis, 0.99);
}
BENCHMARK(BM_SwitchToShellOverlayShown)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_CpuDuringAShellFade(benchmark::State& state) {
  Rig rig;
  if (!rig.problem.isEmpty()) {
    state.SkipWithError(rig.problem.toStdString().c_str());
    return;
  }
  bench::measureCpuDuringFades(state, *rig.window);
}
BENCHMARK(BM_CpuDuringAShellFade)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // the Shell draws; Qt's window never shows
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
