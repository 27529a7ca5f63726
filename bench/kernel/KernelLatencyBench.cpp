// Keyboard report to synthetic key on a real kernel: from writing an input report to /dev/uhid
// to the first key event on the uinput node that reacts to it, over 2,000 presses. The helper
// (macro key L1 types X) is measured next to a minimal relay written here (a second process that
// reads hidraw and writes uinput, for key L2), so the ratio says what the helper's road costs,
// whatever the emulation does to absolute times.
//
// No machine here has /dev/uhid, so run on the host this program boots the kernel tier's guest
// (tests/kernel/run_guest.py --mode bench), which starts the helper and runs this program inside
// (HALVANE_IN_GUEST=1); the host then reports the guest's figures.
#include "platform/input/uhid/UhidReports.h"
#include "platform/input/uinput/UinputDevice.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/ioctl.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int kPresses = 2000;
constexpr std::uint8_t kHelperKey = 0xF1, kRelayKey = 0xF2;  // L1 (a macro typing X), L2 (unset)
const QString kPhys = QStringLiteral("kernel-bench");

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

QString sysText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

// The node under /dev whose sysfs entry in `klass` satisfies `match`, waited for.
QString waitForNode(const QString& klass, const std::function<bool(const QString&)>& match) {
  for (int tries = 0; tries < 600; ++tries) {
    for (const QString& entry : QDir(QStringLiteral("/sys/class/") + klass).entryList(QDir::Dirs))
      if (entry.startsWith(klass == QStringLiteral("input") ? QStringLiteral("event") : klass) &&
          match(QStringLiteral("/sys/class/%1/%2").arg(klass, entry)))
        return (klass == QStringLiteral("input") ? QStringLiteral("/dev/input/")
                                                 : QStringLiteral("/dev/")) +
               entry;
    usleep(100000);
  }
  return {};
}

QString eventNodeNamed(const QString& name) {
  return waitForNode(QStringLiteral("input"), [&](const QString& path) {
    return sysText(path + QStringLiteral("/device/name")) == name;
  });
}

// The benchmark's own keyboard, made through /dev/uhid, answering the kernel as it must.
class Keyboard {
 public:
  Keyboard() {
    fd_ = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    const uhid_event create =
        halvane::uhid::createEvent({halvane::uhid::Interface::Keyboard, 0x1209, 0x4856,
                                    QStringLiteral("Halvane Keyboard"), kPhys});
    ok_ = fd_ >= 0 && ::write(fd_, &create, sizeof create) == sizeof create;
  }
  ~Keyboard() {
    const uhid_event destroy = halvane::uhid::destroyEvent();
    if (fd_ >= 0 && ::write(fd_, &destroy, sizeof destroy) < 0) {
    }
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return ok_; }
  bool press(std::uint8_t key) {
    const std::uint8_t report[8] = {0, 0, key, 0, 0, 0, 0, 0};
    return send(report);
  }
  bool release() { return send(std::array<std::uint8_t, 8>{}.data()); }
  // Until someone opens the device (hidraw: the helper).
  bool waitOpened() {
    for (int tries = 0; tries < 600; ++tries) {
      uhid_event event{};
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 100) > 0 && ::read(fd_, &event, sizeof event) > 0 &&
          event.type == UHID_OPEN)
        return true;
    }
    return false;
  }

 private:
  bool send(const std::uint8_t* report) {
    const uhid_event input = halvane::uhid::inputEvent({reinterpret_cast<const char*>(report), 8});
    return ::write(fd_, &input, sizeof input) == sizeof input;
  }
  int fd_ = -1;
  bool ok_ = false;
};

