#include "tools/halvanectl/Halvanectl.h"

#include "platform/desktop/notification/DistributedNotificationCenter.h"
#include "platform/system/control/DiagnosticsClient.h"
#include "platform/system/control/RemoteProxy.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsStore.h"
#include "tools/halvanectl/Doctor.h"
#include "tools/halvanectl/TerminalText.h"

namespace halvane::ctl {

namespace {

// One line of the help's command list: the command as typed, then its description, whose
// translated lines all start in the description column.
struct HelpEntry {
  const char* usage;  // never translated
  const char* description;
};

constexpr int kUsageIndent = 2;
constexpr int kDescriptionColumn = 19;
// Where front's values start, unless a translated label needs more room.
constexpr int kFrontValueColumn = 16;

QString helpEntries(std::initializer_list<HelpEntry> entries) {
  const QString indent(kDescriptionColumn, u' ');
  QString text;
  for (const HelpEntry& e : entries) {
    const QString usage = QString(kUsageIndent, u' ') + QLatin1String(e.usage);
    // A command too long for its column has its description on the lines below.
    text += displayWidth(usage) + 2 <= kDescriptionColumn ? padded(usage, kDescriptionColumn)
                                                          : usage + u'\n' + indent;
    const QStringList lines = Halvanectl::tr(e.description).split(u'\n');
    text += lines.join(u'\n' + indent) + u'\n';
  }
  return text;
}

}  // namespace

Halvanectl::Halvanectl(CtlEnvironment environment, QTextStream& out, QTextStream& err)
    : env_(std::move(environment)), out_(out), err_(err) {}

Halvanectl::~Halvanectl() = default;

QString Halvanectl::helpText() {
  // Read when asked, so that it comes in the language of the translator installed by then.
  return tr("Usage: %1").arg(QStringLiteral("halvanectl COMMAND [ARGUMENTS]")) + u'\n' + u'\n' +
         tr("The command-line client of the Halvane keyboard software. Profiles are numbered 1 "
            "to 10,\nas the preferences show them: \"4 - Games\" is the fourth profile, named "
            "Games.") +
         u'\n' + u'\n' + tr("Commands that talk to the running Halvane helper:") + u'\n' +
         helpEntries({
             {"profile", QT_TR_NOOP("print the current profile, e.g. \"4 - Games\"")},
             {"profile N", QT_TR_NOOP("switch to profile N (as the preferences do: the helper "
                                      "shows the\nprofile on screen when asked to, and announces "
                                      "no change)")},
             {"reload", QT_TR_NOOP("make the helper read the settings file again")},
             {"watch", QT_TR_NOOP("print each profile change the helper announces, one line "
                                  "each\n(\"4 - Games\"), until interrupted; the helper may "
                                  "start later")},
             {"front [--watch]",
              QT_TR_NOOP("what the helper sees in front: the window system, the window's\napp_id, "
                         "class, instance and process, the application (desktop entry\nand "
                         "executable) and how it was found, and which profile that selects\nor "
                         "why none; --watch prints it again after each application switch")},
             {"doctor",
              QT_TR_NOOP("check everything the keyboard needs, one line each, with the fix "
                         "for\neach problem: the keyboard's device nodes and /dev/uinput, the "
                         "udev\nrule and hwdb entry, the helper and the backends it chose, the "
                         "desktop\nand its Shell extension or KWin script, autostart, the "
                         "settings file")},
             {"doctor --desktop-hint",
              QT_TR_NOOP("only the step this desktop needs for automatic switching, if any")},
         }) +
         u'\n' + tr("Commands on the settings file (the helper need not be running):") + u'\n' +
         helpEntries({
             {"check [FILE]",
              QT_TR_NOOP("check a settings file, by default the user's\n"
                         "(~/.config/halvane/com.halvane.keyboard.plist, or "
                         "$HALVANE_SETTINGS);\nprints every problem with its place in the file, "
                         "e.g.\n\"error: Profiles[3].MacroKeys[7].KeyCombo.delay2: 9000 is above "
                         "6350\"")},
             {"export N FILE",
              QT_TR_NOOP("write profile N to FILE, a property list holding \"Format\" (1) and\nthe "
                         "profile record under \"Profile\"; a profile with errors is not\n"
                         "exported")},
             {"import N FILE",
              QT_TR_NOOP("replace profile N with the profile in FILE; the profile is checked\n"
                         "first and nothing changes when it has errors; then a running helper\nis "
                         "asked to reload")},
             {"backups",
              QT_TR_NOOP("list the kept earlier versions of the settings file (the 10 newest,\nin "
                         "~/.config/halvane/backups), numbered from the newest, with the\ntime "
                         "each was replaced and its size")},
             {"restore N",
              QT_TR_NOOP("put backup N back as the settings file (the current contents become\na "
                         "backup themselves); then a running helper is asked to reload")},
         }) +
         u'\n' +
         helpEntries({{"--help", QT_TR_NOOP("this text")},
                      {"--version", QT_TR_NOOP("the version of the Halvane software")}}) +
         u'\n' +
         tr("Errors are things the software would act on differently from what the file says, "
            "or\nvalues the preferences never write; warnings are harmless departures from what "
            "the\npreferences write (a missing entry that reads as a sensible value, an unknown "
            "key).") +
         u'\n' + u'\n' +
         tr("Exit status: 0 done (warnings alone leave it 0); 1 check found errors, export or "
            "import\nrefused a profile with errors, or doctor found something that keeps the "
            "keyboard from\nworking; 2 the command could not be carried out (bad arguments, a "
            "file that cannot be\nread or written, the helper not running or not answering).") +
         u'\n';
}

int Halvanectl::refuse(const QString& error) {
  err_ << "halvanectl: " << error << '\n'
       << tr("Try \"%1\".").arg(QStringLiteral("halvanectl --help")) << '\n';
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
  return fail(tr("the Halvane helper did not answer"));
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
  const int held = int(profiles);
  const QString why =
      number > profiles
          ? (tr("the settings file holds only %n profiles", nullptr, held))
          : tr("it did not switch within %n seconds (a macro may be playing; the switch then "
               "comes when it ends)",
               nullptr, kSwitchWaitMs / 1000);
  err_ << "halvanectl: "
       << tr("the Halvane helper stayed on profile %1 and did not switch to profile %2: %3")
              .arg(profileLabel(*now), QString::number(number), why)
       << '\n';
  err_.flush();
  return kProblems;
}

int Halvanectl::reload() {
  auto proxy = helper();
  if (!proxy) return kFailure;
  if (!proxy->reloadPrefs()) return helperNotAnswering();
  return reportSettingsLoad(tr("the Halvane helper reloaded its settings"));
}

int Halvanectl::reportSettingsLoad(const QString& what) {
  // What the reading had to say (a file set aside, defaults used) is the answer the user needs.
  QString why;
  std::unique_ptr<DiagnosticsClient> client =
      env_.connectDiagnostics ? env_.connectDiagnostics(&why) : nullptr;
  const std::optional<DiagnosticsClient::Report> load =
      client ? client->settingsLoad() : std::nullopt;
  if (!load || !load->contains(QStringLiteral("problems"))) return kSuccess;
  //: %1 is what was done, e.g. "the profile was imported"; its problems follow
  err_ << "halvanectl: " << tr("%1, but:").arg(what) << '\n';
  for (const QString& line : load->value(QStringLiteral("problems")).split(u'\n'))
    err_ << "  " << terminalSafe(line) << '\n';
  err_.flush();
  return kProblems;
}

int Halvanectl::watch() {
  QString why;
  DistributedNotificationCenter* center = env_.notificationCenter(&why);
  if (!center) return fail(tr("cannot watch: %1").arg(why));
  center->addObserver(
      QString::fromLatin1(control::kPaneNotificationIdentifier),
      [this](const QString& name, const QString&, const NotificationUserInfo& userInfo) {
        // Any process on the bus may send this; one without an index says nothing.
        if (name != QLatin1String(control::kProfileChanged) ||
            !userInfo.contains(QLatin1String(control::kIndexKey)))
          return;
        out_ << profileLabel(control::profileIndexFromUserInfo(userInfo)) << Qt::endl;
      });
  err_ << tr("Watching for profile changes; press Ctrl-C to stop.") << Qt::endl;
  return kKeepRunning;
}

QString Halvanectl::frontApplicationText(const QMap<QString, QString>& r) {
  QList<std::pair<QString, QString>> lines;
  auto line = [&lines](const QString& label, const QString& value) {
    // Every value comes from other programs' windows or from files.
    lines.append({label, terminalSafe(value)});
  };
  line(tr("Backend:"), r.value(QStringLiteral("backend"), tr("unknown")));
  if (r.value(QStringLiteral("window")) != QLatin1String("active")) {
    line(tr("Window:"), tr("none"));
  } else {
    QStringList facts;
    // app_id and pid are the protocols' own words.
    const struct {
      const char* key;
      QString label;
    } kFacts[] = {{"appId", QStringLiteral("app_id")},
                  //: the X11 window's WM_CLASS class
                  {"wmClass", tr("class")},
                  //: the X11 window's WM_CLASS instance
                  {"wmInstance", tr("instance")},
                  {"gtkApplicationId", tr("GTK application")},
                  {"kdeDesktopFile", tr("KDE desktop file")},
                  {"pid", QStringLiteral("pid")}};
    for (const auto& [key, label] : kFacts)
      if (r.contains(QLatin1String(key)))
        //: a fact a window tells about itself and its value, e.g. class "gedit"
        facts << tr("%1 \"%2\"").arg(label, r.value(QLatin1String(key)));
    line(tr("Window:"), facts.isEmpty() ? tr("tells nothing about its application")
                                        : facts.join(QStringLiteral(", ")));
  }
  if (r.contains(QStringLiteral("desktopId"))) {
    line(tr("Application:"),
         //: application name (desktop entry id), found by how it was found (a fixed word)
         tr("%1 (%2), found by %3")
             .arg(r.value(QStringLiteral("name")), r.value(QStringLiteral("desktopId")),
                  r.value(QStringLiteral("source"))));
    const QStringList entries =
        r.value(QStringLiteral("desktopEntries")).split(u'\n', Qt::SkipEmptyParts);
    line(tr("Desktop entry:"), r.value(QStringLiteral("desktopEntry")));
    for (const QString& other : entries.mid(1)) line(QStringLiteral("  ") + tr("also:"), other);
  } else {
    line(tr("Application:"), tr("no desktop entry found"));
  }
  line(tr("Executable:"), r.value(QStringLiteral("executable"), tr("unknown")));
  const QString verdict = r.value(QStringLiteral("verdict"));
  if (r.contains(QStringLiteral("profile")))
    line(tr("Profile:"), QStringLiteral("%1 - %2: %3")
                             .arg(r.value(QStringLiteral("profile")),
                                  r.value(QStringLiteral("profileName")), verdict));
  else
    //: no profile; %1 says why, in the helper's words
    line(tr("Profile:"), tr("none: %1").arg(verdict));

  // The values start in one column, after the widest label in this language.
  int column = kFrontValueColumn;
  for (const auto& [label, value] : lines) column = std::max(column, displayWidth(label) + 2);
  QString text;
  for (const auto& [label, value] : lines) text += padded(label, column) + value + u'\n';
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
    out_ << tr("Backend choice: %1")
                .arg(terminalSafe(backends->value(QStringLiteral("frontApplication"))))
         << '\n';
  out_.flush();
  if (!keepWatching) return kSuccess;
  const bool subscribed = client->watchFrontApplication([this](const QMap<QString, QString>& next) {
    out_ << '\n' << frontApplicationText(next);
    out_.flush();
  });
  if (!subscribed) return fail(tr("cannot watch the helper's front application"));
  frontWatch_ = std::move(client);
  err_ << tr("Watching for application switches; press Ctrl-C to stop.") << Qt::endl;
  return kKeepRunning;
}

int Halvanectl::doctor(bool desktopHint) {
  const DoctorSystem system = env_.doctorSystem();
  return desktopHint ? printDesktopHint(system, out_) : runDoctor(system, out_);
}

}  // namespace halvane::ctl
