// halvane-preferences started twice in one session, under a window manager (openbox on the
// test's X server) and on a private bus: the second start brings the first window forward and
// ends, and closing that window ends the program.
#include "tests/support/Openbox.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TempHome.h"
#include "tests/support/XClient.h"

#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

namespace halvane::test {
namespace {

const QString kProgram = QStringLiteral(HALVANE_BINARY_DIR "/bin/halvane-preferences");

QStringList run(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  p.waitForFinished(5000);
  return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// The visible windows titled as the preferences window is.
QStringList preferencesWindows() {
  return run(QStringLiteral("xdotool"),
             {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
              QStringLiteral("^Halvane Keyboard$")});
}

class SingleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const QString missing = openboxMissing(); !missing.isEmpty())
      GTEST_SKIP() << missing.toStdString();
    ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon could not be started";
    x_ = XClient::connect();
    ASSERT_TRUE(x_);
    ASSERT_TRUE(startOpenbox(openbox_)) << "openbox did not take the display";
    environment_ = bus_.environment();
    environment_.insert(QStringLiteral("HOME"), home_.path());
    environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  }

  void TearDown() override {
    for (QProcess* p : {&second_, &first_, &openbox_}) {
      if (p->state() == QProcess::NotRunning) continue;
      p->kill();  // our own children, by their pids
      p->waitForFinished(2000);
    }
  }

  TempHome home_;
  PrivateBus bus_;
  std::unique_ptr<XClient> x_;
  QProcess openbox_, first_, second_;
  QProcessEnvironment environment_;
};

TEST_F(SingleWindow, ASecondStartRaisesTheFirstWindowAndEnds) {
  first_.setProcessEnvironment(environment_);
  first_.start(kProgram, {});
  ASSERT_TRUE(waitUntil([] { return preferencesWindows().size() == 1; }, 20s))
      << "no window appeared";
  const QString window = preferencesWindows().first();

  // Another window takes the focus, as when the user went on working elsewhere.
  const std::uint32_t other = x_->createWindow();
  run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QString::number(other)});
  ASSERT_TRUE(waitUntil([&] {
    return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}) ==
           QStringList{QString::number(other)};
  }));

  QElapsedTimer took;
  took.start();
  second_.setProcessEnvironment(environment_);
  second_.start(kProgram, {});
  ASSERT_TRUE(second_.waitForFinished(2000)) << "the second start is still running";
  EXPECT_LT(took.elapsed(), 2000);
  EXPECT_EQ(second_.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second_.exitCode(), 0) << second_.readAllStandardError().toStdString();

  EXPECT_TRUE(waitUntil([&] {
    return run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}) ==
           QStringList{window};
  })) << "the first window did not come forward";
  EXPECT_EQ(preferencesWindows(), QStringList{window});

  // Closing the window ends the program: nothing stays behind for the next start to find.
  // The window manager's close key (openbox: Alt+F4) on the window, which is the active one. A
  // key that comes while the window manager is still handing over the focus can be lost: it is
  // pressed again, as a user would, for at most 5 s.
  QElapsedTimer closing;
  closing.start();
  while (first_.state() != QProcess::NotRunning && closing.elapsed() < 5000) {
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+F4")});
    first_.waitForFinished(1000);
  }
  ASSERT_EQ(first_.state(), QProcess::NotRunning) << "the program outlived its window";
  EXPECT_EQ(first_.exitCode(), 0);
}

}  // namespace
}  // namespace halvane::test
