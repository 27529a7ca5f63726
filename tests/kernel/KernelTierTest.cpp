// Judges what the kernel tier's guest saw (guest_cases.py writes one JSON file per case into
// the results folder; the kernel_guest test boots the guest first). Every check is on what the
// guest's own nodes delivered: evdev events, feature reports read back through hidraw, udev's
// view of the nodes, the helper's open files as /proc shows them.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

// Failures show text, not the bytes.
void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

struct Key {
  double time;
  int code;
  int value;
  bool operator==(const std::pair<int, int>& other) const {
    return code == other.first && value == other.second;
  }
};

QString resultsPath(const QString& name) {
  return QStringLiteral(KERNEL_RESULTS_DIR "/") + name;
}

QByteArray readResult(const QString& name) {
  QFile file(resultsPath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<Key> keys(const QJsonValue& events) {
  std::vector<Key> out;
  for (const QJsonValue& event : events.toArray()) {
    const QJsonArray e = event.toArray();
    if (e.at(1).toInt() == EV_KEY)
      out.push_back({e.at(0).toDouble(), e.at(2).toInt(), e.at(3).toInt()});
  }
  return out;
}

std::vector<std::pair<int, int>> presses(const std::vector<Key>& keys) {
  std::vector<std::pair<int, int>> out;
  for (const Key& key : keys) out.emplace_back(key.code, key.value);
  return out;
}

bool hasLine(const QJsonValue& lines, const QString& text) {
  for (const QJsonValue& line : lines.toArray())
    if (line.toString().contains(text)) return true;
  return false;
}

std::set<QString> strings(const QJsonValue& array, const QString& key) {
  std::set<QString> out;
  for (const QJsonValue& item : array.toArray()) out.insert(item[key].toString());
  return out;
}

// A key pressed and never released on the node.
std::vector<int> stuckKeys(const std::vector<Key>& keys) {
  std::map<int, int> last;
  for (const Key& key : keys) last[key.code] = key.value;
  std::vector<int> stuck;
  for (const auto& [code, value] : last)
    if (value != 0) stuck.push_back(code);
  return stuck;
}

// L1: Shift-H, 400 ms, Command-I (the empty step between them plays nothing).
const std::vector<std::pair<int, int>> kL1Macro = {
    {KEY_LEFTSHIFT, 1}, {KEY_H, 1}, {KEY_H, 0}, {KEY_LEFTSHIFT, 0},
    {KEY_LEFTMETA, 1},  {KEY_I, 1}, {KEY_I, 0}, {KEY_LEFTMETA, 0}};

class KernelTier : public ::testing::Test {
 protected:
  void SetUp() override {
    const QByteArray skipped = readResult(QStringLiteral("skipped"));
    if (!skipped.isEmpty()) GTEST_SKIP() << skipped.trimmed().toStdString();
    ASSERT_TRUE(QFile::exists(resultsPath(QStringLiteral("done"))))
        << "the guest did not run to its end (see the kernel_guest test)";
  }

  // The case's result; a case that threw in the guest fails here with its traceback.
  QJsonObject result(const char* name) {
    const QByteArray text = readResult(QString::fromLatin1(name) + QStringLiteral(".json"));
    const QJsonObject object = QJsonDocument::fromJson(text).object();
    EXPECT_FALSE(object.isEmpty()) << name << ".json is missing";
    EXPECT_FALSE(object.contains(QStringLiteral("error")))
        << object[QStringLiteral("error")].toString().toStdString();
    EXPECT_TRUE(object[QStringLiteral("helper_alive")].toBool()) << "the helper died";
    return object;
  }
};

TEST_F(KernelTier, HidrawFound) {
  const QJsonObject r = result("hidraw_found");
  const QJsonArray nodes = r[QStringLiteral("nodes")].toArray();
  ASSERT_EQ(nodes.size(), 2);
  // The kernel's hidraw nodes carry the two interfaces' own descriptors.
  std::map<QString, QString> byInterface;
  for (const QJsonValue& node : nodes)
    byInterface[node[QStringLiteral("phys")].toString().section(u'/', -1)] =
        node[QStringLiteral("descriptor")].toString().left(8);
  EXPECT_EQ(byInterface[QStringLiteral("input0")], QStringLiteral("05010906"));  // keyboard
  EXPECT_EQ(byInterface[QStringLiteral("input1")], QStringLiteral("050c0901"));  // consumer
  // Opened read-write, so driver settings can go out on the same descriptor.
  std::set<QString> openReadWrite;
  for (const QJsonValue& file : r[QStringLiteral("helper_files")].toArray())
    if (file[QStringLiteral("mode")].toString() == QStringLiteral("rw"))
      openReadWrite.insert(file[QStringLiteral("target")].toString());
  EXPECT_EQ(openReadWrite, strings(nodes, QStringLiteral("devnode")));
}

TEST_F(KernelTier, MacroArrivesOnUinputInOrder) {
  const QJsonObject r = result("macro");
  // udev classes the helper's device as a keyboard, so the desktop takes its keys.
  EXPECT_EQ(r[QStringLiteral("properties")][QStringLiteral("ID_INPUT_KEYBOARD")].toString(),
            QStringLiteral("1"));
  const std::vector<Key> got = keys(r[QStringLiteral("events")]);
  ASSERT_EQ(presses(got), kL1Macro);
  // The step's 400 ms pause lies between the two combinations, not inside one.
  EXPECT_GE(got[4].time - got[3].time, 0.39);
  EXPECT_LT(got[3].time - got[0].time, 0.39);
}

// The sysfs capability mask (hexadecimal words, the highest first) has bit `code`.
bool hasCapability(const QString& mask, int code) {
  const QStringList words = mask.split(u' ', Qt::SkipEmptyParts);
  const int bits = QT_POINTER_SIZE * 8;
  const qsizetype word = words.size() - 1 - code / bits;
  return word >= 0 && (words[word].toULongLong(nullptr, 16) >> (code % bits) & 1);
}

TEST_F(KernelTier, MouseStepsArriveOnTheUinputPointer) {
  const QJsonObject r = result("mouse_steps");
  // udev classes the helper's pointer as a mouse, so the desktop takes its buttons.
  EXPECT_EQ(r[QStringLiteral("properties")][QStringLiteral("ID_INPUT_MOUSE")].toString(),
            QStringLiteral("1"));
  const QJsonObject caps = r[QStringLiteral("capabilities")].toObject();
  for (int button : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA})
    EXPECT_TRUE(hasCapability(caps[QStringLiteral("key")].toString(), button)) << button;
  for (int axis : {REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES})
    EXPECT_TRUE(hasCapability(caps[QStringLiteral("rel")].toString(), axis)) << axis;
  // {type, code, value} of every button and wheel event, in order.
  std::vector<std::vector<int>> got;
  for (const QJsonValue& event : r[QStringLiteral("events")].toArray()) {
    const QJsonArray e = event.toArray();
    if (e.at(1).toInt() == EV_KEY || e.at(1).toInt() == EV_REL)
      got.push_back({e.at(1).toInt(), e.at(2).toInt(), e.at(3).toInt()});
  }
  const std::vector<std::vector<int>> expected = {
      {EV_KEY, BTN_LEFT, 1},   {EV_KEY, BTN_LEFT, 0},
      {EV_REL, REL_WHEEL, -3}, {EV_REL, REL_WHEEL_HI_RES, -360},
      {EV_KEY, BTN_RIGHT, 1},  {EV_KEY, BTN_RIGHT, 0}};
  EXPECT_EQ(got, expected);
}

TEST_F(KernelTier, ProfileKeySendsFeatureReport) {
  const QJsonArray steps = result("profile_switch")[QStringLiteral("steps")].toArray();
  ASSERT_EQ(steps.size(), 2);
  struct Expected {
    const char* said;
    const char* report;  // report ID, SwapCmdAlt and MacroMask as int32le
    const char* profile;
  };
  const Expected expected[] = {
      {"driver settings: SwapCmdAlt=1 MacroMask=9", "480100000009000000", "2"},
      {"driver settings: SwapCmdAlt=0 MacroMask=7", "480000000007000000", "0"}};
  for (int i = 0; i < 2; ++i) {
    const QJsonObject step = steps[i].toObject();
    SCOPED_TRACE(step[QStringLiteral("command")].toString().toStdString());
    EXPECT_TRUE(
        hasLine(step[QStringLiteral("device_said")], QString::fromLatin1(expected[i].said)));
    EXPECT_EQ(step[QStringLiteral("feature_read_back")].toString(),
              QString::fromLatin1(expected[i].report));
    EXPECT_EQ(step[QStringLiteral("current_profile")].toString(),
              QString::fromLatin1(expected[i].profile));
  }
}

TEST_F(KernelTier, MediaAndEjectKeys) {
  const QJsonObject r = result("media_and_eject");
  // Play and Next reached the player, in the order the keys were pressed.
  QStringList player;
  for (const QJsonValue& line : r[QStringLiteral("player")].toArray()) player << line.toString();
  EXPECT_EQ(player, (QStringList{QStringLiteral("serving"), QStringLiteral("PlayPause"),
                                 QStringLiteral("Next")}));
  EXPECT_EQ(r[QStringLiteral("properties")][QStringLiteral("ID_INPUT_KEY")].toString(),
            QStringLiteral("1"));
  const std::vector<std::pair<int, int>> eject = {{KEY_EJECTCD, 1}, {KEY_EJECTCD, 0}};
  EXPECT_EQ(presses(keys(r[QStringLiteral("events")])), eject);
}

// 73-seat-late.rules hands a node to the seat's user only if it has the uaccess tag when its
// turn comes: udev's own run over the node shows whether it did.
bool seatLateApplied(const QJsonValue& node) {
  for (const QJsonValue& line : node[QStringLiteral("test_output")].toArray())
    if (line.toString().contains(QStringLiteral("73-seat-late.rules")) &&
        line.toString().contains(QStringLiteral("'uaccess'")))
      return true;
  return false;
}

bool taggedUaccess(const QJsonValue& node) {
  return node[QStringLiteral("properties")][QStringLiteral("TAGS")].toString().contains(
      QStringLiteral(":uaccess:"));
}

TEST_F(KernelTier, UdevRuleTagsUaccessBeforeSeatLate) {
  const QJsonObject r = result("udev_rule");
  const QJsonArray ours = r[QStringLiteral("ours")].toArray();
  ASSERT_EQ(ours.size(), 2);
  for (const QJsonValue& node : ours) {
    SCOPED_TRACE(node[QStringLiteral("devnode")].toString().toStdString());
    EXPECT_TRUE(taggedUaccess(node));
    EXPECT_TRUE(seatLateApplied(node));
  }
  // Another keyboard, same vendor, other product: nothing tags it, so seat-late leaves it be.
  const QJsonArray other = r[QStringLiteral("other")].toArray();
  ASSERT_EQ(other.size(), 1);
  EXPECT_FALSE(taggedUaccess(other[0]));
  EXPECT_FALSE(seatLateApplied(other[0]));
}

TEST_F(KernelTier, UnprivilegedHelperSaysHowToFixAndRuns) {
  const QJsonObject r = result("permission");
  EXPECT_TRUE(hasLine(r[QStringLiteral("log")],
                      QStringLiteral("No permission to open the Halvane keyboard at /dev/hidraw")));
  EXPECT_TRUE(hasLine(r[QStringLiteral("log")], QStringLiteral("install Halvane's udev rules")));
  EXPECT_TRUE(r[QStringLiteral("running_after")].toBool())
      << "exit code " << r[QStringLiteral("exit_code")].toInt();
}

TEST_F(KernelTier, ReplugDuringMacro) {
  const QJsonObject r = result("replug");
  EXPECT_TRUE(r[QStringLiteral("helper_running")].toBool());
  const std::vector<Key> got = keys(r[QStringLiteral("events")]);
  // The unplug in L2's pause ends the macro there, so its B never comes; then L1 from the new
  // device.
  std::vector<std::pair<int, int>> expected = {{KEY_A, 1}, {KEY_A, 0}};
  expected.insert(expected.end(), kL1Macro.begin(), kL1Macro.end());
  EXPECT_EQ(presses(got), expected);
  EXPECT_EQ(stuckKeys(got), std::vector<int>{});
  // The old nodes are closed, the new ones open.
  EXPECT_EQ(strings(r[QStringLiteral("helper_files")], QStringLiteral("target")),
            strings(r[QStringLiteral("nodes_after")], QStringLiteral("devnode")));
}

TEST_F(KernelTier, HwdbEntryReservesVendorCodes) {
  const QJsonObject r = result("hwdb");
  const std::set<int> vendorKeys = {KEY_SLEEP, KEY_COFFEE, KEY_CALC};  // 0xF8, 0xF9, 0xFB
  for (const char* run : {"with_entry", "without_entry"}) {
    SCOPED_TRACE(run);
    const QJsonObject observed = r[QLatin1String(run)].toObject();
    const bool withEntry = QLatin1String(run) == QLatin1String("with_entry");
    const QJsonValue properties = observed[QStringLiteral("properties")];
    // udev did see the node as a keyboard both times; only the entry differs.
    EXPECT_EQ(properties[QStringLiteral("ID_INPUT_KEYBOARD")].toString(), QStringLiteral("1"));
    EXPECT_EQ(properties[QStringLiteral("KEYBOARD_KEY_700f8")].toString(),
              withEntry ? QStringLiteral("reserved") : QString());
    std::set<int> seen;
    bool sawA = false;
    for (const Key& key : keys(observed[QStringLiteral("events")])) {
      if (vendorKeys.count(key.code) && key.value == 1) seen.insert(key.code);
      sawA = sawA || (key.code == KEY_A && key.value == 1);
    }
    EXPECT_TRUE(sawA) << "the reports did not reach the kernel's own keyboard node";
    EXPECT_EQ(seen, withEntry ? std::set<int>{} : vendorKeys);
  }
}

// One check as halvanectl doctor printed it: its mark, its line, the fix lines below it.
struct DoctorLine {
  bool passed;
  QString text;
  QStringList fix;
};

std::vector<DoctorLine> doctorLines(const QJsonValue& output) {
  std::vector<DoctorLine> lines;
  for (const QJsonValue& value : output.toArray()) {
    const QString line = value.toString();
    if (line.startsWith(QStringLiteral("✔ ")) || line.startsWith(QStringLiteral("✘ ")))
      lines.push_back({line.startsWith(u'✔'), line.mid(2), {}});
    else if (line.startsWith(QStringLiteral("    ")) && !lines.empty())
      lines.back().fix << line.trimmed().remove(QRegularExpression(QStringLiteral("^fix: ")));
  }
  return lines;
}

const DoctorLine* lineStarting(const std::vector<DoctorLine>& lines, const QString& start) {
  for (const DoctorLine& line : lines)
    if (line.text.startsWith(start)) return &line;
  return nullptr;
}

// "/dev/a, /dev/b" or "(/dev/a, /dev/b)": doctor lists nodes in udev's order.
std::set<QString> nodeList(QString text) {
  text.remove(u'(').remove(u')');
  const QStringList names = text.split(QStringLiteral(", "), Qt::SkipEmptyParts);
  return {names.begin(), names.end()};
}

std::set<QString> nodeList(const QJsonValue& array) {
  std::set<QString> out;
  for (const QJsonValue& item : array.toArray()) out.insert(item.toString());
  return out;
}

TEST_F(KernelTier, DoctorSeesTheKeyboardRoadAndTheMissingHwdbEntry) {
  const QJsonObject r = result("doctor");
  for (const char* run : {"with_entry", "without_entry"}) {
    SCOPED_TRACE(run);
    const bool withEntry = QLatin1String(run) == QLatin1String("with_entry");
    const QJsonObject report = r[QLatin1String(run)].toObject();
    const std::vector<DoctorLine> lines = doctorLines(report[QStringLiteral("output")]);
    const std::set<QString> hidraw = nodeList(report[QStringLiteral("hidraw")]);
    const std::set<QString> input = nodeList(report[QStringLiteral("input")]);
    std::set<QString> tagged = hidraw;
    tagged.insert(QStringLiteral("/dev/uinput"));
    // What the kernel and udev have in the guest, in doctor's words.
    const std::pair<QString, std::set<QString>> passing[] = {
        {QStringLiteral("Keyboard: 2 interfaces "), hidraw},
        {QStringLiteral("Keyboard access: you can read and write "), hidraw},
        {QStringLiteral("/dev/uinput: writable"), {}},
        {QStringLiteral("udev rule: /run/udev/rules.d/70-halvane.rules"), {}},
        {QStringLiteral("udev rule applied: uaccess on "), tagged}};
    for (const auto& [start, nodes] : passing) {
      const DoctorLine* line = lineStarting(lines, start);
      ASSERT_NE(line, nullptr) << "no line " << start.toStdString();
      EXPECT_TRUE(line->passed) << line->text.toStdString();
      EXPECT_EQ(nodeList(line->text.mid(start.size())), nodes) << line->text.toStdString();
    }
    const QString hwdbPassed = QStringLiteral("hwdb entry: macro keys are no system keys on ");
    const DoctorLine* hwdb = lineStarting(lines, QStringLiteral("hwdb entry"));
    ASSERT_NE(hwdb, nullptr);
    if (withEntry) {
      EXPECT_TRUE(hwdb->passed) << hwdb->text.toStdString();
      EXPECT_EQ(nodeList(hwdb->text.mid(hwdbPassed.size())), input) << hwdb->text.toStdString();
      EXPECT_EQ(report[QStringLiteral("exit_code")].toInt(), 0)
          << "a check failed besides the hwdb's";
      continue;
    }
    // The kernel's own keyboard node maps 0xF8 to KEY_SLEEP, which doctor read from the node.
    EXPECT_FALSE(hwdb->passed);
    const QString keyboardNode = report[QStringLiteral("input")][0].toString();
    EXPECT_TRUE(hwdb->text.contains(keyboardNode + QStringLiteral(" maps it to KEY_SLEEP")))
        << hwdb->text.toStdString();
    // The fix installs a file that is there, and compiles and applies the hwdb.
    ASSERT_EQ(hwdb->fix.size(), 2);
    const QStringList install = hwdb->fix[0].split(u' ');
    ASSERT_EQ(install.size(), 6) << hwdb->fix[0].toStdString();
    EXPECT_EQ(install.mid(0, 4).join(u' '), QStringLiteral("sudo install -m 644"));
    EXPECT_TRUE(QFile::exists(install[4])) << install[4].toStdString();
    EXPECT_EQ(install[5], QStringLiteral("/etc/udev/hwdb.d/70-halvane.hwdb"));
    EXPECT_TRUE(
        hwdb->fix[1].startsWith(QStringLiteral("sudo systemd-hwdb update && sudo udevadm trigger")))
        << hwdb->fix[1].toStdString();
    EXPECT_NE(report[QStringLiteral("exit_code")].toInt(), 0);
    // Nothing else newly wrong: every other ✘ line was in the run with the entry too.
    std::set<QString> failedWithEntry;
    for (const DoctorLine& line :
         doctorLines(r[QStringLiteral("with_entry")][QStringLiteral("output")]))
      if (!line.passed) failedWithEntry.insert(line.text);
    for (const DoctorLine& line : lines) {
      if (!line.passed && &line != hwdb) {
        EXPECT_TRUE(failedWithEntry.count(line.text)) << line.text.toStdString();
      }
    }
  }
}

std::vector<int> ints(const QJsonValue& array) {
  std::vector<int> out;
  for (const QJsonValue& item : array.toArray()) out.push_back(item.toInt());
  return out;
}

// L3 is Shift-X, a 5 s pause, then B. Stopped in the pause, the macro never types its B.
TEST_F(KernelTier, StopDuringMacroPause) {
  const QJsonObject r = result("stop_during_macro");
  const std::vector<std::pair<int, int>> firstStep = {
      {KEY_LEFTSHIFT, 1}, {KEY_X, 1}, {KEY_X, 0}, {KEY_LEFTSHIFT, 0}};
  constexpr double kPause = 5.0;
  std::map<QString, double> pauseStart;
  for (const char* how : {"unplug", "sigterm"}) {
    SCOPED_TRACE(how);
    const QJsonObject stop = r[QLatin1String(how)].toObject();
    const std::vector<Key> got = keys(stop[QStringLiteral("events")]);
    ASSERT_EQ(presses(got), firstStep);
    EXPECT_EQ(stuckKeys(got), std::vector<int>{});
    // The kernel's own record of the helper's device: nothing held down in the pause.
    EXPECT_EQ(ints(stop[QStringLiteral("held_in_pause")]), std::vector<int>{});
    pauseStart[QLatin1String(how)] = got.back().time;
  }

  const QJsonObject unplug = r[QStringLiteral("unplug")].toObject();
  EXPECT_EQ(ints(unplug[QStringLiteral("held_after")]), std::vector<int>{});
  // halvanectl profile, asked in the pause, has its answer at once: the pause runs on.
  const QJsonObject idle = unplug[QStringLiteral("profile_idle")].toObject();
  const QJsonObject during = unplug[QStringLiteral("profile_during")].toObject();
  EXPECT_EQ(during[QStringLiteral("exit_code")].toInt(), 0)
      << during[QStringLiteral("errors")][0].toString().toStdString();
  EXPECT_TRUE(during[QStringLiteral("output")][0].toString().startsWith(QStringLiteral("1 - ")));
  EXPECT_EQ(during[QStringLiteral("output")], idle[QStringLiteral("output")]);
  int inPause = 0;
  for (const QJsonValue& trip : unplug[QStringLiteral("round_trips")].toArray()) {
    const double called = trip[QStringLiteral("called")].toDouble();
    const double answered = trip[QStringLiteral("answered")].toDouble();
    if (called < pauseStart[QStringLiteral("unplug")]) continue;
    ++inPause;
    EXPECT_LT(answered, pauseStart[QStringLiteral("unplug")] + kPause)
        << "answered after the pause";
    EXPECT_LE(answered - called, 0.05);
  }
  EXPECT_EQ(inPause, 1) << "the bus saw no getCurrentProfile call in the pause";

  const QJsonObject sigterm = r[QStringLiteral("sigterm")].toObject();
  const double signalled = sigterm[QStringLiteral("signalled")].toDouble();
  EXPECT_GT(signalled, pauseStart[QStringLiteral("sigterm")]);
  EXPECT_LT(signalled, pauseStart[QStringLiteral("sigterm")] + kPause);
  // The helper is gone before the pause would have ended; a loop blocked in the pause would
  // have waited for it. (How fast it exits is no figure here: the guest is emulated, and its
  // teardown takes many times what it takes a real machine, more when this one is busy.)
  ASSERT_TRUE(sigterm[QStringLiteral("exit_seconds")].isDouble()) << "the helper did not exit";
  EXPECT_LT(signalled + sigterm[QStringLiteral("exit_seconds")].toDouble(),
            pauseStart[QStringLiteral("sigterm")] + kPause)
      << "exit took " << sigterm[QStringLiteral("exit_seconds")].toDouble() << " s";
  EXPECT_EQ(sigterm[QStringLiteral("exit_code")].toInt(), 0);
  EXPECT_TRUE(sigterm[QStringLiteral("node_removed")].toBool());
}

}  // namespace

