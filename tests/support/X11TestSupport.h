#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>

#include <gtest/gtest.h>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

namespace halvane::test {

inline bool hasDisplay() {
  return std::getenv("DISPLAY") != nullptr;
}

// An X server resets its keymap when its last client leaves, which a layout set by setxkbmap
// (a client that leaves at once) would not survive; this connection stays for the test. While
// the server is still resetting after an earlier test it refuses connections for a moment.
class ServerConnection {
 public:
  ServerConnection() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      connection_ = xcb_connect(nullptr, nullptr);
      if (isConnected() || !hasDisplay()) return;
      xcb_disconnect(connection_);
      QThread::msleep(20);
    }
  }
  ~ServerConnection() { xcb_disconnect(connection_); }
  ServerConnection(const ServerConnection&) = delete;
  ServerConnection& operator=(const ServerConnection&) = delete;
  bool isConnected() const { return !xcb_connection_has_error(connection_); }

  // Presses and releases a key as a keyboard would (through XTEST), and waits until the server
  // has handled both.
  void tap(uint8_t x11KeyCode) {
    for (uint8_t type : {uint8_t(XCB_KEY_PRESS), uint8_t(XCB_KEY_RELEASE)}) {
      xcb_test_fake_input(connection_, type, x11KeyCode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
  }

 private:
  xcb_connection_t* connection_;
};

// Runs an X client program (setxkbmap, xdotool) against the test display; false when it is
// missing or fails.
inline bool runX11Tool(const QString& program, const QStringList& arguments) {
  if (QStandardPaths::findExecutable(program).isEmpty()) return false;
  QProcess process;
  process.start(program, arguments);
  return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
         process.exitCode() == 0;
}

inline bool setLayout(const QString& layouts, const QString& options = QString()) {
  return runX11Tool(QStringLiteral("setxkbmap"),
                    {QStringLiteral("-layout"), layouts, QStringLiteral("-option"),
                     QStringLiteral(""), QStringLiteral("-option"), options});
}

// A test against the X server, which starts with the "us" layout and keeps the server up.
class X11Test : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!hasDisplay()) GTEST_SKIP() << "no X display: run through scripts/with-session";
    ASSERT_TRUE(server.isConnected());
    if (!setLayout(QStringLiteral("us"))) GTEST_SKIP() << "needs setxkbmap";
  }
  void TearDown() override { setLayout(QStringLiteral("us")); }

  ServerConnection server;
};

}  // namespace halvane::test
