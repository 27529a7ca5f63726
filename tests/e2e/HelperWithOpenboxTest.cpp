// The real helper under a real window manager (openbox on Xvfb): applications known by their
// desktop entries or executables, activated as a user would, and exactly one "Profile Changed"
// per application switch. halvanectl front then explains what the helper sees.
#include "BusRecorder.h"
#include "shared/settings/SettingsStore.h"
#include "tests/support/HelperHarness.h"
#include "tests/support/Openbox.h"
#include "tests/support/XClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

QString changed(int index) {
  return QStringLiteral("notification Profile Changed com.halvane.keyboard.pane Index=%1")
      .arg(index);
}

class HelperWithOpenbox : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const QString missing = openboxMissing(); !missing.isEmpty())
      GTEST_SKIP() << missing.toStdString();
    wm_ = XClient::connect();
    ASSERT_TRUE(wm_);
    wm_->setCardinal(wm_->root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW, XCB_WINDOW_NONE);
    ASSERT_TRUE(startOpenbox(openbox_)) << "openbox did not take the display";

    apps_ = data_.filePath(QStringLiteral("applications"));
    QDir().mkpath(apps_);
    helper_.setEnvironment(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
    helper_.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    helper_.setEnvironment(QStringLiteral("XDG_DATA_HOME"), data_.path());
    helper_.setEnvironment(QStringLiteral("XDG_DATA_DIRS"), data_.filePath(QStringLiteral("none")));
    settings_ = settings::read(defaultsPath());
  }

  void TearDown() override {
    for (QProcess* p : children_) {
      p->kill();
      p->waitForFinished(2000);
      delete p;
    }
    if (openbox_.state() != QProcess::NotRunning) {
      openbox_.kill();  // our own child, by its pid
      openbox_.waitForFinished(2000);
    }
  }

  // A stand-in application process and a window that names it and its class.
  std::uint32_t windowOf(qint64 pid, const QByteArray& instance, const QByteArray& cls) {
    const std::uint32_t w = wm_->createWindow();
    wm_->setCardinal(w, "_NET_WM_PID", XCB_ATOM_CARDINAL, std::uint32_t(pid));
    wm_->setString(w, "WM_CLASS", instance + '\0' + cls + '\0');
    return w;
  }
  qint64 startProgram(const QString& program, const QStringList& args) {
    auto* p = new QProcess;
    p->start(program, args);
    p->waitForStarted(5000);
    children_.push_back(p);
    return p->processId();
  }

  // Asks openbox to activate the window, as a task bar would, and waits until the helper has the
  // application of class cls in front (a moment without a window passes its settle time first).
  // Another window of the same application changes nothing the helper reports: a switch it
  // wrongly made for one shows in the notifications before the next application's.
  void activate(std::uint32_t window, const QString& cls) {
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowactivate"), QString::number(window)});
    EXPECT_TRUE(waitForFront(cls)) << cls.toStdString();
  }
  // Until the helper's front application has class cls ("none": no window).
  bool waitForFront(const QString& cls) {
    return waitUntil([&] {
      const QMap<QString, QString> front = helperFrontApplication(bus_.connection());
      return cls == QLatin1String("none")
                 ? front.value(QStringLiteral("window")) == QLatin1String("none")
                 : front.value(QStringLiteral("wmClass")) == cls;
    });
  }

  QString writeEntry(const QString& fileName, const QByteArray& lines) {
    const QString path = apps_ + u'/' + fileName;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Desktop Entry]\nType=Application\n" + lines + "\n");
    return path;
  }

  void start() {
    ASSERT_TRUE(settings::write(settings_, helper_.settingsPath()));
    ASSERT_TRUE(helper_.start());
    ASSERT_TRUE(waitUntil([&] { return recorder_.count("server up") == 1; }));
    recorder_.events.clear();
  }

  QStringList notifications() const {
    return recorder_.events.filter(QStringLiteral("notification"));
  }

  QString halvanectlFront() {
    QProcess ctl;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus_.address());
    ctl.setProcessEnvironment(env);
    ctl.start(QStringLiteral(HALVANE_BINARY_DIR "/bin/halvanectl"), {QStringLiteral("front")});
    EXPECT_TRUE(ctl.waitForFinished(5000));
    EXPECT_EQ(ctl.exitCode(), 0) << ctl.readAllStandardError().toStdString();
    return QString::fromUtf8(ctl.readAllStandardOutput());
  }

  std::unique_ptr<XClient> wm_;
  QProcess openbox_;
  QTemporaryDir data_;
  QString apps_;
  PrivateBus bus_;
  BusRecorder recorder_{bus_.connection()};
  HelperProcess helper_{bus_.address()};
  PlistValue settings_;
  std::vector<QProcess*> children_;
};

