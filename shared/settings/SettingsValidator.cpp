#include "shared/settings/SettingsValidator.h"

#include "shared/settings/ActionTypes.h"
#include "shared/settings/KeyComboValidation.h"
#include "shared/settings/PlayMode.h"

#include <algorithm>

namespace halvane::settings {

namespace {

const QStringList& actionTypes() {
  static const QStringList types{kExecuteMacro, kLaunchApp, kSelectProfile};
  return types;
}

const QStringList& mediaPlayers() {
  static const QStringList players{QStringLiteral("iTunes"), QStringLiteral("QuickTime Player"),
                                   QStringLiteral("VLC"), QStringLiteral("RealPlayer")};
  return players;
}

const QStringList& imagingApplications() {
  static const QStringList apps{QStringLiteral("Preview"), QStringLiteral("PhotoShop"),
                                QStringLiteral("Illustrator"), QStringLiteral("Adobe Reader"),
                                QStringLiteral("ACDSee")};
  return apps;
}

QString profileCount(qsizetype found, int expected) {
  return found == 1
             //: The settings file's list of profiles holds one; %1: how many it must hold.
             ? SettingsValidator::tr("1 profile, expected %1").arg(expected)
             //: The settings file's list of profiles holds %n; %1: how many it must hold.
             : SettingsValidator::tr("%n profiles, expected %1", "", int(found)).arg(expected);
}

QString macroKeyCount(qsizetype found, int expected) {
  return found == 1
             //: A profile's list of macro keys holds one; %1: how many it must hold.
             ? SettingsValidator::tr("1 macro key, expected %1").arg(expected)
             //: A profile's list of macro keys holds %n; %1: how many it must hold.
             : SettingsValidator::tr("%n macro keys, expected %1", "", int(found)).arg(expected);
}

bool isAbsolutePath(const QString& path) {
  return path.startsWith(u'/');
}

}  // namespace

SettingsProblems SettingsValidator::validateSettings(const PlistValue& root) {
  SettingsValidator v;
  v.checkRoot(root);
  return v.problems();
}

SettingsProblems SettingsValidator::validateProfile(const PlistValue& profile, const QString& path,
                                                    OddNames oddNames) {
  SettingsValidator v;
  v.oddNames_ = oddNames;
  if (profile.isNone())
    //: The entry named before the colon is not in the file.
    v.error(path, tr("missing"));
  else
    v.checkProfile(profile, path);
  return v.problems();
}

bool SettingsValidator::hasErrors(const SettingsProblems& problems) {
  return errorCount(problems) > 0;
}

int SettingsValidator::errorCount(const SettingsProblems& problems) {
  return int(std::count_if(problems.begin(), problems.end(),
                           [](const SettingsProblem& p) { return p.isError(); }));
}

void SettingsValidator::checkRoot(const PlistValue& root) {
  if (!expectContainer(root, PlistValue::Type::Dictionary, QString())) return;

  const PlistValue profiles = root["Profiles"];
  const QString profilesPath = QStringLiteral("Profiles");
  if (checkArray(profiles, profilesPath, kProfileCount, profileCount,
                 tr("missing (there are no profiles: no key does anything)")))
    for (qsizetype i = 0; i < profiles.count(); ++i)
      checkProfile(profiles.at(i), element(profilesPath, i));

  checkProfileIndex(root["CurrentProfile"], QStringLiteral("CurrentProfile"),
                    tr("missing (reads as 0: the helper starts with profile 1)"));
  const QString readsFalse = tr("missing (reads as false)");
  checkBoolean(root, QStringLiteral("AutoSwitchingOverride"), QString(), readsFalse);
  checkBoolean(root, QStringLiteral("ShowChangesOnScreen"), QString(), readsFalse);
  // Optional: without it the helper shows its tray icon.
  checkBoolean(root, QStringLiteral("ShowTrayIcon"), QString(), QString());
  // Usually missing: it reads as on.
  checkBoolean(root, kCancelMacroWithEscapeKey, QString(), QString());

  checkKnownKeys(root,
                 {QStringLiteral("Profiles"), QStringLiteral("CurrentProfile"),
                  QStringLiteral("AutoSwitchingOverride"), QStringLiteral("ShowChangesOnScreen"),
                  QStringLiteral("ShowTrayIcon"), kCancelMacroWithEscapeKey},
                 QString());
}

void SettingsValidator::checkProfile(const PlistValue& profile, const QString& path) {
  if (!expectContainer(profile, PlistValue::Type::Dictionary, path)) return;

  const QString namePath = child(path, QStringLiteral("Name"));
  if (checkEntry(profile["Name"], PlistValue::Type::String, namePath,
                 tr("missing (reads as an empty name)")))
    checkName(profile["Name"], namePath);

  const PlistValue keys = profile["MacroKeys"];
  const QString keysPath = child(path, QStringLiteral("MacroKeys"));
  if (checkArray(keys, keysPath, kMacroKeyCount, macroKeyCount,
                 tr("missing (no macro key of this profile does anything)")))
    for (qsizetype k = 0; k < keys.count(); ++k) checkMacroKey(keys.at(k), element(keysPath, k));

  checkChoice(profile, QStringLiteral("ImagingOptions"), path, imagingApplications(),
              tr("missing (the imaging keys name no application)"));
  checkChoice(profile, QStringLiteral("MediaPlayer"), path, mediaPlayers(),
              tr("missing (the media keys name no player)"));

  const QString readsFalse = tr("missing (reads as false)");
  checkBoolean(profile, QStringLiteral("AutoSwitching"), path, readsFalse);
  checkBoolean(profile, QStringLiteral("SwapCmdAlt"), path, readsFalse);

  const QString appPath = child(path, QStringLiteral("ApplicationPath"));
  const PlistValue app = profile["ApplicationPath"];
  const QString readsNone = tr("missing (reads as no application)");
  if (checkEntry(app, PlistValue::Type::String, appPath, readsNone) && !app.toString().isEmpty() &&
      !isAbsolutePath(app.toString()))
    //: %1: the path as the file holds it, in quotes.
    error(appPath, tr("%1 is not an absolute path (automatic switching compares full paths, so it "
                      "never matches)")
                       .arg(shown(app)));
  const QString assignedPath = child(path, QStringLiteral("AssignedApplication"));
  if (checkEntry(profile["AssignedApplication"], PlistValue::Type::String, assignedPath, readsNone))
    checkName(profile["AssignedApplication"], assignedPath);

  checkKnownKeys(profile,
                 {QStringLiteral("Name"), QStringLiteral("MacroKeys"),
                  QStringLiteral("ImagingOptions"), QStringLiteral("MediaPlayer"),
                  QStringLiteral("AutoSwitching"), QStringLiteral("ApplicationPath"),
                  QStringLiteral("AssignedApplication"), QStringLiteral("SwapCmdAlt")},
                 path);
}

void SettingsValidator::checkMacroKey(const PlistValue& key, const QString& path) {
  if (!expectContainer(key, PlistValue::Type::Dictionary, path)) return;

  const QString actionPath = child(path, QStringLiteral("ActionType"));
  const PlistValue actionValue = key["ActionType"];
  const QString action = actionValue.toString();
  if (checkEntry(actionValue, PlistValue::Type::String, actionPath,
                 tr("missing (reads as empty: the key does nothing)")) &&
      !action.isEmpty() && !actionTypes().contains(action))
    //: %1: the value the file holds, in quotes; %2: the action names the file may hold.
    error(actionPath, tr("%1 is not an action (the key does nothing; the actions are %2)")
                          .arg(shown(actionValue), oneOf(actionTypes(), Joined::And)));

  // An entry the action does not use may be missing or hold leftovers: a key reset keeps the
  // recorded steps, for instance. Only the entry the action uses must be there.
  const QString comboPath = child(path, QStringLiteral("KeyCombo"));
  const PlistValue combo = key["KeyCombo"];
  const bool macro = action == kExecuteMacro;
  if (combo.isNone() && macro) {
    error(comboPath, tr("missing (the macro plays nothing)"));
  } else if (checkEntry(combo, PlistValue::Type::Dictionary, comboPath, tr("missing"))) {
    KeyComboValidation(*this).check(combo, comboPath);
    if (macro && !KeyComboValidation::holdsAnyStep(combo))
      warning(comboPath, tr("no recorded step (the macro plays nothing)"));
  }

  const QString urlPath = child(path, QStringLiteral("LaunchAppURL"));
  const PlistValue url = key["LaunchAppURL"];
  const bool launch = action == kLaunchApp;
  if (url.isNone() && launch) {
    error(urlPath, tr("missing (the key launches nothing)"));
  } else if (checkEntry(url, PlistValue::Type::String, urlPath, tr("missing (reads as empty)")) &&
             launch) {
    if (url.toString().isEmpty())
      error(urlPath, tr("empty (the key launches nothing)"));
    else if (!isAbsolutePath(url.toString()))
      //: %1: the path as the file holds it, in quotes.
      error(urlPath, tr("%1 is not an absolute path").arg(shown(url)));
  }

  checkEntry(key["LaunchAppAlias"], PlistValue::Type::Data,
             child(path, QStringLiteral("LaunchAppAlias")), tr("missing (reads as empty data)"));
  checkProfileIndex(key["SelectProfile"], child(path, QStringLiteral("SelectProfile")),
                    action == kSelectProfile ? tr("missing (reads as 0: the key selects profile 1)")
                                             : tr("missing (reads as 0)"));
  // Missing is the usual case: the macro plays once per press.
  checkChoice(key, kPlayModeKey, path, playModeNames(), QString());

  checkKnownKeys(
      key,
      {QStringLiteral("ActionType"), QStringLiteral("KeyCombo"), QStringLiteral("LaunchAppURL"),
       QStringLiteral("LaunchAppAlias"), QStringLiteral("SelectProfile"), kPlayModeKey},
      path);
}

bool SettingsValidator::checkArray(const PlistValue& value, const QString& path, int count,
                                   QString (*countText)(qsizetype found, int expected),
                                   const QString& whenMissing) {
  if (value.isNone()) {
    error(path, whenMissing);
    return false;
  }
  if (!expectContainer(value, PlistValue::Type::Array, path)) return false;
  if (value.count() != count) error(path, countText(value.count(), count));
  return true;
}

void SettingsValidator::checkName(const PlistValue& value, const QString& path) {
  const QString text = value.toString();
  auto problem = [this, &path](const QString& message) {
    if (oddNames_ == OddNames::Refuse)
      error(path, message);
    else
      warning(path, message);
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i).category() != QChar::Other_Control) continue;
    //: %1: a character's code in hexadecimal; %2: its place in the name (1 for the first).
    problem(tr("holds the control character U+%1 (character %2), which could drive a terminal "
               "that shows the name")
                .arg(QString::number(text.at(i).unicode(), 16).toUpper().rightJustified(4, u'0'))
                .arg(i + 1));
    break;
  }
  const qsizetype length = text.toUcs4().size();
  if (length > kMaxNameLength)
    //: %n: the name's length in characters; %1: the longest a name may be.
    problem(
        tr("is %n characters long; a name has at most %1", "", int(length)).arg(kMaxNameLength));
}

