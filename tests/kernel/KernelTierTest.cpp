// Judges what the kernel tier's guest saw (guest_cases.py writes one JSON file per case into
// the results folder; the kernel_guest test boots the guest first). Every check is on what the
// guest's own nodes delivered: evdev events, feature reports read back through hidraw, udev's
// view of the nodes, the helper's open files as /proc shows them.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <linux/input-event-codes.h>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <set>
#include <utility>
#include <vector>

// Failures show text, not the bytes.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

struct Key {
  double time;
  int code;
  int value;
  bool operator==(const std::pair<int, int>& other) const {
    return code == other.first && value == other.second;
  }
};

QString resultsPath(const QString& name) { return QStringLiteral(KERNEL_RESULTS_DIR "/") + name; }

QByteArray readResult(const QString& name) {
  QFile file(resultsPath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<Key> keys(const QJsonValue& events) {
  std::vector<Key> out;
  for (const QJsonValue& event : events.toArray()) {
    const QJsonArray e = event.toArray();
    if (e.at(1).toInt() == EV_KEY) out.push_back({e.at(0).toDouble(), e.at(2).toInt(), e.at(3).toInt()});
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
      {"driver settings: SwapCmdAlt=0 MacroMask=3", "480000000003000000", "0"}};
  for (int i = 0; i < 2; ++i) {
    const QJsonObject step = steps[i].toObject();
    SCOPED_TRACE(step[QStringLiteral("command")].toString().toStdString());
    EXPECT_TRUE(hasLine(step[QStringLiteral("device_said")], QString::fromLatin1(expected[i].said)));
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
  // L2's macro plays to its end across the unplug; then L1 from the new device.
  std::vector<std::pair<int, int>> expected = {{KEY_A, 1}, {KEY_A, 0}, {KEY_B, 1}, {KEY_B, 0}};
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

}  // namespace
