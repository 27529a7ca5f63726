// From a focus change on a headless compositor to the window facts reaching the helper's source,
// over 200 switches between two windows; the median and the 99th percentile are counters.
//   sway: the focus moves by a command on sway's IPC socket (what `swaymsg '[app_id=…] focus'`
//         sends); the facts arrive through foreign-toplevel plus sway's IPC for the pid.
//   KWin: the focus moves by a KWin script run over D-Bus; the facts arrive from our KWin
//         script through the FrontApplicationSink.
// The compositors start as in tests/platform/desktop/frontapp (tests/support/HeadlessSway.h,
// HeadlessKWin.h).
#include "bench/support/Percentile.h"
#include "platform/desktop/frontapp/ForeignToplevelActiveWindowSource.h"
#include "platform/desktop/frontapp/FrontApplicationSinkGate.h"
#include "platform/desktop/frontapp/KWinActiveWindowSource.h"
#include "platform/desktop/frontapp/SwayActiveWindowSource.h"
#include "platform/desktop/wayland/WaylandConnection.h"
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "tests/support/HeadlessKWin.h"
#include "tests/support/HeadlessSway.h"

#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace halvane;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kSwitches = 200;

using halvane::bench::percentile;

// Times `focus(appId)` until the source names that window, alternating between a and b.
template <typename Focus>
void measure(benchmark::State& state, ActiveWindowSource& source, const QString& a,
             const QString& b, Focus focus) {
  QString arrived, awaited;
  QEventLoop loop;  // woken by the report itself, so the timing has no polling step
  source.setActiveWindowHandler([&](const std::optional<WindowFacts>& f) {
    if (f) arrived = f->wmClass.isEmpty() ? f->appId : f->wmClass;
    if (arrived == awaited) loop.quit();
  });
  QTimer timeout;
  timeout.setSingleShot(true);
  QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  std::vector<double> micros;
  bool toA = true;
  for (auto _ : state) {
    const QString target = toA ? a : b;
    toA = !toA;
    arrived.clear();
    awaited = target;
    const Clock::time_point start = Clock::now();
    focus(target);
    timeout.start(2000);
    if (arrived != target) loop.exec();
    timeout.stop();
    if (arrived != target) {
      state.SkipWithError("a focus change did not arrive");
      break;
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    state.SetIterationTime(elapsed.count());
    micros.push_back(elapsed.count() * 1e6);
  }
  if (micros.empty()) return;
  state.counters["median_us"] = percentile(micros, 0.5);
  state.counters["p99_us"] = percentile(micros, 0.99);
}

void BM_SwayFocusToSource(benchmark::State& state) {
  test::HeadlessSway sway;
  if (!sway.failure().isEmpty()) {
    state.SkipWithError(sway.failure().toStdString().c_str());
    return;
  }
  auto connection =
      std::shared_ptr<WaylandConnection>(WaylandConnection::connect(sway.waylandDisplay()));
  auto toplevels = ForeignToplevelActiveWindowSource::create(connection);
  if (!toplevels) {
    state.SkipWithError("no foreign-toplevel manager");
    return;
  }
  SwayActiveWindowSource source(std::move(toplevels), sway.swaySocket());
  test::WindowClients clients(sway.clientEnvironment());
  const QString a = QStringLiteral("org.example.BenchA"), b = QStringLiteral("org.example.BenchB");
  clients.start(a);
  clients.start(b);
  test::waitUntil([&] { return source.activeWindow() && source.activeWindow()->appId == b; },
                  5000ms);

  QLocalSocket ipc;
  ipc.connectToServer(sway.swaySocket());
  ipc.waitForConnected(2000);
  measure(state, source, a, b, [&](const QString& appId) {
    const QByteArray command = QStringLiteral("[app_id=\"%1\"] focus").arg(appId).toUtf8();
    QByteArray message("i3-ipc");
    const std::uint32_t length = std::uint32_t(command.size()), type = 0;  // RUN_COMMAND
    message.append(reinterpret_cast<const char*>(&length), 4);
    message.append(reinterpret_cast<const char*>(&type), 4);
    message.append(command);
    ipc.write(message);
    ipc.flush();
    ipc.readAll();  // earlier answers; not waited for
  });
}
BENCHMARK(BM_SwayFocusToSource)
    ->Iterations(kSwitches)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_KWinFocusToSource(benchmark::State& state) {
  test::PrivateBus bus;
  test::HeadlessKWin kwin(bus);
  if (!kwin.failure().isEmpty()) {
    state.SkipWithError(kwin.failure().toStdString().c_str());
    return;
  }
  FakeSystemLog log;
  NoBackendOutcomes outcomes;
  WindowActivationRelay relay;
  FakeKeyboardServer keyboardServer;
  DBusServerObject server(log, bus.connection());
  server.addInterface(frontApplicationSink(relay));
  server.registerServer(keyboardServer);
  KWinActiveWindowSource source(
      {log, outcomes, relay},
      QStringLiteral(HALVANE_DESKTOP_DIR "/halvane/kwin/halvane-keyboard.js"), bus.connection());
  test::waitUntil([&] { return source.scriptRunning(); }, 5000ms);
  test::WindowClients clients(kwin.clientEnvironment());
  const QString a = QStringLiteral("org.example.BenchA"), b = QStringLiteral("org.example.BenchB");
  clients.start(a);
  clients.start(b);
  test::waitUntil([&] { return source.activeWindow() && source.activeWindow()->wmClass == b; },
                  10000ms);
  measure(state, source, a, b, [&](const QString& wmClass) { kwin.activate(wmClass); });
}
BENCHMARK(BM_KWinFocusToSource)
    ->Iterations(kSwitches)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
