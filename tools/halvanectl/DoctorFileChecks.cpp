// Starting at login, and the settings file.
#include "tools/halvanectl/DoctorChecks.h"

#include "shared/settings/ProfileTransfer.h"
#include "shared/settings/SettingsBackups.h"
#include "shared/settings/SettingsLocation.h"
#include "shared/settings/SettingsValidator.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace halvane::ctl {

namespace {

struct DoctorFileChecks {
  Q_DECLARE_TR_FUNCTIONS(DoctorFileChecks)
};

using Status = DoctorCheck::Status;

const QString kUnit = QStringLiteral("halvane-helper.service");
const QString kEntry = QStringLiteral("autostart/halvane-helper.desktop");

// The unit's links in the .wants folders of any target: the unit is enabled.
QString enabledUnit(const DoctorSystem& system) {
  for (const QString& dir : system.userUnitDirs()) {
    const QDir units(system.file(dir));
    for (const QString& wants : units.entryList({QStringLiteral("*.wants")}, QDir::Dirs))
      if (system.exists(dir + u'/' + wants + u'/' + kUnit))
        return dir + u'/' + wants + u'/' + kUnit;
  }
  return QString();
}

bool unitInstalled(const DoctorSystem& system) {
  for (const QString& dir : system.userUnitDirs())
    if (system.exists(dir + u'/' + kUnit)) return true;
  return false;
}

QString entryValue(const QString& entry, const QString& key) {
  const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                QRegularExpression::MultilineOption);
  return line.match(entry).captured(1).trimmed();
}

// The program an Exec line starts: its first word, quotes and escapes undone.
QString execProgram(const QString& exec) {
  QString word;
  bool quoted = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec.at(i);
    if (c == u'"')
      quoted = !quoted;
    else if (c == u'\\' && i + 1 < exec.size())
      word += exec.at(++i);
    else if (c.isSpace() && !quoted)
      break;
    else
      word += c;
  }
  return word;
}

DoctorCheck autostart(const DoctorSystem& system) {
  const QString unit = enabledUnit(system);
  // The user's own entry hides one of the same name in the system's folders.
  QStringList candidates{system.configHome() + u'/' + kEntry};
  for (const QString& dir : system.configDirs()) candidates << dir + u'/' + kEntry;
  const QString entryPath = system.firstExisting(candidates);
  QString problem;
  bool guarded = false;
  if (!entryPath.isEmpty()) {
    const QString entry = system.readText(entryPath);
    const QString exec = entryValue(entry, QStringLiteral("Exec"));
    // Entries the helper writes start it through a shell that first asks whether the unit is
    // enabled; TryExec names the helper itself.
    guarded = exec.contains(QStringLiteral("is-enabled ") + kUnit);
    const QString tryExec = entryValue(entry, QStringLiteral("TryExec"));
    const QString program = tryExec.isEmpty() ? execProgram(exec) : tryExec;
    if (entryValue(entry, QStringLiteral("Hidden")) == QLatin1String("true") ||
        entryValue(entry, QStringLiteral("X-GNOME-Autostart-enabled")) == QLatin1String("false"))
      problem = DoctorFileChecks::tr("Autostart: %1 is turned off").arg(system.shown(entryPath));
    else if (program.isEmpty())
      problem = DoctorFileChecks::tr("Autostart: %1 starts nothing").arg(system.shown(entryPath));
    else if (QDir::isAbsolutePath(program) && !system.exists(program))
      problem = DoctorFileChecks::tr("Autostart: %1 starts %2, which is not there")
                    .arg(system.shown(entryPath), program);
  }
  const bool entryWorks = !entryPath.isEmpty() && problem.isEmpty();

  // An entry from an older helper starts a second helper beside the unit; removing it lets the
  // helper write one that steps aside for the unit.
  if (!unit.isEmpty() && entryWorks && !guarded)
    return {Status::Warn,
            DoctorFileChecks::tr("Autostart: both %1 and %2 start the helper at login")
                .arg(kUnit, system.shown(entryPath)),
            {DoctorFileChecks::tr("%1 (the helper writes one that leaves the start to the unit)")
                 .arg(QStringLiteral("rm ") + system.shown(entryPath))}};
  if (!unit.isEmpty())
    return {Status::Pass, DoctorFileChecks::tr("Autostart: %1 is enabled").arg(kUnit), {}};
  if (entryWorks)
    return {Status::Pass, DoctorFileChecks::tr("Autostart: %1").arg(system.shown(entryPath)), {}};

  // The helper writes its entry each time it starts, unless one is there already.
  DoctorCheck check{Status::Warn, QString(), {}};
  if (entryPath.isEmpty()) {
    check.line = DoctorFileChecks::tr("Autostart: the helper does not start at login");
    if (unitInstalled(system))
      check.fix << QStringLiteral("systemctl --user enable ") + kUnit;
    else
      check.fix << DoctorFileChecks::tr("start the helper once; it adds %1: %2")
                       .arg(system.shown(candidates.first()), system.helperStartCommand());
  } else {
    check.line = problem;
    check.fix << DoctorFileChecks::tr("%1, then start the helper once; it writes a new one: %2")
                     .arg(QStringLiteral("rm ") + system.shown(entryPath),
                          system.helperStartCommand());
  }
  return check;
}

