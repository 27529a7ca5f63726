// Profile switches, automatic switching with the front application, loading and reloading.

#include "tests/helper/controller/ControllerRig.h"

#include "shared/plist/PlistFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

void bind(const PlistValue& tree, int profile, const QString& path, bool autoSwitching) {
  PlistValue record = ControllerRig::profile(tree, profile);
  record.set(QStringLiteral("ApplicationPath"), path);
  record.set(QStringLiteral("AutoSwitching"), autoSwitching);
}

// A: profile 3. B: profile 5. C: profile 6 (automatic switching off) and 7 (on).
// D: profile 8 (on) and 9 (off).
PlistValue boundSettings() {
  PlistValue tree = ControllerRig::defaultSettings();
  bind(tree, 3, QStringLiteral("/usr/bin/A"), true);
  bind(tree, 5, QStringLiteral("/usr/bin/B"), true);
  bind(tree, 6, QStringLiteral("/usr/bin/C"), false);
  bind(tree, 7, QStringLiteral("/usr/bin/C"), true);
  bind(tree, 8, QStringLiteral("/usr/bin/D"), true);
  bind(tree, 9, QStringLiteral("/usr/bin/D"), false);
  return tree;
}

struct Event {
  enum Kind { Front, UnknownFront, Key, Override } kind;
  QString path = {};
  int value = 0;
};
Event front(const char* name) {
  return {Event::Front, name[0] ? QStringLiteral("/usr/bin/") + QLatin1String(name) : QString()};
}
const Event unknownFront{Event::UnknownFront};
Event key(int profile) {
  return {Event::Key, {}, profile};
}
Event overrideSwitching(bool on) {
  return {Event::Override, {}, on};
}

struct AutoCase {
  const char* name;
  int startProfile;
  std::vector<Event> events;
  QStringList notified;
  int current, autoSwitched, previous;
};

const std::vector<AutoCase> kAutoCases = {
    {"manual, bound application: remember the profile and switch",
     0,
     {front("A")},
     {"notify 3"},
     3,
     3,
     0},
    {"manual, unbound application: nothing", 0, {front("X")}, {}, 0, -1, 0},
    {"switched, another bound application: switch, keep the profile to return to",
     0,
     {front("A"), front("B")},
     {"notify 3", "notify 5"},
     5,
     5,
     0},
    {"switched, unbound application: back",
     0,
     {front("A"), front("X")},
     {"notify 3", "notify 0"},
     0,
     -1,
     0},
    {"A, then B, then unbound: back to the profile from before A",
     0,
     {front("A"), front("B"), front("X")},
     {"notify 3", "notify 5", "notify 0"},
     0,
     -1,
     0},
    {"user switched meanwhile: no switch back, manual again",
     0,
     {front("A"), key(2), front("X")},
     {"notify 3", "notify 2"},
     2,
     -1,
     0},
    {"the same application again switches again",
     0,
     {front("A"), front("A")},
     {"notify 3", "notify 3"},
     3,
     3,
     0},
    {"returns to the profile current before",
     4,
     {front("A"), front("X")},
     {"notify 3", "notify 4"},
     4,
     -1,
     4},
    {"a profile chosen by key is the one returned to",
     0,
     {key(6), front("A"), front("X")},
     {"notify 6", "notify 3", "notify 6"},
     6,
     -1,
     6},
    {"override: nothing switches", 0, {overrideSwitching(true), front("A")}, {}, 0, -1, 0},
    {"override keeps the remembered state, in force when turned off",
     0,
     {front("A"), overrideSwitching(true), front("X"), overrideSwitching(false), front("X")},
     {"notify 3", "notify 0"},
     0,
     -1,
     0},
    {"lower of two profiles with one path is off: the application is unbound",
     0,
     {front("C"), front("A"), front("C")},
     {"notify 3", "notify 0"},
     0,
     -1,
     0},
    {"lower of two profiles with one path is on: it is chosen",
     0,
     {front("D")},
     {"notify 8"},
     8,
     8,
     0},
    {"a front application whose path is unknown is unbound",
     0,
     {front("A"), unknownFront},
     {"notify 3", "notify 0"},
     0,
     -1,
     0},
    {"an empty path matches no profile", 0, {front("")}, {}, 0, -1, 0},
    {"paths compare exactly", 0, {front("a"), front("A/")}, {}, 0, -1, 0},
};

class AutomaticSwitching : public testing::TestWithParam<AutoCase> {};

