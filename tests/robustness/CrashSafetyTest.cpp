// The settings file survives the helper and the pane being killed outright at any moment,
// including in the middle of writing it: afterwards it is always there and reads completely as
// the settings from before the write or the settings being written, never anything else.
//
// Each kill first freezes the process (SIGSTOP) and looks at its open files, so that a kill is
// known to have landed during a write when the writer held a file in the settings folder open
// for writing at that moment (the temporary file of the atomic write). A third of the kills come
// at random times, the others wait for the writing on purpose.
#include "Robustness.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"

#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <thread>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace halvane::test {
namespace {

const QString kPaneBundle = QStringLiteral(HALVANE_BUNDLE_DIR "/HalvanePrefPanel.prefPane");
const QString kPaneApplyLoop = QStringLiteral(HALVANE_PANE_APPLY_LOOP);

// Entries of a few hundred bytes each that make the file a few megabytes: writing it takes long
// enough for kills to land in the middle.
constexpr int kPaddingEntries = 3000;

// The defaults made large by an array no program acts on; both programs keep it as it is.
PlistValue largeSettings() {
  PlistValue tree = settings::read(defaultsPath());
  PlistValue padding = PlistValue::array();
  for (int i = 0; i < kPaddingEntries; ++i) {
    PlistValue entry = PlistValue::dictionary();
    entry.set(QStringLiteral("Index"), i);
    entry.set(QStringLiteral("Text"), QStringLiteral("entry %1 ").arg(i) + QString(200, u'x'));
    QByteArray blob(600, '\0');
    for (int b = 0; b < blob.size(); ++b) blob[b] = char((i * 31 + b * 7) & 0xFF);
    entry.set(QStringLiteral("Blob"), blob);
    padding.append(entry);
  }
  tree.set(QStringLiteral("Padding"), padding);
  return tree;
}

void pause(std::chrono::microseconds duration) {
  std::this_thread::sleep_for(duration);
}

// What one kill found.
struct Kill {
  bool killed = false;     // false: the process had ended by itself before the kill
  bool midWrite = false;   // a file in the settings folder was open for writing at the moment
  bool temporary = false;  // and it was not the settings file itself
};

// Freezes the process, notes whether it was writing the settings file at path, then kills it.
Kill freezeAndKill(qint64 pid, const std::function<bool(int)>& signal, const QString& path) {
  Kill kill;
  if (!signal(SIGSTOP)) return kill;
  // SIGSTOP takes effect asynchronously: wait until the process is seen stopped (or ended).
  for (int i = 0; i < 2000; ++i) {
    const char state = processState(pid);
    if (state == 'T' || state == 't' || state == 'Z' || state == 0) break;
    pause(std::chrono::microseconds(500));
  }
  const char state = processState(pid);
  if (state == 'Z' || state == 0) return kill;
  const QStringList written = filesBeingWritten(pid, path);
  kill.midWrite = !written.isEmpty();
  kill.temporary = kill.midWrite && !written.contains(path);
  kill.killed = signal(SIGKILL);
  return kill;
}

// Changes to the entries of a folder (inotify): a file created, written or renamed into place.
class FolderWatch {
 public:
  explicit FolderWatch(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0)
      inotify_add_watch(fd_, QFile::encodeName(folder).constData(),
                        IN_CREATE | IN_MODIFY | IN_MOVED_TO);
  }
  ~FolderWatch() {
    if (fd_ >= 0) ::close(fd_);
  }
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  bool valid() const { return fd_ >= 0; }
  // Forgets what happened so far.
  void drain() {
    char buffer[4096];
    while (fd_ >= 0 && ::read(fd_, buffer, sizeof buffer) > 0) {
    }
  }
  // Waits for the next change; false when none came in time.
  bool wait(std::chrono::milliseconds timeout) {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, int(timeout.count())) == 1;
  }

 private:
  int fd_;
};

