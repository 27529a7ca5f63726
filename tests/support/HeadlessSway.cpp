#include "tests/support/HeadlessSway.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace halvane::test {

HeadlessSway::HeadlessSway() {
  const QString sway = QStandardPaths::findExecutable(QStringLiteral("sway"));
  if (sway.isEmpty()) {
    failure_ = QStringLiteral("sway is not installed");
    return;
  }
  // nobody must reach the config through the temporary directory.
  QFile::setPermissions(dir_.path(),
                        QFile::permissions(dir_.path()) | QFile::ExeOther | QFile::ReadOther);
  const QString config = dir_.filePath(QStringLiteral("config"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) {
    failure_ = QStringLiteral("cannot write sway's config");
    return;
  }
  file.write("output HEADLESS-1 resolution 1024x768\nxwayland disable\n");
  file.close();
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

  runtime_ = std::make_unique<RuntimeDir>(QStringLiteral("nobody"));
  QProcessEnvironment env;
  env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_->path());
  env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
  env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
  env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
  sway_.setProcessEnvironment(env);
  sway_.setWorkingDirectory(QStringLiteral("/"));
  sway_.setStandardOutputFile(QProcess::nullDevice());
  sway_.setStandardErrorFile(dir_.filePath(QStringLiteral("sway.log")));
  sway_.start(QStringLiteral("setpriv"),
              {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
               QStringLiteral("--clear-groups"), sway, QStringLiteral("-c"), config});
  if (!sway_.waitForStarted(5000)) {
    failure_ = QStringLiteral("sway did not start: %1").arg(sway_.errorString());
    return;
  }
  const bool ready = waitUntil(
      [this] {
        if (sway_.state() != QProcess::Running) return true;
        const QDir rt(runtime_->path());
        const QStringList ipc = rt.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        const QStringList wl = rt.entryList({QStringLiteral("wayland-*")}, QDir::System);
        if (ipc.isEmpty() || wl.isEmpty()) return false;
        swaySocket_ = rt.filePath(ipc.first());
        for (const QString& name : wl) {
          if (!name.endsWith(QLatin1String(".lock"))) waylandDisplay_ = rt.filePath(name);
        }
        return !waylandDisplay_.isEmpty() &&
               message({QStringLiteral("-t"), QStringLiteral("get_version")});
      },
      10000ms);
  if (!ready || sway_.state() != QProcess::Running) {
    QFile log(dir_.filePath(QStringLiteral("sway.log")));
    log.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    failure_ = QStringLiteral("headless sway did not come up (%1)")
                   .arg(QString::fromLocal8Bit(lines.isEmpty() ? QByteArray() : lines.last()));
  }
}

HeadlessSway::~HeadlessSway() {
  stopProcess(sway_);
}

QProcessEnvironment HeadlessSway::clientEnvironment() const {
  QProcessEnvironment env;
  env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), clientRuntime_.path());
  env.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay_);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
  return env;
}

bool HeadlessSway::message(const QStringList& arguments) {
  QProcess swaymsg;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("SWAYSOCK"), swaySocket_);
  swaymsg.setProcessEnvironment(env);
  swaymsg.start(QStringLiteral("swaymsg"),
                QStringList{QStringLiteral("-s"), swaySocket_} + arguments);
  swaymsg.waitForFinished(5000);
  return swaymsg.exitStatus() == QProcess::NormalExit && swaymsg.exitCode() == 0;
}

bool HeadlessSway::focus(const QString& appId) {
  return message({QStringLiteral("[app_id=\"%1\"] focus").arg(appId)});
}

QImage HeadlessSway::screenshot() {
  const QString file = dir_.filePath(QStringLiteral("shot.png"));
  QFile::remove(file);
  QProcess grim;
  grim.setProcessEnvironment(clientEnvironment());
  grim.start(QStringLiteral("grim"), {file});
  if (!grim.waitForFinished(10000) || grim.exitStatus() != QProcess::NormalExit ||
      grim.exitCode() != 0)
    return {};
  return QImage(file);
}

}  // namespace halvane::test
