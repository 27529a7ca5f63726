#include "tools/halvanectl/Halvanectl.h"

#include "platform/desktop/notification/DistributedNotificationCenter.h"
#include "platform/system/control/DiagnosticsClient.h"
#include "platform/system/control/RemoteProxy.h"
#include "shared/control/ControlChannel.h"
#include "shared/plist/PlistFile.h"
#include "shared/settings/ProfileTransfer.h"
#include "shared/settings/SettingsBackups.h"
#include "shared/settings/SettingsStore.h"
#include "tools/halvanectl/Doctor.h"
#include "tools/halvanectl/TerminalText.h"

namespace halvane::ctl {

namespace {

using settings::SettingsValidator;
using settings::TransferResult;

QString macroKeyName(int index) {
  return index < 5 ? QStringLiteral("L%1").arg(index + 1) : QStringLiteral("R%1").arg(index - 4);
}

QString counted(int n, const char* singular) {
  return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(singular)).arg(n == 1 ? "" : "s");
}

}  // namespace

Halvanectl::Halvanectl(CtlEnvironment environment, QTextStream& out, QTextStream& err)
    : env_(std::move(environment)), out_(out), err_(err) {}

Halvanectl::~Halvanectl() = default;

QString Halvanectl::helpText() {
  return QStringLiteral(
      "Usage: halvanectl COMMAND [ARGUMENTS]\n"
      "\n"
      "The command-line client of the Halvane keyboard software. Profiles are numbered 1 to 10,\n"
      "as the preferences show them: \"4 - Games\" is the fourth profile, named Games.\n"
      "\n"
      "Commands that talk to the running Halvane helper:\n"
      "  profile          print the current profile, e.g. \"4 - Games\"\n"
      "  profile N        switch to profile N (as the preferences do: the helper shows the\n"
      "                   profile on screen when asked to, and announces no change)\n"
      "  reload           make the helper read the settings file again\n"
      "  watch            print each profile change the helper announces, one line each\n"
      "                   (\"4 - Games\"), until interrupted; the helper may start later\n"
      "  front [--watch]  what the helper sees in front: the window system, the window's\n"
      "                   app_id, class, instance and process, the application (desktop entry\n"
      "                   and executable) and how it was found, and which profile that selects\n"
      "                   or why none; --watch prints it again after each application switch\n"
      "  doctor           check everything the keyboard needs, one line each, with the fix for\n"
      "                   each problem: the keyboard's device nodes and /dev/uinput, the udev\n"
      "                   rule and hwdb entry, the helper and the backends it chose, the desktop\n"
      "                   and its Shell extension or KWin script, autostart, the settings file\n"
      "  doctor --desktop-hint\n"
      "                   only the step this desktop needs for automatic switching, if any\n"
      "\n"
      "Commands on the settings file (the helper need not be running):\n"
      "  check [FILE]     check a settings file, by default the user's\n"
      "                   (~/.config/halvane/com.halvane.keyboard.plist, or $HALVANE_SETTINGS);\n"
      "                   prints every problem with its place in the file, e.g.\n"
      "                   \"error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above 6350\"\n"
      "  export N FILE    write profile N to FILE, a property list holding \"Format\" (1) and\n"
      "                   the profile record under \"Profile\"; a profile with errors is not\n"
      "                   exported\n"
      "  import N FILE    replace profile N with the profile in FILE; the profile is checked\n"
      "                   first and nothing changes when it has errors; then a running helper\n"
      "                   is asked to reload\n"
      "  backups          list the kept earlier versions of the settings file (the 10 newest,\n"
      "                   in ~/.config/halvane/backups), numbered from the newest, with the\n"
      "                   time each was replaced and its size\n"
      "  restore N        put backup N back as the settings file (the current contents become\n"
      "                   a backup themselves); then a running helper is asked to reload\n"
      "\n"
      "  --help           this text\n"
      "  --version        the version of the Halvane software\n"
      "\n"
      "Errors are things the software would act on differently from what the file says, or\n"
      "values the preferences never write; warnings are harmless departures from what the\n"
      "preferences write (a missing entry that reads as a sensible value, an unknown key).\n"
      "\n"
      "Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or import\n"
      "refused a profile with errors, or doctor found something that keeps the keyboard from\n"
      "working; 2 the command could not be carried out (bad arguments, a file that cannot be\n"
      "read or written, the helper not running or not answering).\n");
}

int Halvanectl::refuse(const QString& error) {
  err_ << "halvanectl: " << error << "\nTry \"halvanectl --help\".\n";
  err_.flush();
  return kFailure;
}

