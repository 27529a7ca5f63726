// The helper: running, its version, and the backends it chose.
#include "tools/halvanectl/DoctorChecks.h"

#include "platform/system/control/DiagnosticsClient.h"
#include "shared/control/ControlChannel.h"
#include "shared/plist/PlistFile.h"
#include "tools/halvanectl/facts/DesktopFacts.h"

#include <QDir>

namespace halvane::ctl {

namespace {

using Status = DoctorCheck::Status;

QString restartCommand(const DoctorSystem& system) {
  return QStringLiteral("quit the helper (end its HalvaneHelper process), then: ") +
         system.helperStartCommand();
}

// The version a helper reports, else the one in its bundle's Info.plist.
QString helperVersion(const DoctorSystem& system, const DiagnosticsClient::Report& backends) {
  if (backends.contains(QStringLiteral("version")))
    return backends.value(QStringLiteral("version"));
  const QString executable =
      system.desktop->busNameOwnerExecutable(QString::fromLatin1(control::kServiceName));
  if (executable.isEmpty()) return QString();
  // <bundle>/Contents/MacOS/HalvaneHelper beside <bundle>/Contents/Info.plist
  const QString info = QDir::cleanPath(executable + QStringLiteral("/../../Info.plist"));
  return readPlistFile(system.file(info))[QStringLiteral("CFBundleShortVersionString")].toString();
}

struct Backend {
  const char* key;
  const char* label;
  // The start of a description that means the service does nothing real.
  const char* inert;
  Status whenInert;
};

const Backend kBackends[] = {
    {"keyEvents", "Synthetic keys", "none", Status::Fail},
    {"hidEvents", "HID events", "traced only", Status::Fail},
    {"frontApplication", "Front application", "none", Status::Warn},
    {"overlay", "Overlay", nullptr, Status::Pass},
};

DoctorCheck backendCheck(const DoctorSystem& system, const Backend& backend,
                         const DiagnosticsClient::Report& backends) {
  const QString key = QLatin1String(backend.key);
  const QString label = QLatin1String(backend.label);
  if (!backends.contains(key))
    return {Status::Warn,
            QStringLiteral("%1: the helper does not say which backend it chose").arg(label),
            {QStringLiteral("update and restart the helper: ") + system.helperStartCommand()}};
  const QString chosen = backends.value(key);
  // On Wayland, XWayland's active window is that of X applications only.
  const bool partial = key == QLatin1String("frontApplication") &&
                       (chosen.contains(QLatin1String("X applications only")) ||
                        chosen.contains(QLatin1String("automatic switching is off")));
  if (!partial && (!backend.inert || !chosen.startsWith(QLatin1String(backend.inert))))
    return {Status::Pass, QStringLiteral("%1: %2").arg(label, chosen), {}};
  DoctorCheck check{backend.whenInert, QStringLiteral("%1: %2").arg(label, chosen), {}};
  if (key == QLatin1String("frontApplication"))
    check.fix << QStringLiteral(
                     "automatic switching is off; start the helper from your desktop "
                     "session, where it finds the desktop's windows: ") +
                     restartCommand(system);
  else
    check.fix << QStringLiteral("make /dev/uinput writable (see above), then ") +
                     restartCommand(system);
  return check;
}

}  // namespace

DoctorChecks helperChecks(const DoctorSystem& system, bool* running) {
  *running = false;
  QString why = QStringLiteral("the Halvane helper is not running");
  std::unique_ptr<DiagnosticsClient> client =
      system.connectDiagnostics ? system.connectDiagnostics(&why) : nullptr;
  if (!client)
    return {{Status::Fail,
             QStringLiteral("Helper: %1").arg(why),
             {QStringLiteral("start it: ") + system.helperStartCommand()}}};
  const std::optional<DiagnosticsClient::Report> backends = client->backends();
  if (!backends)
    return {{Status::Fail,
             QStringLiteral("Helper: holds %1 but does not answer")
                 .arg(QLatin1String(control::kServiceName)),
             {restartCommand(system)}}};
  *running = true;

  DoctorChecks checks;
  const QString version = helperVersion(system, *backends);
  if (!version.isEmpty() && !system.version.isEmpty() && version != system.version)
    checks << DoctorCheck{
        Status::Warn,
        QStringLiteral("Helper: running version %1, but this halvanectl is %2")
            .arg(version, system.version),
        {QStringLiteral("to run the installed version, ") + restartCommand(system)}};
  else
    checks << DoctorCheck{Status::Pass,
                          QStringLiteral("Helper: running, version %1")
                              .arg(version.isEmpty() ? QStringLiteral("unknown") : version),
                          {}};
  for (const Backend& backend : kBackends) checks << backendCheck(system, backend, *backends);
  return checks;
}

}  // namespace halvane::ctl
