// halvane-vkbd: a virtual keyboard for the Halvane helper, driven by commands on standard input.
#include "platform/input/devices/VirtualKeyboardProtocol.h"
#include "shared/KeyboardIdentity.h"
#include "shared/Version.h"
#include "tools/vkbd/VkbdSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
}

// SIGINT, SIGTERM and SIGHUP leave the loop, so the socket files are removed (and the uhid
// devices destroyed) on the way out.
bool quitOnSignals(QCoreApplication& app) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return false;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] { app.exit(0); });
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
  // A reader that went away must not kill us before we clean up.
  std::signal(SIGPIPE, SIG_IGN);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (halvane::printVersionIfAsked(argc, argv, "halvane-vkbd")) return 0;
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("halvane-vkbd"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "A virtual Halvane keyboard. Reads commands from the files given (\"-\" is standard input;\n"
      "without files, standard input): press L1..L5|R1..R5|eject|profile F1..F8|profile 0..9,\n"
      "release, report <hex bytes>, consumer-report <hex bytes>, media <hex code>, wait <ms>,\n"
      "wait-connected [<ms>], unplug, plug, quit. Exits when the commands are done.\n"
      "With --uhid the keyboard is a kernel HID device made through /dev/uhid (needs the uhid\n"
      "module and write access to /dev/uhid); otherwise virtual keyboard sockets.\n"
      "--version prints the version."));
  parser.addHelpOption();
  const QCommandLineOption nameOption(QStringLiteral("name"),
                                      QStringLiteral("Name of the keyboard's interfaces."),
                                      QStringLiteral("name"), QStringLiteral("vkbd"));
  const QCommandLineOption productOption(QStringLiteral("product"),
                                         QStringLiteral("USB product ID in hex: 4856 or 4857."),
                                         QStringLiteral("id"), QStringLiteral("4856"));
  const QCommandLineOption uhidOption(
      QStringLiteral("uhid"),
      QStringLiteral("Make the keyboard through /dev/uhid (or the given node)."));
  const QCommandLineOption uhidDeviceOption(QStringLiteral("uhid-device"),
                                            QStringLiteral("The uhid node to use with --uhid."),
                                            QStringLiteral("path"));
  parser.addOption(uhidOption);
  parser.addOption(uhidDeviceOption);
  parser.addOption(nameOption);
  parser.addOption(productOption);
  parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Command files."),
                               QStringLiteral("[files...]"));
  parser.process(app);

  halvane::vkbd::VkbdSession::Options options;
  options.folder = halvane::vkbd::folderPath();
  options.name = parser.value(nameOption);
  options.inputs = parser.positionalArguments();
  options.uhid = parser.isSet(uhidOption) || parser.isSet(uhidDeviceOption);
  options.uhidPath = parser.value(uhidDeviceOption);
  bool ok = false;
  options.productID = parser.value(productOption).toInt(&ok, 16);
  if (!ok || (options.productID != halvane::keyboard::kFirstProductID &&
              options.productID != halvane::keyboard::kSecondProductID)) {
    std::fprintf(stderr, "halvane-vkbd: --product must be 4856 or 4857\n");
    return 2;
  }
  if (options.name.isEmpty() || options.name.contains(u'/')) {
    std::fprintf(stderr, "halvane-vkbd: --name must be a non-empty name without '/'\n");
    return 2;
  }
  if (!quitOnSignals(app)) {
    std::perror("halvane-vkbd: socketpair");
    return 1;
  }

  halvane::vkbd::VkbdSession session(options, stdout, stderr);
  // Queued: the commands may be done before the loop runs (a file without waits).
  session.onFinished = [&app](int status) {
    QMetaObject::invokeMethod(
        &app, [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
  };
  if (!session.start()) return 1;
  return app.exec();
}