int Halvanectl::run(const CtlCommand& command) {
  switch (command.kind) {
    case CtlCommand::Kind::Help:
      out_ << helpText();
      return kSuccess;
    case CtlCommand::Kind::ShowProfile:
      return showProfile();
    case CtlCommand::Kind::SetProfile:
      return setProfile(command.number);
    case CtlCommand::Kind::Reload:
      return reload();
    case CtlCommand::Kind::Watch:
      return watch();
    case CtlCommand::Kind::Front:
      return front(command.keepWatching);
    case CtlCommand::Kind::Doctor:
      return doctor(command.desktopHint);
    case CtlCommand::Kind::Check:
      return check(command.file.isEmpty() ? env_.settingsPath : command.file);
    case CtlCommand::Kind::Export:
      return exportProfile(command.number, command.file);
    case CtlCommand::Kind::Import:
      return importProfile(command.number, command.file);
    case CtlCommand::Kind::Backups:
      return listBackups();
    case CtlCommand::Kind::Restore:
      return restoreBackup(command.number);
  }
  return kFailure;
}

QString Halvanectl::profileLabel(int index) const {
  const PlistValue profile =
      settings::read(env_.settingsPath)[QStringLiteral("Profiles")].at(index);
  const PlistValue name = profile[QStringLiteral("Name")];
  if (!profile.isDictionary() || name.type() != PlistValue::Type::String)
    return QString::number(qint64(index) + 1);
  return QStringLiteral("%1 - %2").arg(index + 1).arg(terminalSafe(name.toString()));
}

std::unique_ptr<RemoteProxy> Halvanectl::helper() {
  QString why;
  std::unique_ptr<RemoteProxy> proxy = env_.connectHelper(&why);
  if (!proxy) fail(why);
  return proxy;
}

int Halvanectl::helperNotAnswering() {
  return fail(QStringLiteral("the Halvane helper did not answer"));
}

int Halvanectl::fail(const QString& message) {
  err_ << "halvanectl: " << message << '\n';
  err_.flush();
  return kFailure;
}

int Halvanectl::showProfile() {
  auto proxy = helper();
  if (!proxy) return kFailure;
  const std::optional<int> index = proxy->getCurrentProfile();
  if (!index) return helperNotAnswering();
  out_ << profileLabel(*index) << '\n';
  return kSuccess;
}

int Halvanectl::setProfile(int number) {
  auto proxy = helper();
  if (!proxy) return kFailure;
  if (!proxy->setCurrentProfile(number - 1)) return helperNotAnswering();
  // The helper answers before a switch it has to refuse or put off, so ask where it is now. A
  // switch asked for during a macro comes when the macro ends: wait a little for that.
  const qsizetype profiles = settings::read(env_.settingsPath)[QStringLiteral("Profiles")].count();
  std::optional<int> now;
  for (int waited = 0;; waited += kSwitchPollMs) {
    now = proxy->getCurrentProfile();
    if (!now) return helperNotAnswering();
    if (*now == number - 1) {
      out_ << profileLabel(number - 1) << '\n';
      return kSuccess;
    }
    if (number > profiles || waited >= kSwitchWaitMs) break;
    env_.pause(kSwitchPollMs);
  }
  const QString why =
      number > profiles
          ? QStringLiteral("the settings file holds only %1").arg(counted(int(profiles), "profile"))
          : QStringLiteral(
                "it did not switch within %1 seconds (a macro may be playing; the "
                "switch then comes when it ends)")
                .arg(kSwitchWaitMs / 1000);
  err_ << "halvanectl: the Halvane helper stayed on profile " << profileLabel(*now)
       << " and did not switch to profile " << number << ": " << why << '\n';
  err_.flush();
  return kProblems;
}

int Halvanectl::reload() {
  auto proxy = helper();
  if (!proxy) return kFailure;
  if (!proxy->reloadPrefs()) return helperNotAnswering();
  return reportSettingsLoad(QStringLiteral("the Halvane helper reloaded its settings"));
}

int Halvanectl::reportSettingsLoad(const QString& what) {
  // What the reading had to say (a file set aside, defaults used) is the answer the user needs.
  QString why;
  std::unique_ptr<DiagnosticsClient> client =
      env_.connectDiagnostics ? env_.connectDiagnostics(&why) : nullptr;
  const std::optional<DiagnosticsClient::Report> load =
      client ? client->settingsLoad() : std::nullopt;
  if (!load || !load->contains(QStringLiteral("problems"))) return kSuccess;
  err_ << "halvanectl: " << what << ", but:\n";
  for (const QString& line : load->value(QStringLiteral("problems")).split(u'\n'))
    err_ << "  " << terminalSafe(line) << '\n';
  err_.flush();
  return kProblems;
}