// When a round's kill comes, by the round's number: at a random moment within randomSpan; once
// the process is seen writing in the settings folder (polling its open files), then up to
// maxExtra later; or the instant the folder changes (inotify), which also reaches the steps of an
// atomic write that only touch the folder, linking the temporary file and renaming it.
void waitForKillMoment(int round, qint64 pid, const QString& path, FolderWatch& watch,
                       std::mt19937_64& rng, std::chrono::microseconds randomSpan,
                       std::chrono::microseconds maxExtra, std::chrono::milliseconds timeout) {
  switch (round % 3) {
    case 0:
      pause(std::chrono::microseconds(uniform(rng, 0, int(randomSpan.count()))));
      return;
    case 1: {
      QElapsedTimer clock;
      clock.start();
      while (clock.elapsed() < timeout.count()) {
        const char state = processState(pid);
        if (state == 'Z' || state == 0) return;
        if (!filesBeingWritten(pid, path).isEmpty()) break;
        pause(std::chrono::microseconds(100));
      }
      pause(std::chrono::microseconds(uniform(rng, 0, int(maxExtra.count()))));
      return;
    }
    default:
      watch.wait(timeout);
      return;
  }
}

// Tallies of one series of kills, printed and recorded for the run's figures.
struct Tally {
  // previous: the file as it was before the write (for a file being created: still none).
  int kills = 0, midWrite = 0, temporary = 0, endedFirst = 0, previous = 0, written = 0,
      leftovers = 0;
  QStringList leftoverNames;

  void print(const char* what) const {
    std::printf(
        "%s: %d kills, %d of them while the settings were being written (%d with a "
        "temporary file open); %d times the process ended before the kill; afterwards the "
        "file was %d times as before the write, %d times the new contents; %d temporary "
        "files left behind%s%s\n",
        what, kills, midWrite, temporary, endedFirst, previous, written, leftovers,
        leftovers ? ": " : "", qPrintable(leftoverNames.join(QStringLiteral(", "))));
    std::fflush(stdout);
    ::testing::Test::RecordProperty("kills", kills);
    ::testing::Test::RecordProperty("kills_mid_write", midWrite);
    ::testing::Test::RecordProperty("kills_with_temporary_file", temporary);
    ::testing::Test::RecordProperty("ended_before_kill", endedFirst);
    ::testing::Test::RecordProperty("temporary_files_left", leftovers);
  }

  void count(const Kill& kill) {
    kills += kill.killed;
    midWrite += kill.killed && kill.midWrite;
    temporary += kill.killed && kill.temporary;
  }

  // Counts and removes what a killed writer left beside the settings file.
  void collectLeftovers(const QString& path) {
    const QStringList others = filesBeside(path);
    leftovers += int(others.size());
    leftoverNames += others;
    for (const QString& name : others) QFile::remove(QFileInfo(path).dir().filePath(name));
  }
};

class RobustnessCrashSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon could not be started";
  }

  bool serverRegistered() {
    return bus_.connection()
        .interface()
        ->isServiceRegistered(QString::fromLatin1(control::kServiceName))
        .value();
  }

  // Starts the helper and waits until it serves the bus (a large file takes a while to read).
  ::testing::AssertionResult startHelper(HelperProcess& helper) {
    if (!waitUntil([&] { return !serverRegistered(); }, 10s))
      return ::testing::AssertionFailure() << "an earlier helper still holds the server name";
    if (!helper.start()) return ::testing::AssertionFailure() << "the helper did not start";
    if (!waitUntil([&] { return serverRegistered(); }, 60s))
      return ::testing::AssertionFailure() << "the helper never offered its server; output: "
                                           << helper.standardOutput().toStdString();
    return ::testing::AssertionSuccess();
  }

  PrivateBus bus_;
};