// A key event node read with the monotonic clock's time stamps.
class KeyNode {
 public:
  explicit KeyNode(const QString& path) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int clock = CLOCK_MONOTONIC;
    if (fd_ >= 0) ::ioctl(fd_, EVIOCSCLOCKID, &clock);
  }
  ~KeyNode() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return fd_ >= 0; }
  // The time of the next key event with this value; nothing after a second without one.
  std::optional<double> next(int value) {
    for (;;) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 1000) <= 0) return std::nullopt;
      input_event event{};
      while (::read(fd_, &event, sizeof event) == sizeof event)
        if (event.type == EV_KEY && event.value == value)
          return double(event.input_event_sec) + double(event.input_event_usec) / 1e6;
    }
  }

 private:
  int fd_ = -1;
};

// The relay: hidraw in, uinput out, nothing else.
[[noreturn]] void relay(const QString& hidraw) {
  halvane::UinputDevice::Result made =
      halvane::UinputDevice::create(QStringLiteral("kernel bench relay"), {{KEY_X}, {}});
  const int in = ::open(QFile::encodeName(hidraw).constData(), O_RDONLY | O_CLOEXEC);
  if (!made.device || in < 0) _exit(1);
  std::uint8_t report[64];
  for (;;) {
    const ssize_t n = ::read(in, report, sizeof report);
    if (n <= 0) _exit(0);
    const bool down = std::find(report + 2, report + std::min<ssize_t>(n, 8), kRelayKey) !=
                      report + std::min<ssize_t>(n, 8);
    if (down) {
      made.device->emitFrame({{EV_KEY, KEY_X, 1}});
      made.device->emitFrame({{EV_KEY, KEY_X, 0}});
    }
  }
}

struct Figures {
  double median = 0, p99 = 0;
};
Figures figures(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  if (samples.empty()) return {};
  return {samples[samples.size() / 2],
          samples[std::min(samples.size() - 1, samples.size() * 99 / 100)]};
}

double helperMedian = 0;

// Presses `key` kPresses times; each iteration's time is report written to key event on node.
void measure(benchmark::State& state, Keyboard& keyboard, KeyNode& node, std::uint8_t key,
             double* medianOut) {
  // Until the reader at the other end has the device open, reports go nowhere.
  bool answered = false;
  for (int tries = 0; tries < 60 && !answered; ++tries) {
    keyboard.press(key);
    answered = node.next(1).has_value();
    node.next(0);
    keyboard.release();
  }
  if (!answered) return state.SkipWithError("the key never came through");
  std::vector<double> samples;
  for (auto _ : state) {
    const double written = now();
    if (!keyboard.press(key)) return state.SkipWithError("uhid refused the report");
    const std::optional<double> down = node.next(1);
    if (!down) return state.SkipWithError("no key event came");
    state.SetIterationTime(std::max(0.0, *down - written));
    samples.push_back((*down - written) * 1e6);
    node.next(0);
    keyboard.release();
  }
  const Figures f = figures(samples);
  state.counters["median_us"] = f.median;
  state.counters["p99_us"] = f.p99;
  if (medianOut) *medianOut = f.median;
  if (!medianOut && helperMedian > 0) state.counters["helper_over_relay"] = helperMedian / f.median;
}

Keyboard* sharedKeyboard() {
  static Keyboard keyboard;
  static const bool opened = keyboard.ok() && keyboard.waitOpened();
  return opened ? &keyboard : nullptr;
}

void BM_HelperUhidToUinput(benchmark::State& state) {
  Keyboard* keyboard = sharedKeyboard();
  if (!keyboard) return state.SkipWithError("no uhid keyboard the helper opened");
  KeyNode node(eventNodeNamed(QStringLiteral("Halvane virtual keyboard")));
  if (!node.ok()) return state.SkipWithError("the helper's uinput keyboard is missing");
  measure(state, *keyboard, node, kHelperKey, &helperMedian);
}