int Halvanectl::watch() {
  QString why;
  DistributedNotificationCenter* center = env_.notificationCenter(&why);
  if (!center) return fail(QStringLiteral("cannot watch: %1").arg(why));
  center->addObserver(
      QString::fromLatin1(control::kPaneNotificationIdentifier),
      [this](const QString& name, const QString&, const NotificationUserInfo& userInfo) {
        // Any process on the bus may send this; one without an index says nothing.
        if (name != QLatin1String(control::kProfileChanged) ||
            !userInfo.contains(QLatin1String(control::kIndexKey)))
          return;
        out_ << profileLabel(control::profileIndexFromUserInfo(userInfo)) << Qt::endl;
      });
  err_ << "Watching for profile changes; press Ctrl-C to stop." << Qt::endl;
  return kKeepRunning;
}

QString Halvanectl::frontApplicationText(const QMap<QString, QString>& r) {
  QString text;
  QTextStream t(&text);
  auto line = [&t](const char* label, const QString& value) {
    // Every value comes from other programs' windows or from files.
    t << QLatin1String(label) << QString(16 - int(qstrlen(label)), u' ') << terminalSafe(value)
      << '\n';
  };
  line("Backend:", r.value(QStringLiteral("backend"), QStringLiteral("unknown")));
  if (r.value(QStringLiteral("window")) != QLatin1String("active")) {
    line("Window:", QStringLiteral("none"));
  } else {
    QStringList facts;
    const std::pair<const char*, const char*> kFacts[] = {{"appId", "app_id"},
                                                          {"wmClass", "class"},
                                                          {"wmInstance", "instance"},
                                                          {"gtkApplicationId", "GTK application"},
                                                          {"kdeDesktopFile", "KDE desktop file"},
                                                          {"pid", "pid"}};
    for (const auto& [key, label] : kFacts)
      if (r.contains(QLatin1String(key)))
        facts << QStringLiteral("%1 \"%2\"").arg(QLatin1String(label), r.value(QLatin1String(key)));
    line("Window:", facts.isEmpty() ? QStringLiteral("tells nothing about its application")
                                    : facts.join(QStringLiteral(", ")));
  }
  if (r.contains(QStringLiteral("desktopId"))) {
    line("Application:",
         QStringLiteral("%1 (%2), found by %3")
             .arg(r.value(QStringLiteral("name")), r.value(QStringLiteral("desktopId")),
                  r.value(QStringLiteral("source"))));
    const QStringList entries =
        r.value(QStringLiteral("desktopEntries")).split(u'\n', Qt::SkipEmptyParts);
    line("Desktop entry:", r.value(QStringLiteral("desktopEntry")));
    for (const QString& other : entries.mid(1)) line("  also:", other);
  } else {
    line("Application:", QStringLiteral("no desktop entry found"));
  }
  line("Executable:", r.value(QStringLiteral("executable"), QStringLiteral("unknown")));
  const QString verdict = r.value(QStringLiteral("verdict"));
  if (r.contains(QStringLiteral("profile")))
    line("Profile:", QStringLiteral("%1 - %2: %3")
                         .arg(r.value(QStringLiteral("profile")),
                              r.value(QStringLiteral("profileName")), verdict));
  else
    line("Profile:", QStringLiteral("none: %1").arg(verdict));
  return text;
}

int Halvanectl::front(bool keepWatching) {
  QString why;
  std::unique_ptr<DiagnosticsClient> client = env_.connectDiagnostics(&why);
  if (!client) return fail(why);
  const std::optional<QMap<QString, QString>> report = client->frontApplication();
  if (!report) return helperNotAnswering();
  out_ << frontApplicationText(*report);
  // Why the helper watches windows this way: the backend it chose and why not the others.
  const std::optional<QMap<QString, QString>> backends = client->backends();
  if (backends && backends->contains(QStringLiteral("frontApplication")))
    out_ << "Backend choice: " << terminalSafe(backends->value(QStringLiteral("frontApplication")))
         << '\n';
  out_.flush();
  if (!keepWatching) return kSuccess;
  const bool subscribed = client->watchFrontApplication([this](const QMap<QString, QString>& next) {
    out_ << '\n' << frontApplicationText(next);
    out_.flush();
  });
  if (!subscribed) return fail(QStringLiteral("cannot watch the helper's front application"));
  frontWatch_ = std::move(client);
  err_ << "Watching for application switches; press Ctrl-C to stop." << Qt::endl;
  return kKeepRunning;
}

int Halvanectl::doctor(bool desktopHint) {
  const DoctorSystem system = env_.doctorSystem();
  return desktopHint ? printDesktopHint(system, out_) : runDoctor(system, out_);
}

