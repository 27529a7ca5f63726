// Keyboard report to synthetic key on a real kernel: from writing an input report to /dev/uhid
// to the first key event on the uinput node that reacts to it, over 2,000 presses. The helper
// (macro key L1 types X) is measured next to a minimal relay written here (a second process that
// reads the hidraw node of a keyboard of its own and writes uinput, for key L2), their presses
// alternating, so the ratio says what the helper's road costs, whatever the emulation does to
// absolute times.
//
// No machine here has /dev/uhid, so run on the host this program boots the kernel tier's guest
// (tests/kernel/run_guest.py --mode bench), which starts the helper and runs this program inside
// (HALVANE_IN_GUEST=1); the host then reports the guest's figures. Each side's per-press times
// are left in the results folder too (helper.samples, relay.samples), to see when slow presses
// come.
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
#include <cstring>
#include <ctime>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int kPresses = 2000;
constexpr std::uint8_t kHelperKey = 0xF1, kRelayKey = 0xF2;  // L1 (a macro typing X), L2 (unset)
// Each side reads a keyboard of its own: on a shared hidraw node every press would wake both
// readers, and on the guest's one processor the one woken second would pay for the other's turn.
// The relay's keyboard has product IDs the helper does not open.
struct KeyboardIds {
  int vendor, product;
  const char* phys;
};
constexpr KeyboardIds kHelperKeyboard{0x1209, 0x4856, "kernel-bench"};
constexpr KeyboardIds kRelayKeyboard{0x1209, 0x0001, "kernel-bench-relay"};

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
  explicit Keyboard(const KeyboardIds& ids) {
    fd_ = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    const uhid_event create =
        halvane::uhid::createEvent({halvane::uhid::Interface::Keyboard, ids.vendor, ids.product,
                                    QStringLiteral("Halvane Keyboard"), QLatin1String(ids.phys)});
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

// Where the slow presses fall: among the first ones after start-up, or spread over the run.
constexpr std::size_t kEarlyPresses = 100;
constexpr double kSlowUs = 1000;
void countSlowPresses(benchmark::State& state, const std::vector<double>& samples) {
  const std::size_t early = std::min(samples.size(), kEarlyPresses);
  state.counters["p99_first100_us"] = figures({samples.begin(), samples.begin() + early}).p99;
  state.counters["p99_after100_us"] = figures({samples.begin() + early, samples.end()}).p99;
  state.counters["slow_presses"] =
      double(std::count_if(samples.begin(), samples.end(), [](double s) { return s > kSlowUs; }));
  const auto worst = std::max_element(samples.begin(), samples.end());
  if (worst != samples.end()) state.counters["worst_press"] = double(worst - samples.begin());
}

// Every press's time, one a line in press order, into the results folder the guest shares with
// the host (halvane.results= on the kernel's command line), as <benchmark>.samples.
void saveSamples(const char* name, const std::vector<double>& samples) {
  QString results;
  for (const QString& word : sysText(QStringLiteral("/proc/cmdline")).split(QLatin1Char(' ')))
    if (word.startsWith(QLatin1String("halvane.results=")))
      results = word.mid(int(std::strlen("halvane.results=")));
  QFile out(results + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".samples"));
  if (results.isEmpty() || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  for (double sample : samples) out.write(QByteArray::number(sample, 'f', 1) + '\n');
}

// The figures of one side's presses, as counters, and its samples saved.
void report(benchmark::State& state, const char* name, const std::vector<double>& samples) {
  const Figures f = figures(samples);
  state.counters["median_us"] = f.median;
  state.counters["p99_us"] = f.p99;
  countSlowPresses(state, samples);
  saveSamples(name, samples);
}

// One press of `key`: report written to its key-down on node, in microseconds.
std::optional<double> press(Keyboard& keyboard, KeyNode& node, std::uint8_t key) {
  const double written = now();
  if (!keyboard.press(key)) return std::nullopt;
  const std::optional<double> down = node.next(1);
  node.next(0);
  keyboard.release();
  if (!down) return std::nullopt;
  return std::max(0.0, *down - written) * 1e6;
}

// Until the reader at the other end has the device open, reports go nowhere.
bool comesThrough(Keyboard& keyboard, KeyNode& node, std::uint8_t key) {
  for (int tries = 0; tries < 60; ++tries)
    if (press(keyboard, node, key)) return true;
  return false;
}

Keyboard* helperKeyboard() {
  static Keyboard keyboard(kHelperKeyboard);
  static const bool opened = keyboard.ok() && keyboard.waitOpened();
  return opened ? &keyboard : nullptr;
}

// The hidraw node of the keyboard with phys, once the kernel made it.
QString hidrawNode(const char* phys) {
  return waitForNode(QStringLiteral("hidraw"), [phys](const QString& path) {
    return sysText(path + QStringLiteral("/device/uevent"))
        .contains(QStringLiteral("HID_PHYS=") + QLatin1String(phys));
  });
}

// The relay's presses, made between the helper's and reported by the relay's benchmark.
std::vector<double> relaySamples;
double helperMedian = 0;

// The relay as a child process for as long as this lives.
struct RelayProcess {
  explicit RelayProcess(const QString& hidraw) : pid(fork()) {
    if (pid == 0) relay(hidraw);
  }
  ~RelayProcess() {
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
  }
  const pid_t pid;
};

// Presses alternate between the helper's key and the relay's, so that whatever else the machine
// does (the emulator shares the host) falls on both alike; each iteration is one helper press.
void BM_HelperUhidToUinput(benchmark::State& state) {
  Keyboard* keyboard = helperKeyboard();
  if (!keyboard) return state.SkipWithError("no uhid keyboard the helper opened");
  KeyNode helperNode(eventNodeNamed(QStringLiteral("Halvane virtual keyboard")));
  if (!helperNode.ok()) return state.SkipWithError("the helper's uinput keyboard is missing");
  Keyboard relayKeyboard(kRelayKeyboard);
  if (!relayKeyboard.ok()) return state.SkipWithError("no uhid keyboard for the relay");
  const RelayProcess relayProcess(hidrawNode(kRelayKeyboard.phys));
  KeyNode relayNode(eventNodeNamed(QStringLiteral("kernel bench relay")));
  if (!relayNode.ok()) return state.SkipWithError("the relay's uinput node is missing");
  if (!relayKeyboard.waitOpened())
    return state.SkipWithError("the relay did not open its keyboard");
  if (!comesThrough(*keyboard, helperNode, kHelperKey) ||
      !comesThrough(relayKeyboard, relayNode, kRelayKey))
    return state.SkipWithError("the key never came through");
  std::vector<double> samples;
  relaySamples.clear();
  for (auto _ : state) {
    const std::optional<double> helper = press(*keyboard, helperNode, kHelperKey);
    const std::optional<double> relayed = press(relayKeyboard, relayNode, kRelayKey);
    if (!helper || !relayed) {
      relaySamples.clear();
      return state.SkipWithError("no key event came");
    }
    state.SetIterationTime(*helper / 1e6);
    samples.push_back(*helper);
    relaySamples.push_back(*relayed);
  }
  report(state, "helper", samples);
  helperMedian = figures(samples).median;
}

void BM_MinimalRelayUhidToUinput(benchmark::State& state) {
  if (relaySamples.empty())
    return state.SkipWithError("its presses come between the helper's, which did not run");
  std::size_t next = 0;
  for (auto _ : state) state.SetIterationTime(relaySamples[next++ % relaySamples.size()] / 1e6);
  report(state, "relay", relaySamples);
  if (helperMedian > 0)
    state.counters["helper_over_relay"] = helperMedian / figures(relaySamples).median;
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
  for (const char* counter : {"median_us", "p99_us", "helper_over_relay", "p99_first100_us",
                              "p99_after100_us", "slow_presses", "worst_press"})
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
