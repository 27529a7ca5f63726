// From a focus change to the real helper's "Profile Changed", end to end: the helper runs as its
// own process on a private bus, two applications known by their desktop entries are bound to
// two profiles, and the focus moves between their windows 200 times. Each switch is timed from
// the request to the notification's arrival here; median and 99th percentile are counters, and
// notifications_per_switch shows that each focus change gave exactly one switch.
//   x11:  Xvfb (scripts/with-session) with openbox, started here as in the openbox tests; the
//         request is a _NET_ACTIVE_WINDOW client message, as a task bar sends it. Windows are
//         plain X windows naming a stand-in process and a class the entries' StartupWMClass has.
//   sway: headless sway as tests/support/HeadlessSway starts it; the request is
//         `[app_id=…] focus` written to sway's IPC socket, not waited for.
//   kwin: headless KWin as tests/support/HeadlessKWin starts it, on the helper's bus; the
//         request is a KWin script that activates the window, loaded and run over D-Bus (its
//         round trips are part of the figure). The helper loads our KWin script itself.
#include "bench/support/Percentile.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HeadlessKWin.h"
#include "tests/support/HeadlessSway.h"
#include "tests/support/HelperHarness.h"
#include "tests/support/XClient.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <xcb/xcb.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace {

using namespace halvane;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kSwitches = 200;
constexpr int kProfileA = 2, kProfileB = 6;

using halvane::bench::percentile;

// The helper's "Profile Changed" notifications as they arrive; a loop waiting for one index is
// woken by the signal itself, so the timing has no polling step.
class ProfileChanges : public QObject {
  Q_OBJECT

 public:
  explicit ProfileChanges(QDBusConnection bus) {
    bus.connect(QString(), QString::fromLatin1(control::kNotificationPath),
                QString::fromLatin1(control::kNotificationInterface),
                QString::fromLatin1(control::kNotificationSignal), this,
                SLOT(notification(QDBusMessage)));
  }
  int count = 0;
  int last = -1;
  QEventLoop* waiting = nullptr;
  int awaited = -1;

 private slots:
  void notification(const QDBusMessage& message) {
    const QList<QVariant> args = message.arguments();
    if (args.size() != 3 || args[0].toString() != QLatin1String("Profile Changed")) return;
    last = qdbus_cast<QMap<QString, QString>>(args[2]).value(QStringLiteral("Index")).toInt();
    ++count;
    if (waiting && last == awaited) waiting->quit();
  }
};

// The helper with two applications bound by their desktop entries, on a private bus.
struct Helper {
  explicit Helper(test::PrivateBus& bus) : process(bus.address()), changes(bus.connection()) {
    apps = data.filePath(QStringLiteral("applications"));
    QDir().mkpath(apps);
    process.setEnvironment(QStringLiteral("XDG_DATA_HOME"), data.path());
    process.setEnvironment(QStringLiteral("XDG_DATA_DIRS"), data.filePath(QStringLiteral("none")));
    process.setTraceEnabled(false);
  }
  // Writes the entries of A and B, binds them to their profiles and starts the helper; false
  // when it did not come up.
  bool start(const QByteArray& linesA, const QByteArray& linesB) {
    PlistValue settings = settings::read(test::defaultsPath());
    const QString entryA =
        write(QStringLiteral("org.example.BenchA.desktop"), "Name=Bench A\n" + linesA);
    const QString entryB =
        write(QStringLiteral("org.example.BenchB.desktop"), "Name=Bench B\n" + linesB);
    settings["Profiles"].at(kProfileA).set("ApplicationPath", entryA);
    settings["Profiles"].at(kProfileB).set("ApplicationPath", entryB);
    return settings::write(settings, process.settingsPath()) && process.start();
  }
  QString write(const QString& name, const QByteArray& lines) {
    QFile file(apps + u'/' + name);
    if (file.open(QIODevice::WriteOnly)) file.write("[Desktop Entry]\nType=Application\n" + lines);
    return file.fileName();
  }