int Halvanectl::check(const QString& file) {
  QString why;
  const PlistValue root = settings::readPropertyList(file, &why);
  if (root.isNone()) return fail(QStringLiteral("cannot read %1: %2").arg(file, why));
  if (!root.isDictionary())
    return fail(
        QStringLiteral("%1 is not a settings file (its root is not a dictionary)").arg(file));

  const settings::SettingsProblems problems = SettingsValidator::validateSettings(root);
  printProblems(problems);
  const int errors = SettingsValidator::errorCount(problems);
  const int warnings = int(problems.size()) - errors;
  if (problems.isEmpty())
    out_ << file << ": no problems\n";
  else
    out_ << file << ": " << counted(errors, "error") << ", " << counted(warnings, "warning")
         << '\n';
  return errors > 0 ? kProblems : kSuccess;
}

int Halvanectl::exportProfile(int number, const QString& file) {
  const TransferResult result = settings::exportProfile(number, file, env_.settingsPath);
  printProblems(result.problems);
  switch (result.status) {
    case TransferResult::Status::Done:
      out_ << "Exported profile " << profileLabel(number - 1) << " to " << file << '\n';
      return kSuccess;
    case TransferResult::Status::Invalid:
      err_ << "halvanectl: profile " << number << " has errors; nothing was exported\n";
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
    err_ << "halvanectl: " << file << " has errors; nothing was changed\n";
    return kProblems;
  }
  if (result.status == TransferResult::Status::Failed)
    return fail(result.message + QStringLiteral("; nothing was changed"));

  out_ << "Imported " << file << " as profile " << profileLabel(number - 1) << '\n';
  printLaunches(settings::read(env_.settingsPath)[QStringLiteral("Profiles")].at(number - 1));

  // The helper keeps its own copy of the settings and writes it back when it quits: unless it
  // reloads now, it would put the old profile back.
  return reloadAfterChange(QStringLiteral("the profile was imported"), QStringLiteral("profile"));
}

int Halvanectl::reloadAfterChange(const QString& what, const QString& changed) {
  // Unless the helper reloads, it writes its older tree back when it quits.
  QString why;
  std::unique_ptr<RemoteProxy> proxy = env_.connectHelper(&why);
  if (!proxy) {
    out_ << "The Halvane helper is not running; it reads the new " << changed
         << " when it starts.\n";
    return kSuccess;
  }
  if (!proxy->reloadPrefs())
    return fail(what + QStringLiteral(", but the Halvane helper did not answer the "
                                      "reload request; restart the helper, or it writes its "
                                      "older settings back when it quits"));
  out_ << "The Halvane helper has reloaded its settings.\n";
  return reportSettingsLoad(what);
}

int Halvanectl::listBackups() {
  const QList<settings::Backup> backups = settings::listBackups(env_.settingsPath);
  if (backups.isEmpty()) {
    out_ << "No backups of " << env_.settingsPath << " yet.\n";
    return kSuccess;
  }
  out_ << "Backups of " << env_.settingsPath << ", newest first:\n";
  for (qsizetype i = 0; i < backups.size(); ++i)
    out_ << QStringLiteral("%1  %2  %3 bytes\n")
                .arg(i + 1, 2)
                .arg(backups[i].time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
                .arg(backups[i].size);
  return kSuccess;
}

int Halvanectl::restoreBackup(int number) {
  const QList<settings::Backup> backups = settings::listBackups(env_.settingsPath);
  QString why;
  if (!settings::restoreBackup(env_.settingsPath, number, &why,
                               [this](const QString& message) { err_ << message << '\n'; }))
    return fail(why + QStringLiteral("; nothing was changed"));
  out_ << "Restored the settings as they were until "
       << backups[number - 1].time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
       << " (backup " << number << ").\n";
  return reloadAfterChange(QStringLiteral("the backup was restored"));
}

void Halvanectl::printProblems(const settings::SettingsProblems& problems) {
  for (const settings::SettingsProblem& p : problems)
    out_ << (p.isError() ? "error: " : "warning: ") << terminalSafe(p.text()) << '\n';
}

void Halvanectl::printLaunches(const PlistValue& profile) {
  const PlistValue keys = profile[QStringLiteral("MacroKeys")];
  for (qsizetype k = 0; k < keys.count(); ++k) {
    const PlistValue key = keys.at(k);
    if (key[QStringLiteral("ActionType")].toString() == QStringLiteral("LaunchApp"))
      out_ << "Note: " << macroKeyName(int(k)) << " launches "
           << terminalSafe(key[QStringLiteral("LaunchAppURL")].toString()) << '\n';
  }
  const QString app = profile[QStringLiteral("ApplicationPath")].toString();
  if (!app.isEmpty() && profile[QStringLiteral("AutoSwitching")].toBool())
    out_ << "Note: the profile becomes current whenever " << terminalSafe(app)
         << " comes to the front\n";
}

}  // namespace halvane::ctl
