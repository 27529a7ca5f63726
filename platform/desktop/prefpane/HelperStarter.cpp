#include "platform/desktop/prefpane/HelperStarter.h"

#include "shared/control/ControlChannel.h"
#include "shared/control/DBusTimeouts.h"

#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QProcess>

namespace halvane {

HelperStarter::HelperStarter(QDBusConnection bus, QStringList helperCandidates, QString systemctl)
    : bus_(std::move(bus)),
      helperCandidates_(std::move(helperCandidates)),
      systemctl_(std::move(systemctl)) {}

HelperStarter::Outcome HelperStarter::ensureRunning() {
  // The helper's own bus name says whether one runs; without a bus there is no telling, and a
  // second helper would fight the first for the keyboard.
  if (!bus_.isConnected() || !bus_.interface()) return Outcome::NoBus;
  if (bus_.interface()->isServiceRegistered(QString::fromLatin1(control::kServiceName)))
    return Outcome::AlreadyRunning;
  const QString unit = QString::fromLatin1(kUnit);
  if (systemctl({QStringLiteral("--user"), QStringLiteral("--quiet"), QStringLiteral("is-enabled"),
                 unit}) &&
      systemctl(
          {QStringLiteral("--user"), QStringLiteral("--no-block"), QStringLiteral("start"), unit}))
    return Outcome::StartedUnit;
  for (const QString& candidate : helperCandidates_) {
    const QFileInfo program(candidate);
    if (program.isFile() && program.isExecutable() &&
        QProcess::startDetached(program.absoluteFilePath(), {}))
      return Outcome::StartedProgram;
  }
  return Outcome::NoHelperFound;
}

bool HelperStarter::systemctl(const QStringList& arguments) const {
  QProcess process;
  // Its complaints (no user manager, say) only mean falling back to starting the program.
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(systemctl_, arguments);
  if (!process.waitForFinished(dbus::kServiceStartTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return false;
  }
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString HelperStarter::describe(Outcome outcome) {
  switch (outcome) {
    case Outcome::AlreadyRunning:
      return tr("the helper is running");
    case Outcome::StartedUnit:
      //: %1 is the systemd user unit's name.
      return tr("started the helper through %1").arg(QLatin1String(kUnit));
    case Outcome::StartedProgram:
      return tr("started the helper");
    case Outcome::NoBus:
      return tr("no session bus: the helper was not started");
    case Outcome::NoHelperFound:
      return tr("cannot find the helper to start it");
  }
  return {};
}

}  // namespace halvane