  QTemporaryDir data;
  QString apps;
  test::HelperProcess process;
  ProfileChanges changes;
};

// Switches between A and B with focus(true for A) until each has given its profile once, then
// times kSwitches switches.
void measure(benchmark::State& state, ProfileChanges& changes,
             const std::function<void(bool)>& focus) {
  QEventLoop loop;
  QTimer timeout;
  timeout.setSingleShot(true);
  QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  auto switchTo = [&](bool toA) {
    changes.awaited = toA ? kProfileA : kProfileB;
    changes.waiting = &loop;
    const int before = changes.count;
    focus(toA);
    timeout.start(3000);
    if (changes.count == before || changes.last != changes.awaited) loop.exec();
    timeout.stop();
    changes.waiting = nullptr;
    return changes.last == changes.awaited && changes.count > before;
  };
  // The helper may still be starting, and either window may be in front already (a switch to
  // it then gives nothing): the first switches are not timed, and they end with A in front.
  bool ready = false;
  for (int attempt = 0; attempt < 10 && !ready; ++attempt) {
    const bool toB = switchTo(false);
    ready = switchTo(true) && toB;
  }
  if (!ready) {
    state.SkipWithError("the helper never switched profiles");
    return;
  }
  test::waitUntil([] { return false; }, 300ms);
  const int first = changes.count;
  std::vector<double> micros;
  bool toA = false;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    if (!switchTo(toA)) {
      state.SkipWithError("a focus change gave no Profile Changed");
      return;
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    state.SetIterationTime(elapsed.count());
    micros.push_back(elapsed.count() * 1e6);
    toA = !toA;
  }
  test::waitUntil([] { return false; }, 500ms);  // a late second switch would show here
  state.counters["median_us"] = percentile(micros, 0.5);
  state.counters["p99_us"] = percentile(micros, 0.99);
  state.counters["notifications_per_switch"] =
      double(changes.count - first) / double(micros.size());
}

QByteArray xprop(const QString& property) {
  QProcess p;
  p.start(QStringLiteral("xprop"), {QStringLiteral("-root"), property});
  p.waitForFinished(2000);
  return p.readAllStandardOutput();
}

