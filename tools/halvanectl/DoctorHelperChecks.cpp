// The helper: running, its version, and the backends it chose.
#include "tools/halvanectl/DoctorChecks.h"

#include "platform/desktop/frontapp/BackendChoice.h"
#include "platform/system/control/DiagnosticsClient.h"
#include "shared/control/ControlChannel.h"
#include "shared/plist/PlistFile.h"
#include "tools/halvanectl/facts/DesktopFacts.h"

#include <QCoreApplication>
#include <QDir>

namespace halvane::ctl {

namespace {

struct DoctorHelperChecks {
  Q_DECLARE_TR_FUNCTIONS(DoctorHelperChecks)
};

using Status = DoctorCheck::Status;

QString restartCommand(const DoctorSystem& system) {
  return DoctorHelperChecks::tr("quit the helper (end its HalvaneHelper process), then: %1")
      .arg(system.helperStartCommand());
}

// The helper writes its lines in its own language, which is ours unless it was started with
// another: words are looked for as written in the sources and as translated here.
bool mentions(const QString& line, const char* context, const char* words) {
  return line.contains(QLatin1String(words)) ||
         line.contains(QCoreApplication::translate(context, words));
}

// A line that starts with the backend's own name, which is never translated.
bool startsWithName(const QString& line, const char* name) {
  return line == QLatin1String(name) || line.startsWith(QLatin1String(name) + u',');
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
  // Whether the helper's line says the service does nothing real, or only part of it.
  bool (*inert)(const QString& line);
  Status whenInert;
};

const Backend kBackends[] = {
    {"keyEvents", QT_TRANSLATE_NOOP("DoctorHelperChecks", "Synthetic keys"),
     [](const QString& line) { return startsWithName(line, "none"); }, Status::Fail},
    {"hidEvents", QT_TRANSLATE_NOOP("DoctorHelperChecks", "HID events"),
     [](const QString& line) { return !startsWithName(line, "uinput"); }, Status::Fail},
    // On Wayland, XWayland's active window is that of X applications only.
    {"frontApplication", QT_TRANSLATE_NOOP("DoctorHelperChecks", "Front application"),
     [](const QString& line) {
       return startsWithName(line, "none") ||
              mentions(line, kFrontBackendContext, kXApplicationsOnly) ||
              mentions(line, kFrontBackendContext, kSwitchingOff);
     },
     Status::Warn},
    {"overlay", QT_TRANSLATE_NOOP("DoctorHelperChecks", "Overlay"), nullptr, Status::Pass},
    {"pointer", QT_TRANSLATE_NOOP("DoctorHelperChecks", "Mouse buttons and wheel"),
     [](const QString& line) { return startsWithName(line, "none"); }, Status::Fail},
    // The line says which characters can be typed on this desktop, and why not the others.
    {"text", QT_TRANSLATE_NOOP("DoctorHelperChecks", "Text steps"),
     [](const QString& line) { return startsWithName(line, "none"); }, Status::Fail},
};

DoctorCheck backendCheck(const DoctorSystem& system, const Backend& backend,
                         const DiagnosticsClient::Report& backends) {
  const QString key = QLatin1String(backend.key);
  const QString label = DoctorHelperChecks::tr(backend.label);
  if (!backends.contains(key))
    return {Status::Warn,
            DoctorHelperChecks::tr("%1: the helper does not say which backend it chose").arg(label),
            {DoctorHelperChecks::tr("update and restart the helper: %1")
                 .arg(system.helperStartCommand())}};
  const QString chosen = backends.value(key);
  const QString line = QStringLiteral("%1: %2").arg(label, chosen);
  if (!backend.inert || !backend.inert(chosen)) return {Status::Pass, line, {}};
  DoctorCheck check{backend.whenInert, line, {}};
  if (key == QLatin1String("frontApplication"))
    check.fix << DoctorHelperChecks::tr(
                     "automatic switching is off; start the helper from your desktop session, "
                     "where it finds the desktop's windows: %1")
                     .arg(restartCommand(system));
  else
    check.fix << DoctorHelperChecks::tr("make /dev/uinput writable (see above), then %1")
                     .arg(restartCommand(system));
  return check;
}

}  // namespace

DoctorChecks helperChecks(const DoctorSystem& system, bool* running) {
  *running = false;
  QString why = DoctorHelperChecks::tr("the Halvane helper is not running");
  std::unique_ptr<DiagnosticsClient> client =
      system.connectDiagnostics ? system.connectDiagnostics(&why) : nullptr;
  if (!client)
    return {{Status::Fail,
             DoctorHelperChecks::tr("Helper: %1").arg(why),
             {DoctorHelperChecks::tr("start it: %1").arg(system.helperStartCommand())}}};
  const std::optional<DiagnosticsClient::Report> backends = client->backends();
  if (!backends)
    return {{Status::Fail,
             DoctorHelperChecks::tr("Helper: holds %1 but does not answer")
                 .arg(QLatin1String(control::kServiceName)),
             {restartCommand(system)}}};
  *running = true;

  DoctorChecks checks;
  const QString version = helperVersion(system, *backends);
  if (!version.isEmpty() && !system.version.isEmpty() && version != system.version)
    checks << DoctorCheck{
        Status::Warn,
        DoctorHelperChecks::tr("Helper: running version %1, but this halvanectl is %2")
            .arg(version, system.version),
        {DoctorHelperChecks::tr("to run the installed version, %1").arg(restartCommand(system))}};
  else
    checks << DoctorCheck{Status::Pass,
                          DoctorHelperChecks::tr("Helper: running, version %1")
                              .arg(version.isEmpty() ? DoctorHelperChecks::tr("unknown") : version),
                          {}};
  for (const Backend& backend : kBackends) checks << backendCheck(system, backend, *backends);
  return checks;
}

}  // namespace halvane::ctl
