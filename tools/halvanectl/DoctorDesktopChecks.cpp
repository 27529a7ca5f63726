// The session, and the piece of GNOME or KDE that automatic switching needs under Wayland.
// Missing pieces are warnings: the keys work without them, only automatic switching (and on
// GNOME the on-screen profile name) does not.
#include "tools/halvanectl/DoctorChecks.h"

#include "platform/desktop/frontapp/GnomeShellActiveWindowSource.h"
#include "platform/desktop/frontapp/KWinActiveWindowSource.h"
#include "tools/halvanectl/facts/DesktopFacts.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace halvane::ctl {

namespace {

struct DoctorDesktopChecks {
  Q_DECLARE_TR_FUNCTIONS(DoctorDesktopChecks)
};

using Status = DoctorCheck::Status;

const QString kUuid = QString::fromLatin1(GnomeShellActiveWindowSource::kExtensionUuid);
const QString kShellSchema = QStringLiteral("org.gnome.shell");
const QString kKWinScript = QStringLiteral("halvane/kwin/halvane-keyboard.js");
constexpr int kStateRunning = 1;          // ENABLED before GNOME 45, ACTIVE since
constexpr int kFirstModulesVersion = 45;  // GNOME's first release with ES-module extensions

QString sessionType(const DoctorSystem& system) {
  const SessionProbe session = system.session();
  const QString type = session.sessionType.toLower();
  if (type == QLatin1String("wayland") || type == QLatin1String("x11")) return type;
  if (session.hasWaylandDisplay()) return QStringLiteral("wayland");
  if (!session.x11Display.isEmpty()) return QStringLiteral("x11");
  return QString();
}

bool desktopIs(const DoctorSystem& system, const char* name) {
  for (const QString& d : system.session().currentDesktop.split(u':', Qt::SkipEmptyParts))
    if (d.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
  return false;
}

QString compositor(const DoctorSystem& system) {
  const SessionProbe session = system.session();
  if (!session.hyprlandSignature.isEmpty()) return QStringLiteral("Hyprland");
  if (!session.niriSocket.isEmpty()) return QStringLiteral("niri");
  if (!session.swaySocket.isEmpty()) return QStringLiteral("sway");
  return session.currentDesktop.isEmpty() ? DoctorDesktopChecks::tr("an unnamed desktop")
                                          : session.currentDesktop;
}

int majorVersion(const QString& version) {
  return version.section(u'.', 0, 0).toInt();
}

// The extension's folder where GNOME Shell finds it; empty when not installed.
QString installedExtension(const DoctorSystem& system) {
  QStringList candidates{system.dataHome() + QStringLiteral("/gnome-shell/extensions/") + kUuid};
  for (const QString& dir : system.dataDirs())
    candidates << dir + QStringLiteral("/gnome-shell/extensions/") + kUuid;
  for (const QString& folder : candidates)
    if (system.exists(folder + QStringLiteral("/metadata.json"))) return folder;
  return QString();
}

// The build of the extension for this Shell: the build tree keeps one folder per format; an
// install beside halvanectl has the one its GNOME needed.
QString extensionSource(const DoctorSystem& system, int shellMajor) {
  const QString format = shellMajor > 0 && shellMajor < kFirstModulesVersion
                             ? QStringLiteral("legacy")
                             : QStringLiteral("modules");
  for (const QString& folder :
       {QDir::cleanPath(system.programDir + QStringLiteral("/../share/gnome-shell-extension-") +
                        format + u'/' + kUuid),
        QDir::cleanPath(system.programDir + QStringLiteral("/../share/gnome-shell/extensions/") +
                        kUuid)})
    if (system.exists(folder + QStringLiteral("/extension.js"))) return folder;
  return QStringLiteral("<build>/share/gnome-shell-extension-%1/%2").arg(format, kUuid);
}

bool supportsShell(const DoctorSystem& system, const QString& folder, int shellMajor) {
  const QJsonArray versions =
      QJsonDocument::fromJson(system.readText(folder + QStringLiteral("/metadata.json")).toUtf8())
          .object()
          .value(QStringLiteral("shell-version"))
          .toArray();
  for (const QJsonValue& v : versions)
    if (majorVersion(v.toString()) == shellMajor) return true;
  return false;
}

DoctorCheck gnomeExtension(const DoctorSystem& system) {
  const QString version = system.desktop->gnomeShellVersion();
  const int major = majorVersion(version);
  const QString userFolder = system.dataHome() + QStringLiteral("/gnome-shell/extensions");
  const QString relogin = DoctorDesktopChecks::tr(
      "log out and in again (GNOME on Wayland finds new extensions only at login)");
  const QString enable = QStringLiteral("gnome-extensions enable ") + kUuid;
  const QString copy = QStringLiteral("mkdir -p %1 && cp -r %2 %1/")
                           .arg(system.shown(userFolder), extensionSource(system, major));
  // What is missing, and what for.
  auto warn = [](const QString& what) {
    return DoctorDesktopChecks::tr(
               "%1 (automatic switching and the on-screen profile name need it)")
        .arg(what);
  };

  const QString installed = installedExtension(system);
  if (installed.isEmpty())
    return {Status::Warn,
            warn(DoctorDesktopChecks::tr("GNOME Shell extension %1: not installed").arg(kUuid)),
            {copy, relogin, enable}};
  if (major > 0 && !supportsShell(system, installed, major)) {
    DoctorCheck check{
        Status::Warn,
        warn(DoctorDesktopChecks::tr("GNOME Shell extension: %1 is not made for GNOME %2")
                 .arg(system.shown(installed), QString::number(major))),
        {}};
    if (installed.startsWith(userFolder + u'/'))
      check.fix << QStringLiteral("rm -r %1 && ").arg(system.shown(installed)) + copy;
    else
      check.fix << copy;
    check.fix << relogin;
    return check;
  }
  // The running Shell has the last word; the settings only explain why it does not run it.
  if (system.desktop->gnomeExtensionState(kUuid) == kStateRunning)
    return {
        Status::Pass,
        DoctorDesktopChecks::tr("GNOME Shell extension: %1, running").arg(system.shown(installed)),
        {}};
  if (system.desktop->gsettingsBool(kShellSchema, QStringLiteral("disable-user-extensions"))
          .value_or(false))
    return {Status::Warn,
            warn(DoctorDesktopChecks::tr("GNOME Shell extensions are turned off altogether")),
            {QStringLiteral("gsettings set org.gnome.shell disable-user-extensions false")}};
  const std::optional<QStringList> enabled =
      system.desktop->gsettingsStrings(kShellSchema, QStringLiteral("enabled-extensions"));
  const QStringList disabled =
      system.desktop->gsettingsStrings(kShellSchema, QStringLiteral("disabled-extensions"))
          .value_or(QStringList());
  if ((enabled && !enabled->contains(kUuid)) || disabled.contains(kUuid))
    return {
        Status::Warn,
        warn(
            DoctorDesktopChecks::tr("GNOME Shell extension %1: installed, not enabled").arg(kUuid)),
        {enable}};
  return {Status::Warn,
          warn(DoctorDesktopChecks::tr(
                   "GNOME Shell extension %1: installed, but GNOME Shell has not started it")
                   .arg(kUuid)),
          {relogin, DoctorDesktopChecks::tr("if it still does not run: %1").arg(enable)}};
}

DoctorCheck kwinScript(const DoctorSystem& system, bool helperRunning) {
  QStringList candidates{
      QDir::cleanPath(system.programDir + QStringLiteral("/../share/") + kKWinScript),
      system.dataHome() + u'/' + kKWinScript};
  for (const QString& dir : system.dataDirs()) candidates << dir + u'/' + kKWinScript;
  const QString script = system.firstExisting(candidates);
  // What is missing, and what for.
  auto warn = [](const QString& what) {
    return DoctorDesktopChecks::tr("%1 (automatic switching needs it)").arg(what);
  };
  if (script.isEmpty()) {
    const QString from = system.firstExisting({QDir::cleanPath(
        system.sourceDir + QStringLiteral("/platform/desktop/kwin-script/halvane-keyboard.js"))});
    return {
        Status::Warn,
        warn(DoctorDesktopChecks::tr("KWin script %1: not installed").arg(kKWinScript)),
        {QStringLiteral("sudo install -D -m 644 %1 /usr/local/share/%2")
             .arg(from.isEmpty()
                      ? QStringLiteral(
                            "<Halvane sources>/platform/desktop/kwin-script/halvane-keyboard.js")
                      : from,
                  kKWinScript)}};
  }
  if (!helperRunning)
    return {Status::Pass,
            DoctorDesktopChecks::tr("KWin script: %1 (the helper loads it when it starts)")
                .arg(system.shown(script)),
            {}};
  const std::optional<bool> loaded =
      system.desktop->kwinScriptLoaded(QString::fromLatin1(KWinActiveWindowSource::kScriptName));
  if (!loaded)
    return {Status::Warn,
            warn(DoctorDesktopChecks::tr("KWin script: KWin does not answer on this session bus")),
            {DoctorDesktopChecks::tr("run %1 in a terminal of the Plasma session")
                 .arg(QStringLiteral("halvanectl doctor"))}};
  if (!*loaded)
    return {Status::Warn,
            warn(DoctorDesktopChecks::tr("KWin script: %1 is installed, but KWin has not loaded it")
                     .arg(system.shown(script))),
            {DoctorDesktopChecks::tr(
                 "restart the helper, which loads it at start (its log says why it could not: %1)")
                 .arg(QStringLiteral("journalctl --user -t HalvaneHelper"))}};
  return {Status::Pass,
          DoctorDesktopChecks::tr("KWin script: %1, loaded").arg(system.shown(script)),
          {}};
}

}  // namespace

std::optional<DoctorCheck> desktopPieceCheck(const DoctorSystem& system, bool helperRunning) {
  if (sessionType(system) != QLatin1String("wayland")) return std::nullopt;
  if (desktopIs(system, "GNOME")) return gnomeExtension(system);
  if (desktopIs(system, "KDE")) return kwinScript(system, helperRunning);
  return std::nullopt;
}

DoctorChecks desktopChecks(const DoctorSystem& system, bool helperRunning) {
  DoctorChecks checks;
  const QString type = sessionType(system);
  if (type.isEmpty())
    checks << DoctorCheck{
        Status::Warn,
        DoctorDesktopChecks::tr(
            "Desktop: no graphical session seen (DISPLAY and WAYLAND_DISPLAY are unset)"),
        {DoctorDesktopChecks::tr("run %1 in a terminal of your desktop session")
             .arg(QStringLiteral("halvanectl doctor"))}};
  else
    checks << DoctorCheck{Status::Pass,
                          DoctorDesktopChecks::tr("Desktop: %1, %2")
                              .arg(type == QLatin1String("wayland") ? QStringLiteral("Wayland")
                                                                    : QStringLiteral("X11"),
                                   compositor(system)),
                          {}};
  if (std::optional<DoctorCheck> piece = desktopPieceCheck(system, helperRunning)) checks << *piece;
  return checks;
}

}  // namespace halvane::ctl
