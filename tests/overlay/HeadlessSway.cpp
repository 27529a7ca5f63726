#include "tests/overlay/HeadlessSway.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvane::test {
namespace {

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QThread::msleep(20);
  }
  return true;
}

}  // namespace

HeadlessSway::HeadlessSway() {
  for (const char* tool : {"sway", "swaymsg", "setpriv", "grim", "foot"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
      problem_ = QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
      return;
    }
  }
  const passwd* nobody = getpwnam("nobody");
  if (!nobody || !dir_.isValid()) {
    problem_ = QStringLiteral("no user nobody or no temporary folder");
    return;
  }
  const QString runtime = dir_.path();
  QFile config(runtime + QStringLiteral("/config"));
  if (!config.open(QIODevice::WriteOnly) ||
      config.write("output HEADLESS-1 resolution 1024x768\nxwayland disable\n") < 0) {
    problem_ = QStringLiteral("cannot write the sway config");
    return;
  }
  config.close();
  if (geteuid() == 0 && (chown(runtime.toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid) != 0 ||
                         chmod(runtime.toLocal8Bit().constData(), 0700) != 0)) {
    problem_ = QStringLiteral("cannot hand the runtime folder to nobody");
    return;
  }
  QProcessEnvironment env;
  env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  env.insert(QStringLiteral("HOME"), runtime);
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
  env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
  env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
  env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
  sway_.setProcessEnvironment(env);
  // Its chatter goes to a file beside the socket, read when something fails.
  sway_.setStandardOutputFile(QProcess::nullDevice());
  sway_.setStandardErrorFile(runtime + QStringLiteral("/sway.log"));
  if (geteuid() == 0)
    sway_.start(QStringLiteral("setpriv"), {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "sway", "-c",
                                            config.fileName()});
  else
    sway_.start(QStringLiteral("sway"), {"-c", config.fileName()});
  if (!sway_.waitForStarted(5000)) {
    problem_ = QStringLiteral("sway did not start");
    return;
  }
  const bool ready = waitFor(
      [&] {
        const QDir folder(runtime);
        const QStringList sockets = folder.entryList({QStringLiteral("wayland-*")}, QDir::System);
        const QStringList ipc = folder.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        for (const QString& socket : sockets)
          if (!socket.endsWith(QLatin1String(".lock")) && !ipc.isEmpty()) {
            display_ = folder.filePath(socket);
            ipc_ = folder.filePath(ipc.first());
            return true;
          }
        return sway_.state() == QProcess::NotRunning;
      },
      10000);
  if (!ready || display_.isEmpty() || !message({QStringLiteral("-t"), QStringLiteral("get_version")}))
    problem_ = QStringLiteral("headless sway did not come up");
}

HeadlessSway::~HeadlessSway() {
  for (QProcess* process : {&client_, &sway_}) {
    if (process->state() == QProcess::NotRunning) continue;
    process->terminate();
    if (!process->waitForFinished(3000)) process->kill();
    process->waitForFinished(3000);
  }
}

QProcessEnvironment HeadlessSway::clientEnvironment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.insert(QStringLiteral("WAYLAND_DISPLAY"), display_);
  env.insert(QStringLiteral("SWAYSOCK"), ipc_);
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
  return env;
}

bool HeadlessSway::message(const QStringList& arguments) {
  QProcess swaymsg;
  swaymsg.setProcessEnvironment(clientEnvironment());
  swaymsg.start(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-s"), ipc_} + arguments);
  return swaymsg.waitForFinished(5000) && swaymsg.exitStatus() == QProcess::NormalExit && swaymsg.exitCode() == 0;
}

bool HeadlessSway::startFullscreenClient(const QString& appId) {
  client_.setProcessEnvironment(clientEnvironment());
  client_.setStandardOutputFile(QProcess::nullDevice());
  client_.setStandardErrorFile(QProcess::nullDevice());
  client_.start(QStringLiteral("foot"), {QStringLiteral("--app-id=") + appId, QStringLiteral("sleep"), QStringLiteral("600")});
  if (!client_.waitForStarted(5000)) return false;
  const QString criteria = QStringLiteral("[app_id=%1]").arg(appId);
  return waitFor([&] { return message({criteria, QStringLiteral("fullscreen"), QStringLiteral("enable")}); }, 10000);
}

QImage HeadlessSway::screenshot() {
  const QString file = dir_.filePath(QStringLiteral("shot.png"));
  QFile::remove(file);
  QProcess grim;
  grim.setProcessEnvironment(clientEnvironment());
  grim.start(QStringLiteral("grim"), {file});
  if (!grim.waitForFinished(10000) || grim.exitCode() != 0) return {};
  return QImage(file);
}

}  // namespace halvane::test
