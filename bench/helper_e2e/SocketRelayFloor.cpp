// The floor of the host socket road (socket_latency.py): the least a program can do between a
// virtual keyboard's report and a traced key. It connects to the keyboard interface as the helper
// does, reads each report with a blocking recv, and for a report holding macro key L1 writes the
// lines the helper's trace has for a key combination, in its order, one write each. No Qt, no
// event loop.
//   halvane_socket_floor <keyboard socket> <trace file>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const int keyboard = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, argv[1], sizeof address.sun_path - 1);
  if (::connect(keyboard, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return 1;
  const int trace = ::open(argv[2], O_WRONLY | O_APPEND | O_CLOEXEC);
  if (trace < 0) return 1;
  static const char* const kLines[] = {"{\"op\":\"suppressionInterval\",\"seconds\":0}\n",
                                       "{\"op\":\"eventStateCombining\",\"enabled\":false}\n",
                                       "{\"op\":\"keyboardEvent\",\"keyCode\":0,\"down\":true}\n",
                                       "{\"op\":\"keyboardEvent\",\"keyCode\":0,\"down\":false}\n",
                                       "{\"op\":\"eventStateCombining\",\"enabled\":true}\n",
                                       "{\"op\":\"suppressionInterval\",\"seconds\":0.25}\n"};
  std::uint8_t report[32], last[32] = {};
  ssize_t lastSize = -1;
  for (;;) {
    const ssize_t size = ::recv(keyboard, report, sizeof report, 0);
    if (size <= 0) return 0;
    // Like the helper, only a report that changed is acted on.
    if (size == lastSize && std::memcmp(report, last, size_t(size)) == 0) continue;
    std::memcpy(last, report, size_t(size));
    lastSize = size;
    if (size == 8 && std::find(report + 2, report + 8, 0xF1) != report + 8) {
      for (const char* line : kLines)
        if (::write(trace, line, std::strlen(line)) < 0) return 1;
    }
  }
}
