#include "tests/support/HelperHarness.h"

#include "platform/input/devices/VirtualKeyboardProtocol.h"
#include "shared/settings/SettingsLocation.h"

#include <QFile>
#include <QJsonDocument>

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace halvane::test {

QString helperExecutable() {
  return QStringLiteral(HALVANE_BUNDLE_DIR "/HalvaneHelper.app/Contents/MacOS/HalvaneHelper");
}

QString defaultsPath() {
  return QStringLiteral(HALVANE_SOURCE_DIR "/shared/defaults.plist");
}

VirtualInterface::VirtualInterface(const QString& folder, const QString& fileName)
    : path_(folder + u'/' + fileName) {
  vkbd::ensureFolder(folder);
  const vkbd::ListeningInterface listening = vkbd::listenInterface(path_);
  listenFd_ = listening.fd;
  inode_ = listening.inode;
}

VirtualInterface::~VirtualInterface() {
  unplug();
}

bool VirtualInterface::acceptConnection(std::chrono::milliseconds timeout) {
  if (listenFd_ < 0) return false;
  return waitUntil(
      [&] {
        if (peerFd_ < 0)
          peerFd_ = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        return peerFd_ >= 0;
      },
      timeout);
}

bool VirtualInterface::send(const QByteArray& report) {
  if (peerFd_ < 0) return false;
  return ::send(peerFd_, report.constData(), size_t(report.size()), MSG_NOSIGNAL) == report.size();
}

bool VirtualInterface::sendWhenRoom(const QByteArray& report, std::chrono::milliseconds timeout) {
  if (peerFd_ < 0) return false;
  bool sent = false;
  waitUntil(
      [&] {
        const ssize_t n =
            ::send(peerFd_, report.constData(), size_t(report.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n == report.size()) {
          sent = true;
          return true;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return true;  // gone: give up
        pollfd p{peerFd_, POLLOUT, 0};
        ::poll(&p, 1, 5);
        return false;
      },
      timeout);
  return sent;
}

int VirtualInterface::unreadBytes() const {
  if (peerFd_ < 0) return -1;
  int queued = 0;
  return ::ioctl(peerFd_, TIOCOUTQ, &queued) == 0 ? queued : -1;
}

std::vector<QByteArray> VirtualInterface::received() {
  std::vector<QByteArray> datagrams;
  char buffer[256];
  while (peerFd_ >= 0) {
    const ssize_t n = recv(peerFd_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n <= 0) break;
    datagrams.emplace_back(buffer, n);
  }
  return datagrams;
}

void VirtualInterface::unplug() {
  if (peerFd_ >= 0) close(peerFd_);
  peerFd_ = -1;
  if (listenFd_ >= 0) {
    close(listenFd_);
    vkbd::removeInterface(path_, inode_);
  }
  listenFd_ = -1;
}

HelperProcess::HelperProcess(const QString& busAddress)
    : environment_(QProcessEnvironment::systemEnvironment()) {
  QFile::setPermissions(runtime_.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  environment_.insert(QStringLiteral("HOME"), home_.path());
  environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
  environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral(".config")));
  environment_.remove(QStringLiteral("HALVANE_SETTINGS"));
  environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
  environment_.insert(QStringLiteral("HALVANE_TRACE"), tracePath());
  environment_.remove(QStringLiteral("DISPLAY"));
  environment_.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process_.setProcessChannelMode(QProcess::SeparateChannels);
}

HelperProcess::~HelperProcess() {
  if (isRunning()) {
    process_.kill();
    process_.waitForFinished(2000);
  }
}

QString HelperProcess::keyboardFolder() const {
  return runtime_.path() + QStringLiteral("/halvane/keyboards");
}

QString HelperProcess::settingsPath() const {
  return settings::settingsPath(environment_);
}

void HelperProcess::setEnvironment(const QString& name, const QString& value) {
  environment_.insert(name, value);
}

void HelperProcess::setTraceEnabled(bool enabled) {
  if (enabled)
    environment_.insert(QStringLiteral("HALVANE_TRACE"), tracePath());
  else
    environment_.remove(QStringLiteral("HALVANE_TRACE"));
}

bool HelperProcess::start() {
  process_.setProcessEnvironment(environment_);
  process_.start(helperExecutable(), {});
  return process_.waitForStarted(5000);
}

std::optional<int> HelperProcess::terminate(std::chrono::milliseconds timeout) {
  if (!isRunning()) return process_.exitCode();
  sendSignal(SIGTERM);
  if (!waitForExit(timeout)) {
    process_.kill();
    process_.waitForFinished(2000);
    return std::nullopt;
  }
  return exitCode();
}

bool HelperProcess::sendSignal(int signal) {
  if (!isRunning() || process_.processId() <= 0) return false;
  return ::kill(pid_t(process_.processId()), signal) == 0;
}

bool HelperProcess::waitForExit(std::chrono::milliseconds timeout) {
  if (!isRunning()) return true;
  return process_.waitForFinished(int(timeout.count()));
}

std::optional<int> HelperProcess::exitCode() const {
  if (isRunning() || process_.exitStatus() != QProcess::NormalExit) return std::nullopt;
  return process_.exitCode();
}

QByteArray HelperProcess::standardOutput() {
  output_ += process_.readAllStandardOutput();
  return output_;
}

std::vector<QJsonObject> HelperProcess::trace() const {
  std::vector<QJsonObject> lines;
  QFile file(tracePath());
  if (!file.open(QIODevice::ReadOnly)) return lines;
  for (const QByteArray& line : file.readAll().split('\n'))
    if (!line.isEmpty()) lines.push_back(QJsonDocument::fromJson(line).object());
  return lines;
}

std::optional<size_t> HelperProcess::waitForTrace(
    const std::function<bool(const QJsonObject&)>& predicate, size_t from,
    std::chrono::milliseconds timeout) {
  std::optional<size_t> found;
  waitUntil(
      [&] {
        const std::vector<QJsonObject> lines = trace();
        for (size_t i = from; i < lines.size(); ++i)
          if (predicate(lines[i])) {
            found = i;
            return true;
          }
        return false;
      },
      timeout);
  return found;
}

std::optional<size_t> HelperProcess::waitForOp(const QString& op, size_t from,
                                               std::chrono::milliseconds timeout) {
  return waitForTrace(
      [&](const QJsonObject& o) { return o[QStringLiteral("op")].toString() == op; }, from,
      timeout);
}

}  // namespace halvane::test
