// The preferences window: from the host's start to the first painted frame of the pane, with
// and without a running helper, and a repaint of the profiles table while the helper answers.
// The helper runs on a private bus that this program makes its session bus.
#include "platform/desktop/prefpane/PreferencesHost.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"

#include <QApplication>
#include <QDBusConnectionInterface>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace halvane;

const QString kBundle = QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane");
test::PrivateBus* gBus = nullptr;

// Notes the first paint of a widget.
class PaintWatch : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// Opens the pane and runs the loop until its main view has painted.
std::unique_ptr<PreferencesHost> openAndPaint() {
  auto host = std::make_unique<PreferencesHost>();
  if (!host->open(kBundle)) return nullptr;
  PaintWatch watch;
  host->pane()->mainView()->installEventFilter(&watch);
  while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  host->pane()->mainView()->removeEventFilter(&watch);
  return host;
}

// A helper with its own home on the private bus, for the life of one benchmark.
std::unique_ptr<test::HelperProcess> startHelper(benchmark::State& state) {
  auto helper = std::make_unique<test::HelperProcess>(gBus->address());
  settings::write(settings::read(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist")),
                  helper->settingsPath());
  const auto registered = [] {
    return QDBusConnection::sessionBus()
        .interface()
        ->isServiceRegistered(QStringLiteral("com.halvane.keyboard.HVKeyboardServer"))
        .value();
  };
  if (!helper->start() || !test::waitUntil(registered, std::chrono::seconds(10))) {
    state.SkipWithError("the helper did not start");
    return nullptr;
  }
  return helper;
}

void startToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    std::unique_ptr<PreferencesHost> host = openAndPaint();
    if (!host) {
      state.SkipWithError("the pane did not open");
      return;
    }
    state.PauseTiming();
    host.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_StartToFirstPaintWithoutHelper(benchmark::State& state) {
  startToFirstPaint(state);
}

void BM_StartToFirstPaintWithHelper(benchmark::State& state) {
  const std::unique_ptr<test::HelperProcess> helper = startHelper(state);
  if (helper) startToFirstPaint(state);
}

void BM_ProfilesTableRepaintWithHelper(benchmark::State& state) {
  const std::unique_ptr<test::HelperProcess> helper = startHelper(state);
  if (!helper) return;
  const std::unique_ptr<PreferencesHost> host = openAndPaint();
  auto* table = host->window()->findChild<QTableView*>(QStringLiteral("m_ProfilesTable"));
  host->window()->findChild<QTabWidget*>(QStringLiteral("m_TabView"))->setCurrentIndex(1);
  QCoreApplication::processEvents();
  for (auto _ : state) table->viewport()->repaint();
}

BENCHMARK(BM_StartToFirstPaintWithoutHelper)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_StartToFirstPaintWithHelper)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ProfilesTableRepaintWithHelper)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;  // the pane's own settings, away from the user's
  qputenv("HOME", home.path().toUtf8());
  test::PrivateBus bus;
  gBus = &bus;
  qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
