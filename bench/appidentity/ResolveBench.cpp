// The desktop-entry index and the resolver over an installation of 2,000 applications, written
// to a temporary XDG tree the way distributions ship them (a dozen keys, each with 40
// translations, some entries in vendor subfolders, some overridden in the user's folder):
//   - building the index from the folders (the helper does it at start and after installs);
//   - resolving one window, for a hit at each kind of source: a desktop ID the window names,
//     StartupWMClass, the class equal to a desktop ID, the process's executable (this process,
//     through the real /proc), and a window that matches nothing (every source tried).
// Median and 99th percentile per call (wall time) and the median CPU time are counters.
#include "bench/support/Percentile.h"
#include "platform/desktop/appidentity/ApplicationResolver.h"
#include "platform/desktop/appidentity/DesktopEntryIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

using namespace halvane;
using Clock = std::chrono::steady_clock;

constexpr int kEntries = 2000;

// This thread's CPU time: on a busy machine the wall time also holds the waits for a core.
double cpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

using halvane::bench::percentile;

QByteArray translations(const QByteArray& key, const QByteArray& text) {
  static const char* const kLanguages[] = {
      "af", "ar", "ast", "be", "bg", "bn", "bs", "ca", "cs",    "cy", "da", "de",   "el", "en_GB",
      "eo", "es", "et",  "eu", "fa", "fi", "fr", "ga", "gl",    "he", "hi", "hr",   "hu", "id",
      "it", "ja", "ko",  "lt", "nb", "nl", "pl", "pt", "pt_BR", "ru", "sv", "zh_CN"};
  QByteArray lines;
  for (const char* language : kLanguages)
    lines += key + '[' + language + "]=" + text + " (" + language + ")\n";
  return lines;
}

class Installation {
 public:
  Installation() {
    const QString system = dir_.filePath(QStringLiteral("usr/share/applications"));
    const QString user = dir_.filePath(QStringLiteral("home/.local/share/applications"));
    QDir().mkpath(system + QStringLiteral("/vendor"));
    QDir().mkpath(user + QStringLiteral("/vendor"));
    QDir().mkpath(dir_.filePath(QStringLiteral("bin")));
    self_ = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    for (int i = 0; i < kEntries; ++i) {
      const QByteArray n = QByteArray::number(i);
      // Every tenth runs a program that exists, so TryExec and PATH lookups are part of the build.
      QByteArray exec = i % 10 == 0 ? QFile::encodeName(program(i)) : "app" + n;
      if (i == kEntries - 1) exec = QFile::encodeName(self_);
      QByteArray text = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Application " + n +
                        '\n' + translations("Name", "Application " + n) + "GenericName=Tool " + n +
                        '\n' + translations("GenericName", "Tool " + n) + "Comment=Does thing " +
                        n + '\n' + translations("Comment", "Does thing " + n) +
                        "Keywords=thing;tool;" + n + ";\n" + "Exec=" + exec + " %U\nIcon=app" + n +
                        "\nTerminal=false\n" +
                        "Categories=Utility;\nMimeType=text/plain;x-scheme-handler/app" + n + ";\n";
      if (i % 3 == 0) text += "StartupWMClass=AppClass" + n + '\n';
      text += "\n[Desktop Action new-window]\nName=New Window\n" +
              translations("Name", "New Window") + "Exec=" + exec + " --new-window\n";
      const QString id = QStringLiteral("org.example.App%1.desktop").arg(i);
      write((i % 20 == 0 ? system + QStringLiteral("/vendor/") : system + u'/') + id, text);
      if (i % 100 == 0) write(user + QStringLiteral("/vendor/") + id, text);  // the user's own copy
    }
  }

  XdgRoots roots() const {
    return {dir_.filePath(QStringLiteral("home/.local/share")),
            {dir_.filePath(QStringLiteral("usr/share"))},
            {dir_.filePath(QStringLiteral("bin")), QStringLiteral("/usr/bin")}};
  }

 private:
  QString program(int i) {
    const QString path = dir_.filePath(QStringLiteral("bin/app%1").arg(i));
    write(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
  }
  static void write(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
  }

  QTemporaryDir dir_;
  QString self_;
};

Installation& installation() {
  static Installation installed;
  return installed;
}

void BM_BuildIndex(benchmark::State& state) {
  DesktopEntryIndex index(installation().roots());
  if (index.entries().size() != size_t(kEntries)) {
    state.SkipWithError("the index does not hold every entry");
    return;
  }
  std::vector<double> millis, cpuMillis;
  for (auto _ : state) {
    const double cpuStart = cpuSeconds();
    const Clock::time_point start = Clock::now();
    index.rebuild();
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    cpuMillis.push_back((cpuSeconds() - cpuStart) * 1e3);
    millis.push_back(elapsed.count());
    benchmark::DoNotOptimize(index.entries().data());
  }
  state.counters["median_ms"] = percentile(millis, 0.5);
  state.counters["p99_ms"] = percentile(millis, 0.99);
  state.counters["median_cpu_ms"] = percentile(cpuMillis, 0.5);
}
BENCHMARK(BM_BuildIndex)->Iterations(50)->Unit(benchmark::kMillisecond);

void BM_ResolveWindow(benchmark::State& state) {
  const DesktopEntryIndex index(installation().roots());
  const ApplicationResolver resolver(index);
  const std::int64_t self = getpid();
  struct Case {
    WindowFacts window;
    ResolvedApplication::Source expected;
  };
  const Case cases[] = {
      {{QStringLiteral("org.example.App1234"), {}, {}, {}, {}, self},
       ResolvedApplication::Source::Window},
      {{{}, QStringLiteral("appclass1500"), QStringLiteral("x"), {}, {}, self},
       ResolvedApplication::Source::StartupWMClass},
      {{{}, QStringLiteral("App1001"), QStringLiteral("app1001"), {}, {}, self},
       ResolvedApplication::Source::WindowClass},
      {{{}, QStringLiteral("Unknown"), QStringLiteral("unknown"), {}, {}, self},
       ResolvedApplication::Source::Executable},
      {{{}, QStringLiteral("Unknown"), QStringLiteral("unknown"), {}, {}, 0},
       ResolvedApplication::Source::None},
  };
  const Case& c = cases[state.range(0)];
  state.SetLabel(sourceName(c.expected).toStdString());
  if (resolver.resolve(c.window).source != c.expected) {
    state.SkipWithError("the window resolved through another source");
    return;
  }
  std::vector<double> micros, cpuMicros;
  micros.reserve(size_t(state.max_iterations));
  cpuMicros.reserve(size_t(state.max_iterations));
  for (auto _ : state) {
    const double cpuStart = cpuSeconds();
    const Clock::time_point start = Clock::now();
    ResolvedApplication app = resolver.resolve(c.window);
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
    cpuMicros.push_back((cpuSeconds() - cpuStart) * 1e6);
    benchmark::DoNotOptimize(app);
    micros.push_back(elapsed.count());
  }
  state.counters["median_us"] = percentile(micros, 0.5);
  state.counters["p99_us"] = percentile(micros, 0.99);
  state.counters["median_cpu_us"] = percentile(cpuMicros, 0.5);
}
BENCHMARK(BM_ResolveWindow)->DenseRange(0, 4)->Iterations(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
