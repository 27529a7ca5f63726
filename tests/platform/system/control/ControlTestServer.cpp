// A helper stand-in for the proxy tests: serves a KeyboardServer on the session bus named by
// DBUS_SESSION_BUS_ADDRESS and prints each call it serves, one line each, so the test process
// can make blocking calls to it.
//   control_test_server <initial profile>
// Prints "registered" or "refused" first.
#include "platform/system/control/DBusServerObject.h"
#include "platform/system/log/FakeSystemLog.h"
#include "shared/control/KeyboardServer.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class PrintingServer : public halvane::KeyboardServer {
 public:
  explicit PrintingServer(int profile) : profile_(profile) {}
  int getCurrentProfile() override {
    say(QStringLiteral("getCurrentProfile"));
    return profile_;
  }
  void setCurrentProfile(int index) override {
    say(QStringLiteral("setCurrentProfile %1").arg(index));
    profile_ = index;
  }
  void reloadPrefs() override { say(QStringLiteral("reloadPrefs")); }

  static void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
  }

 private:
  int profile_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  PrintingServer server(argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0);
  halvane::FakeSystemLog log;
  halvane::DBusServerObject object(log);
  PrintingServer::say(object.registerServer(server) ? QStringLiteral("registered")
                                                    : QStringLiteral("refused"));
  return app.exec();
}
