// halvane-preferences as a screen reader sees it, and used with the keyboard alone. Under a
// window manager (openbox on the test's X server), on a private bus with at-spi2-core's
// accessibility bus, an AT-SPI client (screen_reader.py, on pyatspi) walks the window and
// follows the focus and the announcements, while xdotool presses the keys of one whole task;
// the settings file then shows all of it.
#include "shared/plist/PlistFile.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/Openbox.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/XClient.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

const QString kProgram = QStringLiteral(HALVANE_BINARY_DIR "/bin/halvane-preferences");
const QString kScreenReader =
    QStringLiteral(HALVANE_SOURCE_DIR "/tests/tools/preferences/screen_reader.py");
const QString kBusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
const QString kPython = QStringLiteral("/usr/bin/python3");  // the one Debian's pyatspi is for

bool runs(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void press(const QStringList& keys) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys);
  xdotool.waitForFinished(5000);
}

void type(const QString& text) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("type"), text});
  xdotool.waitForFinished(5000);
}

// The AT-SPI client: one command a line in, one JSON answer a line out.
class ScreenReader {
 public:
  bool start(const QProcessEnvironment& environment) {
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(kPython, {kScreenReader, QStringLiteral("halvane-preferences")});
    return process_.waitForStarted(5000);
  }
  ~ScreenReader() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.write("quit\n");
    if (!process_.waitForFinished(3000)) process_.kill();  // our own child, by its pid
    process_.waitForFinished(2000);
  }

  QJsonValue ask(const char* command) {
    process_.write(command);
    process_.write("\n");
    while (!process_.canReadLine()) {
      if (!process_.waitForReadyRead(20000)) return {};
    }
    return QJsonDocument::fromJson("[" + process_.readLine() + "]").array().at(0);
  }
  QJsonArray walk() { return ask("walk").toArray(); }
  QJsonObject focus() { return ask("focus").toObject(); }

  // Waits until the focus is on an object whose role and name start with these (a tab and the
  // tab list it lies in both say "page tab").
  ::testing::AssertionResult waitForFocus(const QString& role, const QString& name) {
    QJsonObject now;
    if (waitUntil(
            [&] {
              now = focus();
              return now[QStringLiteral("role")].toString().startsWith(role) &&
                     now[QStringLiteral("name")].toString().startsWith(name);
            },
            10s))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the focus is on " << now[QStringLiteral("role")].toString().toStdString() << " \""
           << now[QStringLiteral("name")].toString().toStdString() << "\", not on "
           << role.toStdString() << " \"" << name.toStdString() << "…\"";
  }
  // What the alerts said since the last call.
  QStringList announcements() {
    QStringList said;
    for (const QJsonValue& text : ask("announcements").toArray()) said << text.toString();
    return said;
  }
  // Waits until an alert says text. (A screen reader reads an alert when it hears of it, so
  // alerts that follow each other at once can be heard as the last of them only.)
  ::testing::AssertionResult heard(const QString& text) {
    QStringList said;
    if (waitUntil([&] { return (said << announcements()).contains(text); }, 10s))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "heard only: " << said.join(u'|').toStdString();
  }

 private:
  QProcess process_;
};

QString describe(const QJsonObject& object) {
  return object[QStringLiteral("role")].toString() + QStringLiteral(" \"") +
         object[QStringLiteral("name")].toString() + QStringLiteral("\" at ") +
         object[QStringLiteral("path")].toString();
}

// The focusable objects that a screen reader could not name (or tell the kind of).
QStringList unnamedFocusable(const QJsonArray& objects) {
  QStringList unnamed;
  for (const QJsonValue& value : objects) {
    const QJsonObject object = value.toObject();
    const QString role = object[QStringLiteral("role")].toString();
    if (object.contains(QStringLiteral("error")))
      unnamed << object[QStringLiteral("error")].toString();
    if (!object[QStringLiteral("focusable")].toBool()) continue;
    if (role.isEmpty() || role == QLatin1String("invalid") || role == QLatin1String("unknown") ||
        object[QStringLiteral("name")].toString().trimmed().isEmpty())
      unnamed << describe(object);
  }
  return unnamed;
}