void SettingsValidator::checkProfileIndex(const PlistValue& value, const QString& path,
                                          const QString& whenMissing) {
  if (checkEntry(value, PlistValue::Type::Integer, path, whenMissing) &&
      (value.toInteger() < 0 || value.toInteger() >= kProfileCount))
    //: %1: the number the file holds; %2: the highest profile index.
    error(path, tr("%1 is outside 0-%2").arg(shown(value)).arg(kProfileCount - 1));
}

void SettingsValidator::checkBoolean(const PlistValue& container, const QString& key,
                                     const QString& path, const QString& whenMissing) {
  const QString at = child(path, key);
  const PlistValue value = container[key];
  switch (value.type()) {
    case PlistValue::Type::None:
      if (!whenMissing.isEmpty()) warning(at, whenMissing);
      return;
    case PlistValue::Type::Boolean:
      return;
    case PlistValue::Type::Integer:
      // The helper hands SwapCmdAlt to the driver as the number itself, so only 0 and 1 are safe.
      if (value.toInteger() != 0 && value.toInteger() != 1)
        //: %1: the number the file holds; true and false are values of the file, not translated.
        error(at, tr("%1 is not a boolean (true, false, 0 or 1)").arg(shown(value)));
      return;
    default:
      wrongType(value, typeName(PlistValue::Type::Boolean), at);
  }
}

}  // namespace halvane::settings
