// The commands that work on the settings file itself: check, export, import and the backups.
#include "platform/system/control/RemoteProxy.h"
#include "shared/settings/ActionTypes.h"
#include "shared/settings/ProfileTransfer.h"
#include "shared/settings/SettingsBackups.h"
#include "shared/settings/SettingsStore.h"
#include "tools/halvanectl/Halvanectl.h"
#include "tools/halvanectl/TerminalText.h"

namespace halvane::ctl {

namespace {

using settings::SettingsValidator;
using settings::TransferResult;

QString macroKeyName(int index) {
  return index < 5 ? QStringLiteral("L%1").arg(index + 1) : QStringLiteral("R%1").arg(index - 4);
}

QString backupTime(const settings::Backup& backup) {
  return backup.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

int Halvanectl::check(const QString& file) {
  QString why;
  const PlistValue root = settings::readPropertyList(file, &why);
  if (root.isNone()) return fail(tr("cannot read %1: %2").arg(file, why));
  if (!root.isDictionary())
    return fail(tr("%1 is not a settings file (its root is not a dictionary)").arg(file));

  const settings::SettingsProblems problems = SettingsValidator::validateSettings(root);
  printProblems(problems);
  const int errors = SettingsValidator::errorCount(problems);
  const int warnings = int(problems.size()) - errors;
  if (problems.isEmpty())
    out_ << tr("%1: no problems").arg(file) << '\n';
  else
    //: file: the count of errors, the count of warnings
    out_ << tr("%1: %2, %3")
                .arg(file, tr("%n errors", nullptr, errors), tr("%n warnings", nullptr, warnings))
         << '\n';
  return errors > 0 ? kProblems : kSuccess;
}

int Halvanectl::exportProfile(int number, const QString& file) {
  const TransferResult result = settings::exportProfile(number, file, env_.settingsPath);
  printProblems(result.problems);
  switch (result.status) {
    case TransferResult::Status::Done:
      out_ << tr("Exported profile %1 to %2").arg(profileLabel(number - 1), file) << '\n';
      return kSuccess;
    case TransferResult::Status::Invalid:
      err_ << "halvanectl: " << tr("profile %1 has errors; nothing was exported").arg(number)
           << '\n';
      return kProblems;
    case TransferResult::Status::Failed:
      break;
  }
  return fail(result.message);
}

int Halvanectl::importProfile(int number, const QString& file) {
  const TransferResult result =
      settings::importProfile(number, file, env_.defaultsPath, env_.settingsPath);
  printProblems(result.problems);
  if (result.status == TransferResult::Status::Invalid) {
    err_ << "halvanectl: " << tr("%1 has errors; nothing was changed").arg(file) << '\n';
    return kProblems;
  }
  if (result.status == TransferResult::Status::Failed)
    return fail(tr("%1; nothing was changed").arg(result.message));

  out_ << tr("Imported %1 as profile %2").arg(file, profileLabel(number - 1)) << '\n';
  printLaunches(settings::read(env_.settingsPath)[QStringLiteral("Profiles")].at(number - 1));

  // The helper keeps its own copy of the settings and writes it back when it quits: unless it
  // reloads now, it would put the old profile back.
  return reloadAfterChange(
      tr("the profile was imported"),
      tr("The Halvane helper is not running; it reads the new profile when it starts."));
}

int Halvanectl::reloadAfterChange(const QString& what, const QString& notRunning) {
  // Unless the helper reloads, it writes its older tree back when it quits.
  QString why;
  std::unique_ptr<RemoteProxy> proxy = env_.connectHelper(&why);
  if (!proxy) {
    out_ << notRunning << '\n';
    return kSuccess;
  }
  if (!proxy->reloadPrefs())
    return fail(tr("%1, but the Halvane helper did not answer the reload request; restart the "
                   "helper, or it writes its older settings back when it quits")
                    .arg(what));
  out_ << tr("The Halvane helper has reloaded its settings.") << '\n';
  return reportSettingsLoad(what);
}

int Halvanectl::listBackups() {
  const QList<settings::Backup> backups = settings::listBackups(env_.settingsPath);
  if (backups.isEmpty()) {
    out_ << tr("No backups of %1 yet.").arg(env_.settingsPath) << '\n';
    return kSuccess;
  }
  out_ << tr("Backups of %1, newest first:").arg(env_.settingsPath) << '\n';
  for (qsizetype i = 0; i < backups.size(); ++i) {
    const int bytes = int(backups[i].size);
    out_ << QStringLiteral("%1  %2  %3\n")
                .arg(i + 1, 2)
                .arg(backupTime(backups[i]), tr("%n bytes", nullptr, bytes));
  }
  return kSuccess;
}

int Halvanectl::restoreBackup(int number) {
  const QList<settings::Backup> backups = settings::listBackups(env_.settingsPath);
  QString why;
  if (!settings::restoreBackup(env_.settingsPath, number, &why,
                               [this](const QString& message) { err_ << message << '\n'; }))
    return fail(tr("%1; nothing was changed").arg(why));
  out_ << tr("Restored the settings as they were until %1 (backup %2).")
              .arg(backupTime(backups[number - 1]), QString::number(number))
       << '\n';
  return reloadAfterChange(
      tr("the backup was restored"),
      tr("The Halvane helper is not running; it reads the new settings when it starts."));
}

void Halvanectl::printProblems(const settings::SettingsProblems& problems) {
  for (const settings::SettingsProblem& p : problems)
    out_ << (p.isError() ? tr("error: %1") : tr("warning: %1")).arg(terminalSafe(p.text())) << '\n';
}

void Halvanectl::printLaunches(const PlistValue& profile) {
  const PlistValue keys = profile[QStringLiteral("MacroKeys")];
  for (qsizetype k = 0; k < keys.count(); ++k) {
    const PlistValue key = keys.at(k);
    if (key[QStringLiteral("ActionType")].toString() == settings::kLaunchApp)
      out_ << tr("Note: %1 launches %2")
                  .arg(macroKeyName(int(k)),
                       terminalSafe(key[QStringLiteral("LaunchAppURL")].toString()))
           << '\n';
  }
  const QString app = profile[QStringLiteral("ApplicationPath")].toString();
  if (!app.isEmpty() && profile[QStringLiteral("AutoSwitching")].toBool())
    out_ << tr("Note: the profile becomes current whenever %1 comes to the front")
                .arg(terminalSafe(app))
         << '\n';
}

}  // namespace halvane::ctl