TEST_P(AutomaticSwitching, StateTable) {
  const AutoCase& c = GetParam();
  ControllerRig rig;
  rig.load(boundSettings());
  rig.controller->installApplicationSwitchHandler();
  rig.controller->setCurrentProfile(c.startProfile);
  rig.take();
  for (const Event& e : c.events) {
    switch (e.kind) {
      case Event::Front:
        rig.front.bringToFront(e.path);
        break;
      case Event::UnknownFront:
        rig.front.bringToFront(std::nullopt);
        break;
      case Event::Key:
        rig.controller->switchToProfile(e.value, true);
        break;
      case Event::Override:
        rig.controller->prefs().set(QStringLiteral("AutoSwitchingOverride"), bool(e.value));
        break;
    }
  }
  EXPECT_EQ(rig.take({"notify"}), c.notified) << c.name;
  EXPECT_EQ(rig.controller->getCurrentProfile(), c.current) << c.name;
  EXPECT_EQ(rig.controller->currentAutoSwitchProfile(), c.autoSwitched) << c.name;
  EXPECT_EQ(rig.controller->prevAutoSwitchProfile(), c.previous) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Golden, AutomaticSwitching, testing::ValuesIn(kAutoCases));

TEST(AutomaticSwitchingShortList, SearchesTheProfilesThereAre) {
  ControllerRig rig;
  PlistValue tree = boundSettings();
  PlistValue profiles = tree[QStringLiteral("Profiles")];
  while (profiles.count() > 3) profiles.removeAt(profiles.count() - 1);
  bind(tree, 2, QStringLiteral("/usr/bin/E"), true);
  rig.load(tree);
  rig.controller->handleNewFrontmostApplication({QStringLiteral("/usr/bin/A")});  // was profile 3
  rig.controller->handleNewFrontmostApplication({QStringLiteral("/usr/bin/E")});
  EXPECT_EQ(rig.take({"notify"}), QStringList{"notify 2"});
}

// An application is known by its desktop entry's files and its executable: a profile bound to
// any one of them is its profile, and the lowest such profile counts.
TEST(AutomaticSwitchingByNames, TheFirstProfileNamingAnyOfTheApplicationsNamesCounts) {
  const QString user = QStringLiteral("/home/u/.local/share/applications/org.gnome.gedit.desktop");
  const QString system = QStringLiteral("/usr/share/applications/org.gnome.gedit.desktop");
  const QString exe = QStringLiteral("/usr/bin/gedit");
  const struct {
    const char* name;
    std::vector<std::pair<int, QString>> bound;  // profile, ApplicationPath (AutoSwitching on)
    QStringList names;
    int expected;
  } cases[] = {
      {"the system entry, the user's override in front", {{4, system}}, {user, system, exe}, 4},
      {"the user's entry", {{4, user}}, {user, system, exe}, 4},
      {"an old file's executable path", {{2, exe}}, {system, exe}, 2},
      {"lowest index wins over the name's order", {{6, system}, {2, exe}}, {system, exe}, 2},
      {"no name of the application",
       {{4, QStringLiteral("/usr/share/applications/x.desktop")}},
       {system, exe},
       -1},
      {"a case difference is another path", {{4, system.toUpper()}}, {system}, -1},
      {"an application without names", {{4, system}}, {}, -1},
  };
  for (const auto& c : cases) {
    ControllerRig rig;
    PlistValue tree = ControllerRig::defaultSettings();
    for (const auto& [profile, path] : c.bound) bind(tree, profile, path, true);
    rig.load(tree);
    rig.controller->installApplicationSwitchHandler();
    FrontApplication app;
    app.window = WindowFacts{};
    app.application.desktopFiles = c.names.filter(QStringLiteral(".desktop"));
    app.application.executable = c.names.contains(exe) ? exe : QString();
    rig.front.bringToFront(app);
    EXPECT_EQ(rig.controller->profileForApplication(c.names), c.expected) << c.name;
    EXPECT_EQ(rig.controller->getCurrentProfile(), c.expected == -1 ? 0 : c.expected) << c.name;
  }
}

class Switching : public testing::Test {
 protected:
  void SetUp() override {
    rig.load(ControllerRig::defaultSettings());
    rig.controller->InitKeyboard();
    rig.attach();
    rig.attach(keyboard::kSecondProductID, true);
    rig.take();
  }
  ControllerRig rig;
};

TEST_F(Switching, ShowsTheNameSendsDriverSettingsAndBroadcasts) {
  rig.controller->switchToProfile(4, true);
  EXPECT_EQ(rig.take(), QStringList({"overlay Profile 5", "driver 0x1001 1 0", "driver 0x1002 1 0",
                                     "notify 4"}));
  EXPECT_EQ(rig.controller->getCurrentProfile(), 4);
  // The current profile again does it all again.
  rig.controller->switchToProfile(4, true);
  EXPECT_EQ(rig.take().size(), 4);
}