// The helper stores the current profile when it quits. Each round starts it on the file as the
// last round left it, switches to another profile over the bus and sends SIGTERM; then it is
// killed during its quitting.
TEST_F(RobustnessCrashSafety, HelperKilledWhileStoringTheCurrentProfile) {
  std::mt19937_64 rng = seededGenerator("crash-safety helper quit", 31337);
  const int rounds = scaled(32);
  HelperProcess helper(bus_.address());
  helper.setTraceEnabled(false);
  const QString path = helper.settingsPath();
  PlistValue onDisk = largeSettings();
  ASSERT_TRUE(settings::write(onDisk, path));
  RecordProperty("file_bytes", int(QFileInfo(path).size()));

  QDBusInterface server(QString::fromLatin1(control::kServiceName),
                        QString::fromLatin1(control::kServerPath),
                        QString::fromLatin1(control::kServerInterface), bus_.connection());
  FolderWatch watch(QFileInfo(path).absolutePath());
  ASSERT_TRUE(watch.valid());
  Tally tally;
  qint64 quitMs = 0;
  QElapsedTimer clock;
  clock.start();
  // Round 0 quits undisturbed: it checks the ordinary path and measures how long quitting takes.
  for (int round = 0; round <= rounds; ++round) {
    ASSERT_TRUE(startHelper(helper)) << "round " << round;
    const int next =
        (onDisk[QStringLiteral("CurrentProfile")].intValue() + uniform(rng, 1, 9)) % 10;
    ASSERT_NE(server.call(QStringLiteral("setCurrentProfile"), next).type(),
              QDBusMessage::ErrorMessage);
    PlistValue stored = onDisk.deepCopy();
    stored.set(QStringLiteral("CurrentProfile"), next);

    QElapsedTimer quitting;
    quitting.start();
    watch.drain();
    ASSERT_TRUE(helper.sendSignal(SIGTERM));
    const qint64 pid = helper.pid();
    if (round == 0) {
      ASSERT_TRUE(helper.waitForExit(60s));
      quitMs = quitting.elapsed();
      ASSERT_EQ(helper.exitCode(), std::optional<int>(0));
      const PlistValue after = settings::read(path);
      ASSERT_TRUE(after == stored) << "an undisturbed quit stores the current profile";
      onDisk = after;
      continue;
    }
    waitForKillMoment(round, pid, path, watch, rng, std::chrono::microseconds(quitMs * 1100),
                      std::chrono::microseconds(3000), 60s);
    const Kill kill = freezeAndKill(
        pid, [&](int s) { return helper.sendSignal(s); }, path);
    ASSERT_TRUE(helper.waitForExit(30s));
    if (!kill.killed) {
      ++tally.endedFirst;
      EXPECT_EQ(helper.exitCode(), std::optional<int>(0)) << "round " << round;
    }
    tally.count(kill);

    ASSERT_TRUE(QFileInfo::exists(path)) << "round " << round << ": the settings file is missing";
    const PlistValue after = settings::read(path);
    ASSERT_TRUE(after.isDictionary())
        << "round " << round << ": the settings file does not read completely";
    const bool previous = after == onDisk;
    const bool written = after == stored;
    ASSERT_TRUE(previous || written)
        << "round " << round << ": the file holds neither the old nor the new settings";
    tally.previous += previous;
    tally.written += written;
    EXPECT_TRUE(written || kill.killed)
        << "round " << round << ": a finished quit stored the profile";
    tally.collectLeftovers(path);
    onDisk = after;
  }
  std::printf(
      "crash-safety helper quit: %s bytes, an undisturbed quit takes %lld ms; %.1f s in all\n",
      qPrintable(QString::number(QFileInfo(path).size())), quitMs, clock.elapsed() / 1000.0);
  tally.print("crash-safety helper quit");
  EXPECT_GT(tally.midWrite, 0) << "no kill landed while the file was being written";
}

