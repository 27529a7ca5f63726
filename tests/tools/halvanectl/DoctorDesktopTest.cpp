// halvanectl doctor on real headless desktops (see tests/support/HeadlessGnomeShell.h and
// HeadlessKWin.h for their command lines): what it says of our Shell extension comes from the
// running Shell, what it says of our KWin script from KWin itself.
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/control/FakeKeyboardServer.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/control/DiagnosticsServer.h"
#include "tests/support/HeadlessGnomeShell.h"
#include "tests/support/HeadlessKWin.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace halvane {
namespace {

using namespace std::chrono_literals;

const QString kUuid = QStringLiteral("halvane-keyboard@halvane.com");

// A user's home on a Wayland session of desktop, for halvanectl run on bus.
class Session {
 public:
  Session(test::PrivateBus& bus, const char* desktop) : env_(bus.environment()) {
    env_.insert(QStringLiteral("HOME"), home_.path());
    env_.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env_.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-doctor"));
    env_.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QString::fromLatin1(desktop));
    env_.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
    env_.insert(QStringLiteral("XDG_DATA_DIRS"),
                QStringLiteral("/usr/share"));  // gsettings' schemas
    env_.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
    env_.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
  }
  QString path(const char* relative) const { return home_.filePath(QString::fromLatin1(relative)); }
  void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        << qPrintable(path);
  }
  // halvanectl's standard output; the bus stays served while it runs.
  QString run(const QStringList& args) {
    QProcess process;
    process.setProcessEnvironment(env_);
    process.start(QStringLiteral(HALVANECTL), args);
    if (!test::waitUntil([&] { return process.state() == QProcess::NotRunning; }, 20s)) {
      test::stopProcess(process);
      ADD_FAILURE() << "halvanectl did not end";
    }
    return QString::fromUtf8(process.readAllStandardOutput());
  }

 private:
  QTemporaryDir home_;
  QProcessEnvironment env_;
};

TEST(DoctorOnGnome, AsksTheRunningShell) {
  test::PrivateBus bus;
  test::HeadlessGnomeShell shell(bus, QStringLiteral(HALVANE_GNOME_EXTENSION), {});
  if (!shell.failure().isEmpty()) GTEST_SKIP() << shell.failure().toStdString();

  Session session(bus, "GNOME");
  const QString installed = session.path("data/gnome-shell/extensions/") + kUuid;
  for (const QString& name : QDir(QStringLiteral(HALVANE_GNOME_EXTENSION)).entryList(QDir::Files)) {
    QFile source(QStringLiteral(HALVANE_GNOME_EXTENSION "/") + name);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    session.write(installed + u'/' + name, source.readAll());
  }
  const QString keyfile = session.path("config/glib-2.0/settings/keyfile");
  session.write(keyfile,
                "[org/gnome/shell]\nenabled-extensions=['halvane-keyboard@halvane.com']\n");
  EXPECT_EQ(session.run({"doctor", "--desktop-hint"}), QString());
  const QString report = session.run({"doctor"});
  EXPECT_TRUE(report.contains(
      QStringLiteral("\n✔ GNOME Shell extension: ~/data/gnome-shell/extensions/%1, running\n")
          .arg(kUuid)))
      << qPrintable(report);

  // The Shell's own version decides whether the installed copy fits it.
  session.write(installed + QStringLiteral("/metadata.json"),
                "{\"uuid\": \"halvane-keyboard@halvane.com\", \"shell-version\": [\"40\"]}");
  const QString hint = session.run({"doctor", "--desktop-hint"});
  EXPECT_TRUE(hint.contains(
      QStringLiteral(
          "✘ GNOME Shell extension: ~/data/gnome-shell/extensions/%1 is not made for GNOME ")
          .arg(kUuid)))
      << qPrintable(hint);
  EXPECT_TRUE(hint.contains(
      QStringLiteral("    fix: rm -r ~/data/gnome-shell/extensions/%1 && mkdir -p").arg(kUuid)))
      << qPrintable(hint);
}

TEST(DoctorOnKde, AsksKWinWhetherItRunsTheScript) {
  test::PrivateBus bus;
  test::HeadlessKWin kwin(bus);
  if (!kwin.failure().isEmpty()) GTEST_SKIP() << kwin.failure().toStdString();

  // A helper that answers, so doctor expects the script to be loaded.
  struct Diagnostics : DiagnosticsServer {
    Report frontApplication() override { return {}; }
    Report backends() override { return {{"frontApplication", "kwin, through our KWin script"}}; }
    Report settingsLoad() override { return {}; }
    void setFrontApplicationChangedHandler(std::function<void(const Report&)>) override {}
  } diagnostics;
  FakeSystemLog log;
  FakeKeyboardServer keyboardServer;
  DBusServerObject helper(log, bus.connect(QStringLiteral("helper")));
  helper.setDiagnostics(&diagnostics);
  ASSERT_TRUE(helper.registerServer(keyboardServer));

  Session session(bus, "KDE");
  const QString script =
      QStringLiteral(HALVANE_BINARY_DIR "/share/halvane/kwin/halvane-keyboard.js");
  QString report = session.run({"doctor"});
  EXPECT_TRUE(report.contains(
      QStringLiteral("\n✘ KWin script: %1 is installed, but KWin has not loaded it").arg(script)))
      << qPrintable(report);
  ASSERT_GE(kwin.loadAndRun(script, QStringLiteral("halvane-keyboard")), 0);
  report = session.run({"doctor"});
  EXPECT_TRUE(report.contains(QStringLiteral("\n✔ KWin script: %1, loaded\n").arg(script)))
      << qPrintable(report);
}

}  // namespace
}  // namespace halvane