TEST_F(HelperWithOpenbox, OneProfileChangedPerApplicationSwitch) {
  // One: a script-like application known by its entry's StartupWMClass, bound by .desktop path.
  // Two: bound by its executable's path, as older files hold it. Three: bound to nothing.
  const QString one = writeEntry(QStringLiteral("app-one.desktop"),
                                 "Name=App One\nExec=app-one\nStartupWMClass=AppOne");
  const QString catPath = QFileInfo(QStringLiteral("/bin/cat")).canonicalFilePath();
  settings_["Profiles"].at(3).set("ApplicationPath", one);
  settings_["Profiles"].at(3).set("Name", "Games");
  settings_["Profiles"].at(5).set("ApplicationPath", catPath);
  settings_["Profiles"].at(5).set("Name", "Writing");
  start();

  const qint64 sleeper = startProgram(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
  const std::uint32_t oneA = windowOf(sleeper, "app-one", "AppOne");
  const std::uint32_t oneB = windowOf(sleeper, "app-one", "AppOne");
  const std::uint32_t two = windowOf(startProgram(QStringLiteral("/bin/cat"), {}), "cat", "Cat");
  const std::uint32_t three = windowOf(
      startProgram(QStringLiteral("/bin/sleep"), {QStringLiteral("61")}), "three", "Three");
  // openbox focuses new windows as they map, which is not the test: the last one is in front.
  ASSERT_TRUE(waitForFront(QStringLiteral("Three")));
  recorder_.events.clear();

  const struct {
    const char* step;
    std::uint32_t window;
    const char* cls;
    QStringList expected;  // every notification so far
  } steps[] = {
      {"three, unbound, from nothing bound", three, "Three", {}},
      {"one by its desktop entry", oneA, "AppOne", {changed(3)}},
      {"another window of one", oneB, "AppOne", {changed(3)}},
      {"back to the first window of one", oneA, "AppOne", {changed(3)}},
      {"two by its executable", two, "Cat", {changed(3), changed(5)}},
      {"three returns to the profile from before",
       three,
       "Three",
       {changed(3), changed(5), changed(0)}},
      {"one again", oneB, "AppOne", {changed(3), changed(5), changed(0), changed(3)}},
  };
  for (const auto& s : steps) {
    activate(s.window, QString::fromLatin1(s.cls));
    EXPECT_EQ(notifications(), s.expected) << s.step;
  }

  const QString report = halvanectlFront();
  EXPECT_TRUE(report.contains(QStringLiteral("class \"AppOne\""))) << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("App One (app-one.desktop), found by StartupWMClass")))
      << report.toStdString();
  EXPECT_TRUE(report.contains(QStringLiteral("Profile:        4 - Games: selects profile 4")))
      << report.toStdString();
}

TEST_F(HelperWithOpenbox, TheDesktopReturnsFromAutomaticSwitchingAfterTheSettleTime) {
  const QString catPath = QFileInfo(QStringLiteral("/bin/cat")).canonicalFilePath();
  settings_["Profiles"].at(5).set("ApplicationPath", catPath);
  start();
  const std::uint32_t two = windowOf(startProgram(QStringLiteral("/bin/cat"), {}), "cat", "Cat");
  activate(two, QStringLiteral("Cat"));
  ASSERT_EQ(notifications(), QStringList{changed(5)});
  // Minimising the only window leaves openbox with no active window: the desktop.
  QProcess::execute(QStringLiteral("xdotool"),
                    {QStringLiteral("windowminimize"), QString::number(two)});
  EXPECT_TRUE(waitForFront(QStringLiteral("none")));
  EXPECT_EQ(notifications(), QStringList({changed(5), changed(0)}));
  EXPECT_TRUE(halvanectlFront().contains(QStringLiteral("Window:         none")));
}

}  // namespace
}  // namespace halvane::test