TEST_F(Switching, FromThePaneWithoutNotification) {
  rig.controller->setCurrentProfile(7);
  rig.controller->setCurrentProfile(7);
  EXPECT_EQ(rig.take(),
            QStringList({"overlay Profile 8", "driver 0x1001 1 0", "driver 0x1002 1 0",
                         "overlay Profile 8", "driver 0x1001 1 0", "driver 0x1002 1 0"}));
  EXPECT_EQ(rig.controller->getCurrentProfile(), 7);
}

TEST_F(Switching, OverlayOnlyWhenChangesAreShownOnScreen) {
  rig.controller->prefs().set(QStringLiteral("ShowChangesOnScreen"), false);
  rig.controller->switchToProfile(1, true);
  rig.controller->setItsWindow(nullptr);
  rig.controller->prefs().set(QStringLiteral("ShowChangesOnScreen"), true);
  rig.controller->switchToProfile(2, true);
  EXPECT_EQ(rig.take({"overlay", "notify"}), QStringList({"notify 1", "notify 2"}));
}

TEST_F(Switching, ToAProfileThatIsNotThereChangesNothing) {
  rig.controller->switchToProfile(3, false);
  rig.take();
  rig.controller->switchToProfile(10, true);
  rig.controller->setCurrentProfile(-1);
  EXPECT_EQ(rig.take(), QStringList({"log switchToProfile: no profile 10, staying on profile 3",
                                     "log switchToProfile: no profile -1, staying on profile 3"}));
  EXPECT_EQ(rig.controller->getCurrentProfile(), 3);
}

TEST_F(Switching, ReloadKeepsTheIndexAndAppliesTheNewSettings) {
  rig.controller->setCurrentProfile(4);
  rig.take();
  PlistValue tree = ControllerRig::defaultSettings();
  ControllerRig::profile(tree, 4).set(QStringLiteral("SwapCmdAlt"), false);
  ControllerRig::setMacro(tree, 4, 1, {{30}});
  rig.writeSettingsFile(tree);

  rig.controller->reloadPrefs();
  EXPECT_EQ(rig.take(), QStringList({"driver 0x1001 0 2", "driver 0x1002 0 2"}));
  EXPECT_EQ(rig.controller->getCurrentProfile(), 4);
  rig.controller->macroKeyPressed(1);
  EXPECT_EQ(rig.takeFolded(), QStringList{"[30v 30^]"});
}

TEST_F(Switching, FailedReloadLeavesNoSettings) {
  QFile::remove(rig.bundlePath() + QStringLiteral("/Contents/Resources/defaults.plist"));
  QFile::remove(rig.settingsPath());
  rig.controller->reloadPrefs();
  EXPECT_EQ(rig.take(), QStringList({"log No Prefs File!",
                                     "log Could not create " + rig.settingsPath() +
                                         ": the program's bundle holds no default settings"}));
  EXPECT_TRUE(rig.controller->prefs().isNone());
  // Without settings a switch still happens, with zero driver settings and no overlay.
  rig.controller->switchToProfile(0, true);
  EXPECT_EQ(rig.take(), QStringList({"driver 0x1001 0 0", "driver 0x1002 0 0", "notify 0"}));
}

TEST(LoadPreferences, CreatesTheFileFromTheBundlesDefaults) {
  ControllerRig rig;
  rig.controller->loadPreferences();
  EXPECT_EQ(rig.take(), QStringList());
  EXPECT_EQ(readPlistFile(rig.settingsPath()), ControllerRig::defaultSettings());
  EXPECT_EQ(rig.controller->prefs(), ControllerRig::defaultSettings());
}

TEST(LoadPreferences, WithoutSettingsTheTenProfilesOfTheFormatStillSwitch) {
  ControllerRig rig;
  QFile::remove(rig.bundlePath() + QStringLiteral("/Contents/Resources/defaults.plist"));
  rig.controller->loadPreferences();
  rig.controller->switchToProfile(9, true);
  rig.controller->switchToProfile(10, true);
  EXPECT_EQ(rig.take(),
            QStringList({"log No Prefs File!",
                         "log Could not create " + rig.settingsPath() +
                             ": the program's bundle holds no default settings",
                         "notify 9", "log switchToProfile: no profile 10, staying on profile 9"}));
}

}  // namespace
}  // namespace halvane::test