DoctorCheck settingsFile(const DoctorSystem& system) {
  const QString path = settings::settingsPath(system.environment);
  const QString shown = system.shown(path);
  const QList<settings::Backup> backups = settings::listBackups(system.file(path));
  const QString fromDefaults = DoctorFileChecks::tr("start %1 once; it writes the default settings")
                                   .arg(QStringLiteral("halvane-preferences"));
  const QString restoreNewest =
      DoctorFileChecks::tr("%1   (the newest backup)").arg(QStringLiteral("halvanectl restore 1"));
  if (!system.exists(path))
    return {Status::Fail,
            DoctorFileChecks::tr("Settings: %1 does not exist (the keys do nothing without it)")
                .arg(shown),
            {backups.isEmpty() ? fromDefaults : restoreNewest}};
  QString why;
  const PlistValue root = settings::readPropertyList(system.file(path), &why);
  if (root.isNone() || !root.isDictionary()) {
    DoctorCheck check{
        Status::Fail,
        DoctorFileChecks::tr("Settings: %1 cannot be read (%2)")
            .arg(shown, root.isNone() ? why : DoctorFileChecks::tr("its root is not a dictionary")),
        {}};
    if (!backups.isEmpty())
      check.fix << restoreNewest;
    else
      check.fix << DoctorFileChecks::tr("%1, then %2")
                       .arg(QStringLiteral("mv %1 %1.broken").arg(shown), fromDefaults);
    return check;
  }
  const settings::SettingsProblems problems = settings::SettingsValidator::validateSettings(root);
  const int errors = settings::SettingsValidator::errorCount(problems);
  if (errors > 0) {
    // The keys still work; some act differently from what the file says.
    DoctorCheck check{
        Status::Warn,
        (DoctorFileChecks::tr("Settings: %1 has %n errors", nullptr, errors)).arg(shown),
        {DoctorFileChecks::tr("%1   (lists each), then correct them in %2")
             .arg(QStringLiteral("halvanectl check"), QStringLiteral("halvane-preferences"))}};
    if (!backups.isEmpty())
      check.fix << DoctorFileChecks::tr("or go back to an earlier version: %1")
                       .arg(QStringLiteral("halvanectl backups, halvanectl restore N"));
    return check;
  }
  const int warnings = int(problems.size());
  return {Status::Pass,
          warnings == 0
              ? DoctorFileChecks::tr("Settings: %1 is valid").arg(shown)
              : DoctorFileChecks::tr("Settings: %1 is valid (%n warnings: %2)", nullptr, warnings)
                    .arg(shown, QStringLiteral("halvanectl check")),
          {}};
}

}  // namespace

DoctorChecks fileChecks(const DoctorSystem& system) {
  return {autostart(system), settingsFile(system)};
}

}  // namespace halvane::ctl