QStringList namesWithRole(const QJsonArray& objects, const QString& role) {
  QStringList names;
  for (const QJsonValue& value : objects) {
    if (value[QStringLiteral("role")].toString() == role)
      names << value[QStringLiteral("name")].toString();
  }
  return names;
}

class ScreenReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const QString missing = openboxMissing(); !missing.isEmpty())
      GTEST_SKIP() << missing.toStdString();
    if (!QFile::exists(kBusLauncher))
      GTEST_SKIP()
          << "at-spi2-core's accessibility bus launcher is missing (scripts/setup --tests)";
    if (!runs(kPython, {QStringLiteral("-c"), QStringLiteral("import pyatspi")}))
      GTEST_SKIP() << "python3-pyatspi is missing (scripts/setup --tests)";
    ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon could not be started";
    environment_ = bus_.environment();
    // Held for the whole test: an X server whose last client leaves resets itself, refusing
    // connections for a moment and dropping the root's properties (the accessibility bus's).
    x_ = XClient::connect();
    ASSERT_TRUE(x_);

    launcher_.setProcessEnvironment(environment_);
    launcher_.start(kBusLauncher, {QStringLiteral("--launch-immediately")});
    if (!launcher_.waitForStarted(5000) ||
        !waitUntil(
            [&] {
              return bus_.connection()
                  .interface()
                  ->isServiceRegistered(QStringLiteral("org.a11y.Bus"))
                  .value();
            },
            10s))
      GTEST_SKIP() << "the accessibility bus could not start here: "
                   << launcher_.readAllStandardError().trimmed().toStdString();

    openbox_.setProcessEnvironment(environment_);
    openbox_.setProcessChannelMode(QProcess::ForwardedChannels);
    ASSERT_TRUE(startOpenbox(openbox_)) << "openbox did not take the display";

    writeSettings();
    QProcessEnvironment pane = environment_;
    pane.insert(QStringLiteral("HOME"), home_.path());
    pane.remove(QStringLiteral("XDG_CONFIG_HOME"));
    pane.remove(QStringLiteral("HALVANE_SETTINGS"));
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
      pane.remove(QString::fromLatin1(name));
    pane.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));  // the source texts
    pane.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    pane.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    pane.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
    preferences_.setProcessEnvironment(pane);
    preferences_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    preferences_.start(kProgram, {});
    ASSERT_TRUE(preferences_.waitForStarted(5000));

    ASSERT_TRUE(reader_.start(environment_));
    ASSERT_TRUE(
        waitUntil([&] { return reader_.ask("ready")[QStringLiteral("ready")].toBool(); }, 20s))
        << "halvane-preferences did not appear on the accessibility bus";
  }

  void TearDown() override {
    for (QProcess* p : {&preferences_, &openbox_}) {
      if (p->state() == QProcess::NotRunning) continue;
      p->kill();  // our own children, by their pids
      p->waitForFinished(2000);
    }
    // Asked to end, the launcher takes its accessibility bus and the registry with it.
    if (launcher_.state() != QProcess::NotRunning) {
      launcher_.terminate();
      if (!launcher_.waitForFinished(5000)) launcher_.kill();
    }
  }

  // Defaults, with a macro on L1, an application on L3 and a profile switch on R1.
  void writeSettings() {
    const QString entry = home_.filePath(QStringLiteral("editor.desktop"));
    QFile desktop(entry);
    ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
    desktop.write("[Desktop Entry]\nType=Application\nName=Text Editor\nExec=true\n");
    desktop.close();

    PlistValue tree = readPlistFile(QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist"));
    PlistValue profiles = tree[QStringLiteral("Profiles")];
    profiles.at(1).set(QStringLiteral("Name"), QStringLiteral("Photo editing"));
    PlistValue keys = profiles.at(0)[QStringLiteral("MacroKeys")];
    PlistValue combo = keys.at(0)[QStringLiteral("KeyCombo")];
    keys.at(0).set(QStringLiteral("ActionType"), QStringLiteral("ExecuteMacro"));
    combo.set(QStringLiteral("keyCode0"), 8);  // C
    combo.set(QStringLiteral("modifiers0"), 0x1000);
    combo.set(QStringLiteral("delay0"), 500);
    combo.set(QStringLiteral("keyCode1"), 9);  // V
    combo.set(QStringLiteral("modifiers1"), 0x1000);
    combo.set(QStringLiteral("description"), QStringLiteral("(⌃C+500ms)(⌃V)"));
    keys.at(2).set(QStringLiteral("ActionType"), QStringLiteral("LaunchApp"));
    keys.at(2).set(QStringLiteral("LaunchAppURL"), entry);
    keys.at(5).set(QStringLiteral("ActionType"), QStringLiteral("SelectProfile"));
    keys.at(5).set(QStringLiteral("SelectProfile"), 1);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settingsPath()).path()));
    ASSERT_TRUE(settings::write(tree, settingsPath()));
  }
  QString settingsPath() const {
    return home_.filePath(QStringLiteral(".config/halvane/com.halvane.keyboard.plist"));
  }

  QTemporaryDir home_;
  PrivateBus bus_;
  QProcessEnvironment environment_;
  std::unique_ptr<XClient> x_;
  QProcess launcher_, openbox_, preferences_;
  ScreenReader reader_;
};