// Without a settings file the helper creates it from its defaults at start; killed at random
// moments of its start, it leaves either no file yet or the whole defaults.
TEST_F(RobustnessCrashSafety, HelperKilledWhileCreatingTheFile) {
  std::mt19937_64 rng = seededGenerator("crash-safety helper start", 4242);
  const int rounds = scaled(16);
  const PlistValue defaults = settings::read(
      QStringLiteral(HALVANE_BUNDLE_DIR "/HalvaneHelper.app/Contents/Resources/defaults.plist"));
  ASSERT_TRUE(defaults.isDictionary()) << "the helper bundle has no defaults resource";
  HelperProcess helper(bus_.address());
  helper.setTraceEnabled(false);
  const QString path = helper.settingsPath();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
  FolderWatch watch(QFileInfo(path).absolutePath());
  ASSERT_TRUE(watch.valid());

  Tally tally;
  qint64 startMs = 0;
  for (int round = 0; round <= rounds; ++round) {
    QFile::remove(path);
    QElapsedTimer starting;
    starting.start();
    if (round == 0) {
      ASSERT_TRUE(startHelper(helper));
      startMs = starting.elapsed();
      EXPECT_TRUE(settings::read(path) == defaults)
          << "an undisturbed start creates the file from the defaults";
      EXPECT_EQ(helper.terminate(30s), std::optional<int>(0));
      continue;
    }
    ASSERT_TRUE(waitUntil([&] { return !serverRegistered(); }, 10s));
    watch.drain();
    ASSERT_TRUE(helper.start());
    const qint64 pid = helper.pid();
    waitForKillMoment(round, pid, path, watch, rng, std::chrono::microseconds(startMs * 1000),
                      std::chrono::microseconds(300),
                      std::chrono::milliseconds(startMs * 3 + 2000));
    const Kill kill = freezeAndKill(
        pid, [&](int s) { return helper.sendSignal(s); }, path);
    ASSERT_TRUE(kill.killed) << "round " << round << ": the helper ended by itself while starting";
    ASSERT_TRUE(helper.waitForExit(30s));
    tally.count(kill);

    if (!QFileInfo::exists(path)) {
      ++tally.previous;  // killed before the file was made: as it was before
    } else {
      EXPECT_TRUE(settings::read(path) == defaults)
          << "round " << round << ": a created file holds the whole defaults";
      ++tally.written;
    }
    tally.collectLeftovers(path);
  }
  std::printf("crash-safety helper start: an undisturbed start takes %lld ms\n", startMs);
  tally.print("crash-safety helper start");
}