namespace {

// German layout from the environment: "zy@ä" are the keys Y, Z, AltGr+Q and the key right of
// L; the check mark is in no layout, so uinput cannot type it and the typist says so.
TEST_F(KernelTier, TextTypedInTheEnvironmentsLayout) {
  const QJsonObject r = result("text_layout");
  const std::vector<std::pair<int, int>> expected = {
      {KEY_Y, 1}, {KEY_Y, 0}, {KEY_Z, 1},        {KEY_Z, 0},          {KEY_RIGHTALT, 1},
      {KEY_Q, 1}, {KEY_Q, 0}, {KEY_RIGHTALT, 0}, {KEY_APOSTROPHE, 1}, {KEY_APOSTROPHE, 0}};
  EXPECT_EQ(presses(keys(r[QStringLiteral("events")])), expected);
  QStringList said;
  for (const QJsonValue& line : r[QStringLiteral("said")].toArray()) said << line.toString();
  EXPECT_EQ(said, (QStringList{QStringLiteral("typed 4"), QStringLiteral("untypable ✓")}));

  // 1,000 characters at the typist's pace: every one arrives, and the kernel dropped nothing.
  const QJsonObject longText = r[QStringLiteral("long")].toObject();
  const QJsonArray longSaid = longText[QStringLiteral("said")].toArray();
  ASSERT_FALSE(longSaid.isEmpty());
  EXPECT_EQ(longSaid[0].toString(), QStringLiteral("typed 1000"));
  EXPECT_EQ(longText[QStringLiteral("presses")].toInt(), 1000);
  EXPECT_EQ(longText[QStringLiteral("dropped")].toInt(), 0);
  std::cout << "1,000 characters reached the evdev node in "
            << longText[QStringLiteral("seconds")].toDouble() << " s\n";
}

}  // namespace