void BM_MinimalRelayUhidToUinput(benchmark::State& state) {
  Keyboard* keyboard = sharedKeyboard();
  if (!keyboard) return state.SkipWithError("no uhid keyboard");
  const QString hidraw = waitForNode(QStringLiteral("hidraw"), [](const QString& path) {
    return sysText(path + QStringLiteral("/device/uevent"))
        .contains(QStringLiteral("HID_PHYS=") + kPhys);
  });
  const pid_t child = fork();
  if (child == 0) relay(hidraw);
  {
    KeyNode node(eventNodeNamed(QStringLiteral("kernel bench relay")));
    if (!node.ok())
      state.SkipWithError("the relay's uinput node is missing");
    else
      measure(state, *keyboard, node, kRelayKey, nullptr);
  }
  ::kill(child, SIGTERM);
  ::waitpid(child, nullptr, 0);
}

// --- On the host: the guest's figures ------------------------------------------------------

struct GuestRun {
  QString skipped;  // why there are no figures
  QJsonArray benchmarks;
};

const GuestRun& guestRun() {
  static const GuestRun run = [] {
    GuestRun r;
    const QString results = QStringLiteral(HALVANE_BINARY_DIR "/bench/kernel/results");
    const QString command =
        QStringLiteral(HALVANE_SOURCE_DIR
                       "/tests/kernel/run_guest.py --mode bench --source " HALVANE_SOURCE_DIR
                       " --build " HALVANE_BINARY_DIR " --results ") +
        results + QStringLiteral(" >&2");
    const int status = std::system(command.toLocal8Bit().constData());
    QFile skipped(results + QStringLiteral("/skipped"));
    QFile out(results + QStringLiteral("/bench.json"));
    if (skipped.open(QIODevice::ReadOnly))
      r.skipped = QString::fromUtf8(skipped.readAll()).trimmed();
    else if (status != 0 || !out.open(QIODevice::ReadOnly))
      r.skipped = QStringLiteral("the guest gave no figures (see %1)").arg(results);
    else
      r.benchmarks =
          QJsonDocument::fromJson(out.readAll()).object()[QStringLiteral("benchmarks")].toArray();
    return r;
  }();
  return run;
}

void reportGuest(benchmark::State& state, const char* name) {
  const GuestRun& run = guestRun();
  QJsonObject found;
  for (const QJsonValue& b : run.benchmarks)
    if (b[QStringLiteral("name")].toString().startsWith(QLatin1String(name))) found = b.toObject();
  if (!run.skipped.isEmpty()) return state.SkipWithError(run.skipped.toStdString().c_str());
  if (found.isEmpty() || found.contains(QStringLiteral("error_message")))
    return state.SkipWithError(found[QStringLiteral("error_message")]
                                   .toString(QStringLiteral("not run in the guest"))
                                   .toStdString()
                                   .c_str());
  const QString unit = found[QStringLiteral("time_unit")].toString();
  const double toSeconds = unit == QStringLiteral("ms")   ? 1e-3
                           : unit == QStringLiteral("us") ? 1e-6
                           : unit == QStringLiteral("s")  ? 1.0
                                                          : 1e-9;
  const double perPress = found[QStringLiteral("real_time")].toDouble() * toSeconds;
  for (auto _ : state) state.SetIterationTime(perPress);
  for (const char* counter : {"median_us", "p99_us", "helper_over_relay"})
    if (found.contains(QLatin1String(counter)))
      state.counters[counter] = found[QLatin1String(counter)].toDouble();
}

bool inGuest() {
  return qEnvironmentVariableIsSet("HALVANE_IN_GUEST");
}

}  // namespace

int main(int argc, char** argv) {
  if (inGuest()) {
    benchmark::RegisterBenchmark("BM_HelperUhidToUinput", BM_HelperUhidToUinput)
        ->Iterations(kPresses)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_MinimalRelayUhidToUinput", BM_MinimalRelayUhidToUinput)
        ->Iterations(kPresses)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
  } else {
    for (const char* name : {"BM_HelperUhidToUinput", "BM_MinimalRelayUhidToUinput"})
      benchmark::RegisterBenchmark(name, [name](benchmark::State& s) { reportGuest(s, name); })
          ->Iterations(1)
          ->UseManualTime()
          ->Unit(benchmark::kMicrosecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