TEST_F(ScreenReaderTest, EveryControlIsNamedAndOneTaskNeedsOnlyTheKeyboard) {
  const QJsonArray window = reader_.walk();
  ASSERT_GT(window.size(), 50) << "the window is not on the accessibility bus";
  EXPECT_EQ(unnamedFocusable(window).join(u'|').toStdString(), "");

  // Each macro key is one button that says what the key does; its label is not said again.
  const QStringList buttons = namesWithRole(window, QStringLiteral("push button"));
  for (const char* expected :
       {"L1: types Control+C, waits 0.5 seconds, types Control+V", "L2: nothing assigned",
        "L3: opens Text Editor", "R1: switches to the profile “Photo editing”",
        "R5: nothing assigned"})
    EXPECT_EQ(buttons.count(QString::fromUtf8(expected)), 1) << expected;
  QStringList everything;
  for (const QJsonValue& object : window) everything << object[QStringLiteral("name")].toString();
  EXPECT_FALSE(everything.contains(QStringLiteral("(⌃C+500ms)(⌃V)")));
  EXPECT_EQ(namesWithRole(window, QStringLiteral("panel")).count(QStringLiteral("Macro keys")), 1);

  // Rename profile 3 in the table of the Profiles tab.
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("page tab"), QStringLiteral("Macro Keys")))
      << "the window did not start on its tabs";
  press({QStringLiteral("Right")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("page tab"), QStringLiteral("Profiles")));
  press({QStringLiteral("Tab"), QStringLiteral("Down"), QStringLiteral("Down")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("table cell"), QStringLiteral("Profile 3")));
  press({QStringLiteral("F2")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("text"), QStringLiteral("")));
  press({QStringLiteral("ctrl+a")});
  type(QStringLiteral("Gaming"));
  press({QStringLiteral("Return")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("table"), QStringLiteral("Profiles")));
  press({QStringLiteral("Up"), QStringLiteral("Down")});  // the cell again, as the user hears it
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("table cell"), QStringLiteral("Gaming")));

  // Back on the Macro Keys tab, which now shows profile 3: L2 is its second key.
  press({QStringLiteral("shift+Tab"), QStringLiteral("Left")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("page tab"), QStringLiteral("Macro Keys")));
  press({QStringLiteral("Tab")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("combo box"), QStringLiteral("3 - Gaming")));
  press({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Down")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("push button"), QStringLiteral("L2: ")));

  // Record Control+C, a pause of 0.1 seconds after it, then Control+V.
  press({QStringLiteral("Return")});
  ASSERT_TRUE(
      reader_.waitForFocus(QStringLiteral("push button"), QStringLiteral("Click here, then type")));
  EXPECT_TRUE(reader_.focus()[QStringLiteral("description")].toString().contains(
      QStringLiteral("Escape twice")));
  const QJsonArray editor = reader_.walk();
  EXPECT_EQ(unnamedFocusable(editor).join(u'|').toStdString(), "");
  EXPECT_EQ(namesWithRole(editor, QStringLiteral("radio button")).size(), 3);
  EXPECT_TRUE(
      namesWithRole(editor, QStringLiteral("push button")).contains(QStringLiteral("Add step")))
      << "the button that adds a text, mouse or wheel step";
  reader_.announcements();
  press({QStringLiteral("ctrl+c")});
  EXPECT_TRUE(reader_.heard(QStringLiteral("Recorded Control+C, key 1 of 8.")));
  press({QStringLiteral("Escape"), QStringLiteral("Escape")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("push button"), QStringLiteral("50 ms")))
      << "Escape twice did not leave the recorder";
  EXPECT_TRUE(reader_.heard(QStringLiteral("Recording stopped.")));
  press({QStringLiteral("Tab"), QStringLiteral("space")});
  EXPECT_TRUE(reader_.heard(QStringLiteral("After Control+C the macro waits 0.1 seconds.")));
  press({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab")});
  ASSERT_TRUE(
      reader_.waitForFocus(QStringLiteral("push button"), QStringLiteral("Click here, then type")));
  press({QStringLiteral("ctrl+v")});
  EXPECT_TRUE(reader_.heard(QStringLiteral("Recorded Control+V, key 2 of 8.")));
  press({QStringLiteral("Escape"), QStringLiteral("Escape")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("push button"), QStringLiteral("50 ms")));
  press({QStringLiteral("Return")});  // the sheet's default button: OK
  ASSERT_TRUE(reader_.waitForFocus(
      QStringLiteral("push button"),
      QStringLiteral("L2: types Control+C, waits 0.1 seconds, types Control+V")));

  // The media keys drive VLC, the fourth player; then Apply.
  for (int n = 0; n < 9; ++n) press({QStringLiteral("Tab")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("combo box"), QString()));
  press({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down")});
  for (int n = 0; n < 7; ++n) press({QStringLiteral("Tab")});
  ASSERT_TRUE(reader_.waitForFocus(QStringLiteral("push button"), QStringLiteral("Apply")));
  press({QStringLiteral("space")});
  EXPECT_TRUE(reader_.heard(QStringLiteral("Settings saved.")));

  const PlistValue profile = settings::read(settingsPath())[QStringLiteral("Profiles")].at(2);
  EXPECT_EQ(profile[QStringLiteral("Name")].toString(), QStringLiteral("Gaming"));
  EXPECT_EQ(profile[QStringLiteral("MediaPlayer")].toString(), QStringLiteral("VLC"));
  const PlistValue l2 = profile[QStringLiteral("MacroKeys")].at(1);
  EXPECT_EQ(l2[QStringLiteral("ActionType")].toString(), QStringLiteral("ExecuteMacro"));
  const PlistValue steps = l2[QStringLiteral("KeyCombo")];
  EXPECT_EQ(steps[QStringLiteral("keyCode0")].intValue(), 8);
  EXPECT_EQ(steps[QStringLiteral("modifiers0")].intValue(), 0x1000);
  EXPECT_EQ(steps[QStringLiteral("delay0")].intValue(), 100);
  EXPECT_EQ(steps[QStringLiteral("keyCode1")].intValue(), 9);
  EXPECT_EQ(steps[QStringLiteral("modifiers1")].intValue(), 0x1000);
  EXPECT_EQ(steps[QStringLiteral("delay1")].intValue(), 0);
  EXPECT_EQ(steps[QStringLiteral("keyCode2")].intValue(), -1);
}

}  // namespace
}  // namespace halvane::test