// The pane writes the file on Apply. A separate program hosts the real pane bundle and applies
// one changed switch after another; it is killed at random moments of that loop.
TEST_F(RobustnessCrashSafety, PaneKilledWhileApplying) {
  std::mt19937_64 rng = seededGenerator("crash-safety pane", 2718);
  const int rounds = scaled(32);
  QTemporaryDir home, runtime;
  ASSERT_TRUE(home.isValid() && runtime.isValid());
  QFile::setPermissions(runtime.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), home.path());
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus_.address());
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("HALVANE_SETTINGS"));
  const QString path = settings::settingsPath(environment);
  PlistValue base = largeSettings();
  base.set(QStringLiteral("ShowChangesOnScreen"), false);
  base.set(QStringLiteral("AutoSwitchingOverride"), false);
  ASSERT_TRUE(settings::write(base, path));
  RecordProperty("file_bytes", int(QFileInfo(path).size()));
  // The two switches the loop flips; the rest of the file must stay as it is.
  auto withSwitches = [&](bool show, bool override) {
    PlistValue tree = base.deepCopy();
    tree.set(QStringLiteral("ShowChangesOnScreen"), show);
    tree.set(QStringLiteral("AutoSwitchingOverride"), override);
    return tree;
  };
  using State = std::pair<bool, bool>;
  auto parseState = [](const QByteArray& line) -> std::optional<State> {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 3) return std::nullopt;
    return State{words[1] == "1", words[2] == "1"};
  };

  FolderWatch watch(QFileInfo(path).absolutePath());
  ASSERT_TRUE(watch.valid());
  Tally tally;
  qint64 applyMs = 0;
  QElapsedTimer clock;
  clock.start();
  for (int round = 0; round <= rounds; ++round) {
    const PlistValue before = settings::read(path);
    ASSERT_TRUE(before.isDictionary());
    QProcess pane;
    pane.setProcessEnvironment(environment);
    pane.setProcessChannelMode(QProcess::SeparateChannels);
    // Round 0 applies a few times and quits by itself: the ordinary path, and how long an Apply
    // takes.
    const int calibrationApplies = 4;
    pane.start(kPaneApplyLoop, round == 0
                                   ? QStringList{kPaneBundle, QString::number(calibrationApplies)}
                                   : QStringList{kPaneBundle});
    ASSERT_TRUE(pane.waitForStarted(10000));
    QByteArray output;
    ASSERT_TRUE(waitUntil(
        [&] {
          output += pane.readAllStandardOutput();
          return output.contains('\n') || pane.state() == QProcess::NotRunning;
        },
        60s))
        << "the pane did not load";
    ASSERT_TRUE(output.startsWith("ready ")) << "round " << round << ": " << output.toStdString()
                                             << pane.readAllStandardError().toStdString();
    const std::optional<State> ready = parseState(output.left(output.indexOf('\n')));
    ASSERT_TRUE(ready);
    EXPECT_TRUE(before == withSwitches(ready->first, ready->second))
        << "round " << round << ": the pane shows the switches of the file it loaded";

    Kill kill;
    if (round == 0) {
      QElapsedTimer applying;
      applying.start();
      ASSERT_TRUE(pane.waitForFinished(60000));
      applyMs = std::max<qint64>(1, applying.elapsed() / calibrationApplies);
      EXPECT_EQ(pane.exitStatus(), QProcess::NormalExit);
      EXPECT_EQ(pane.exitCode(), 0);
    } else {
      const qint64 pid = pane.processId();
      auto signal = [&](int s) {
        return pane.state() != QProcess::NotRunning && ::kill(pid_t(pid), s) == 0;
      };
      watch.drain();
      waitForKillMoment(round, pid, path, watch, rng, std::chrono::microseconds(applyMs * 3000),
                        std::chrono::microseconds(3000), 60s);
      kill = freezeAndKill(pid, signal, path);
      ASSERT_TRUE(kill.killed) << "round " << round << ": the pane ended by itself";
      ASSERT_TRUE(pane.waitForFinished(30000));
      tally.count(kill);
    }
    output += pane.readAllStandardOutput();

    // The states the pane announced, in order; the file must hold the state being applied when
    // it died or, if that Apply had not finished, the one before.
    std::vector<State> states{*ready};
    bool lastDone = true;
    for (const QByteArray& line : output.split('\n')) {
      if (line.startsWith("apply ")) {
        const std::optional<State> state = parseState(line);
        ASSERT_TRUE(state) << line.toStdString();
        states.push_back(*state);
        lastDone = false;
      } else if (line == "done") {
        lastDone = true;
      }
    }
    ASSERT_TRUE(QFileInfo::exists(path)) << "round " << round << ": the settings file is missing";
    const PlistValue after = settings::read(path);
    ASSERT_TRUE(after.isDictionary())
        << "round " << round << ": the settings file does not read completely";
    const State newest = states.back();
    const bool written = after == withSwitches(newest.first, newest.second);
    bool previous = false;
    if (!lastDone) {
      const State older = states[states.size() - 2];
      previous = after == withSwitches(older.first, older.second);
    }
    ASSERT_TRUE(written || previous)
        << "round " << round << ": after " << states.size() - 1 << " applies ("
        << (lastDone ? "the last finished" : "the last unfinished")
        << ") the file holds neither the settings being written nor the ones before";
    if (round > 0) {
      tally.written += written;
      tally.previous += previous && !written;
    }
    tally.collectLeftovers(path);
  }
  std::printf("crash-safety pane: %s bytes, an Apply takes about %lld ms; %.1f s in all\n",
              qPrintable(QString::number(QFileInfo(path).size())), applyMs,
              clock.elapsed() / 1000.0);
  tally.print("crash-safety pane");
  EXPECT_GT(tally.midWrite, 0) << "no kill landed while the file was being written";
}

}  // namespace
}  // namespace halvane::test
