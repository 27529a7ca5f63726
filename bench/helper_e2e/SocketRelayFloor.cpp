// The floors of the host socket road (socket_latency.py): the least a program can do between a
// virtual keyboard's report and a traced key. It connects to the keyboard interface as the helper
// does, and for a report holding macro key L1 writes the lines the helper's trace has for a key
// combination, in its order, one write each.
//   halvane_socket_floor <keyboard socket> <trace file>      a blocking recv; no Qt, no loop
//   halvane_qt_loop_floor <keyboard socket> <trace file>     the helper's loop: a QApplication on
//                                                            Qt's own dispatcher, a socket notifier
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef HALVANE_QT_LOOP
#include <QApplication>
#include <QSocketNotifier>
#endif

namespace {

int keyboard = -1, trace = -1;
std::uint8_t last[32] = {};
ssize_t lastSize = -1;

// One report; false when the keyboard or the trace is gone.
bool handleReport() {
  std::uint8_t report[32];
  const ssize_t size = ::recv(keyboard, report, sizeof report, 0);
  if (size <= 0) return false;
  // Like the helper, only a report that changed is acted on.
  if (size == lastSize && std::memcmp(report, last, size_t(size)) == 0) return true;
  std::memcpy(last, report, size_t(size));
  lastSize = size;
  static const char* const kLines[] = {"{\"op\":\"suppressionInterval\",\"seconds\":0}\n",
                                       "{\"op\":\"eventStateCombining\",\"enabled\":false}\n",
                                       "{\"op\":\"keyboardEvent\",\"keyCode\":0,\"down\":true}\n",
                                       "{\"op\":\"keyboardEvent\",\"keyCode\":0,\"down\":false}\n",
                                       "{\"op\":\"eventStateCombining\",\"enabled\":true}\n",
                                       "{\"op\":\"suppressionInterval\",\"seconds\":0.25}\n"};
  if (size == 8 && std::find(report + 2, report + 8, 0xF1) != report + 8) {
    for (const char* line : kLines)
      if (::write(trace, line, std::strlen(line)) < 0) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  keyboard = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, argv[1], sizeof address.sun_path - 1);
  if (::connect(keyboard, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return 1;
  trace = ::open(argv[2], O_WRONLY | O_APPEND | O_CLOEXEC);
  if (trace < 0) return 1;
#ifdef HALVANE_QT_LOOP
  // As the helper starts its application (helper/main.cpp).
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_NO_GLIB", "1");
  QApplication app(argc, argv);
  QSocketNotifier notifier(keyboard, QSocketNotifier::Read);
  QObject::connect(&notifier, &QSocketNotifier::activated, [] {
    if (!handleReport()) QCoreApplication::exit(0);
  });
  return app.exec();
#else
  while (handleReport()) {
  }
  return 0;
#endif
}