void BM_X11FocusToProfileChanged(benchmark::State& state) {
  if (qEnvironmentVariableIsEmpty("DISPLAY"))
    return state.SkipWithError("no X display: run through scripts/with-session");
  const QString openboxPath = QStandardPaths::findExecutable(QStringLiteral("openbox"));
  if (openboxPath.isEmpty())
    return state.SkipWithError("openbox is not installed (scripts/setup --tests)");
  std::unique_ptr<test::XClient> x = test::XClient::connect();
  if (!x) return state.SkipWithError("the X display does not answer");
  x->setCardinal(x->root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, XCB_WINDOW_NONE);
  QProcess openbox;
  openbox.start(openboxPath, {QStringLiteral("--sm-disable")});
  if (!openbox.waitForStarted(5000) || !test::waitUntil([] {
        return xprop(QStringLiteral("_NET_SUPPORTING_WM_CHECK")).contains("window id");
      }))
    return state.SkipWithError("openbox did not take the display");

  test::PrivateBus bus;
  Helper helper(bus);
  helper.process.setEnvironment(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
  QProcess standIn;  // the process both windows name; the class tells the applications apart
  standIn.start(QStringLiteral("/bin/sleep"), {QStringLiteral("600")});
  standIn.waitForStarted(5000);
  std::uint32_t windows[2];
  for (int i = 0; i < 2; ++i) {
    windows[i] = x->createWindow();
    x->setCardinal(windows[i], "_NET_WM_PID", XCB_ATOM_CARDINAL,
                   std::uint32_t(standIn.processId()));
    x->setString(
        windows[i], "WM_CLASS",
        i == 0 ? QByteArray("bench-a\0BenchA\0", 15) : QByteArray("bench-b\0BenchB\0", 15));
  }
  x->sync();
  if (!helper.start("StartupWMClass=BenchA\n", "StartupWMClass=BenchB\n"))
    return state.SkipWithError("the helper did not start");
  measure(state, helper.changes, [&](bool toA) { x->requestActivation(windows[toA ? 0 : 1]); });
  helper.process.terminate();
  standIn.kill();
  standIn.waitForFinished(2000);
  openbox.kill();  // our own child, by its pid
  openbox.waitForFinished(2000);
}
BENCHMARK(BM_X11FocusToProfileChanged)
    ->Iterations(kSwitches)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_SwayFocusToProfileChanged(benchmark::State& state) {
  test::HeadlessSway sway;
  if (!sway.failure().isEmpty()) return state.SkipWithError(sway.failure().toStdString().c_str());
  test::PrivateBus bus;
  Helper helper(bus);
  for (const auto& [name, value] : {std::pair{"WAYLAND_DISPLAY", sway.waylandDisplay()},
                                    std::pair{"SWAYSOCK", sway.swaySocket()},
                                    std::pair{"XDG_SESSION_TYPE", QStringLiteral("wayland")},
                                    std::pair{"XDG_CURRENT_DESKTOP", QStringLiteral("sway")}})
    helper.process.setEnvironment(QLatin1String(name), value);
  test::WindowClients clients(sway.clientEnvironment());
  clients.start(QStringLiteral("org.example.BenchA"));
  clients.start(QStringLiteral("org.example.BenchB"));
  if (!test::waitUntil(
          [&] {
            return sway.focus(QStringLiteral("org.example.BenchA")) &&
                   sway.focus(QStringLiteral("org.example.BenchB"));
          },
          10000ms))
    return state.SkipWithError("the windows did not appear");
  if (!helper.start({}, {})) return state.SkipWithError("the helper did not start");

  QLocalSocket ipc;
  ipc.connectToServer(sway.swaySocket());
  if (!ipc.waitForConnected(2000)) return state.SkipWithError("sway's IPC socket does not answer");
  measure(state, helper.changes, [&](bool toA) {
    const QByteArray command =
        toA ? "[app_id=\"org.example.BenchA\"] focus" : "[app_id=\"org.example.BenchB\"] focus";
    QByteArray message("i3-ipc");
    const std::uint32_t length = std::uint32_t(command.size()), type = 0;  // RUN_COMMAND
    message.append(reinterpret_cast<const char*>(&length), 4);
    message.append(reinterpret_cast<const char*>(&type), 4);
    message.append(command);
    ipc.readAll();  // earlier answers; not waited for
    ipc.write(message);
    ipc.flush();
  });
  helper.process.terminate();
}
BENCHMARK(BM_SwayFocusToProfileChanged)
    ->Iterations(kSwitches)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_KWinFocusToProfileChanged(benchmark::State& state) {
  test::PrivateBus bus;
  test::HeadlessKWin kwin(bus);
  if (!kwin.failure().isEmpty()) return state.SkipWithError(kwin.failure().toStdString().c_str());
  Helper helper(bus);
  for (const auto& [name, value] : {std::pair{"WAYLAND_DISPLAY", kwin.waylandDisplay()},
                                    std::pair{"XDG_SESSION_TYPE", QStringLiteral("wayland")},
                                    std::pair{"XDG_CURRENT_DESKTOP", QStringLiteral("KDE")}})
    helper.process.setEnvironment(QLatin1String(name), value);
  test::WindowClients clients(kwin.clientEnvironment());
  clients.start(QStringLiteral("org.example.BenchA"));
  clients.start(QStringLiteral("org.example.BenchB"));
  test::waitUntil([] { return false; }, 1000ms);  // both mapped
  if (!helper.start({}, {})) return state.SkipWithError("the helper did not start");
  measure(state, helper.changes, [&](bool toA) {
    kwin.activate(toA ? QStringLiteral("org.example.BenchA")
                      : QStringLiteral("org.example.BenchB"));
  });
  helper.process.terminate();
}
BENCHMARK(BM_KWinFocusToProfileChanged)
    ->Iterations(kSwitches)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

#include "FocusToProfileBench.moc"
