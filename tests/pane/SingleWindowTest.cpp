// halvane-preferences started twice in one session, under a window manager (openbox on the
// test's X server) and on a private bus: the second start brings the first window forward and
// ends, and closing that window ends the program.
#include "tests/desktop/XClient.h"
#include "tests/support/PrivateBus.h"
#include "tests/support/TempHome.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

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

// Asks the window to close, as its close button does.
void closeWindow(std::uint32_t window) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const auto atom = [c](const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return value;
  };
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = atom("WM_PROTOCOLS");
  event.data.data32[0] = atom("WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
  xcb_flush(c);
  xcb_disconnect(c);
}

class SingleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
      GTEST_SKIP() << "no X display: run through scripts/with-session";
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (openbox.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
      GTEST_SKIP() << "openbox and xdotool are needed (scripts/setup --tests)";
    ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon could not be started";
    x_ = XClient::connect();
    ASSERT_TRUE(x_);
    openbox_.start(openbox, {QStringLiteral("--sm-disable")});
    ASSERT_TRUE(openbox_.waitForStarted(5000));
    ASSERT_TRUE(waitUntil([] {
      return !run(QStringLiteral("xprop"),
                  {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                  .filter(QStringLiteral("window id"))
                  .isEmpty();
    })) << "openbox did not take the display";
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
  closeWindow(window.toUInt());
  ASSERT_TRUE(first_.waitForFinished(5000)) << "the program outlived its window";
  EXPECT_EQ(first_.exitCode(), 0);
}

}  // namespace
}  // namespace halvane::test
