#include "shared/settings/SettingsValidator.h"

#include "shared/settings/MacModifiers.h"
#include "shared/settings/PlayMode.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

namespace halvane::settings {

namespace {

// The modifier bits a macro step may carry: Command, Shift, Option, Control, and the bit the
// key capture adds. Playback ignores every other bit.
constexpr qint64 kModifierBits =
    kCarbonCommand | kCarbonShift | kCarbonOption | kCarbonControl | kCarbonFunction;
constexpr qint64 kMaxKeyCode = 0xFFFF;

const QStringList& actionTypes() {
  static const QStringList types{QStringLiteral("ExecuteMacro"), QStringLiteral("LaunchApp"),
                                 QStringLiteral("SelectProfile")};
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

QString stepKey(const char* format, int step) {
  return QString::fromLatin1(format) + QString::number(step);
}

const QStringList& keyComboKeys() {
  static const QStringList keys = [] {
    QStringList k{QStringLiteral("description"), QStringLiteral("keyCode"),
                  QStringLiteral("modifiers")};
    for (int i = 0; i < kMacroStepCount; ++i)
      k << stepKey("keyCode", i) << stepKey("modifiers", i) << stepKey("delay", i);
    return k;
  }();
  return keys;
}

QString child(const QString& path, const QString& key) {
  return path.isEmpty() ? key : path + u'.' + key;
}

QString element(const QString& path, qsizetype index) {
  return path + u'[' + QString::number(index) + u']';
}

// The type as a message names it, with its article.
QString typeName(PlistValue::Type type) {
  switch (type) {
    case PlistValue::Type::None:
      return QStringLiteral("nothing usable");
    case PlistValue::Type::Boolean:
      return QStringLiteral("a boolean");
    case PlistValue::Type::Integer:
      return QStringLiteral("an integer");
    case PlistValue::Type::Real:
      return QStringLiteral("a real number");
    case PlistValue::Type::String:
      return QStringLiteral("a string");
    case PlistValue::Type::Data:
      return QStringLiteral("data");
    case PlistValue::Type::Date:
      return QStringLiteral("a date");
    case PlistValue::Type::Array:
      return QStringLiteral("an array");
    case PlistValue::Type::Dictionary:
      return QStringLiteral("a dictionary");
  }
  return {};
}

QString quoted(const QString& s) {
  return u'"' + s + u'"';
}

// A scalar as a message shows it: 9000, 250.5, "Winamp".
QString shown(const PlistValue& value) {
  switch (value.type()) {
    case PlistValue::Type::Integer:
      return QString::number(value.toInteger());
    case PlistValue::Type::Real:
      return QString::number(value.doubleValue(), 'g', 12);
    case PlistValue::Type::String:
      return quoted(value.toString());
    case PlistValue::Type::Boolean:
      return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
      return typeName(value.type());
  }
}

// "\"a\", \"b\" or \"c\""
QString oneOf(const QStringList& choices, const QString& conjunction) {
  QStringList q;
  for (const QString& c : choices) q << quoted(c);
  const QString last = q.takeLast();
  return q.isEmpty() ? last : q.join(QStringLiteral(", ")) + u' ' + conjunction + u' ' + last;
}

bool isAbsolutePath(const QString& path) {
  return path.startsWith(u'/');
}

}  // namespace

QString SettingsProblem::text() const {
  return path.isEmpty() ? message : path + QStringLiteral(": ") + message;
}

SettingsProblems SettingsValidator::validateSettings(const PlistValue& root) {
  SettingsValidator v;
  v.checkRoot(root);
  return v.problems_;
}

SettingsProblems SettingsValidator::validateProfile(const PlistValue& profile, const QString& path,
                                                    OddNames oddNames) {
  SettingsValidator v;
  v.oddNames_ = oddNames;
  if (profile.isNone())
    v.error(path, QStringLiteral("missing"));
  else
    v.checkProfile(profile, path);
  return v.problems_;
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
  if (checkArray(profiles, profilesPath, kProfileCount, QStringLiteral("profile"),
                 QStringLiteral("missing (there are no profiles: no key does anything)")))
    for (qsizetype i = 0; i < profiles.count(); ++i)
      checkProfile(profiles.at(i), element(profilesPath, i));

  checkProfileIndex(root["CurrentProfile"], QStringLiteral("CurrentProfile"),
                    QStringLiteral("missing (reads as 0: the helper starts with profile 1)"));
  const QString readsFalse = QStringLiteral("missing (reads as false)");
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
                 QStringLiteral("missing (reads as an empty name)")))
    checkName(profile["Name"], namePath);

  const PlistValue keys = profile["MacroKeys"];
  const QString keysPath = child(path, QStringLiteral("MacroKeys"));
  if (checkArray(keys, keysPath, kMacroKeyCount, QStringLiteral("macro key"),
                 QStringLiteral("missing (no macro key of this profile does anything)")))
    for (qsizetype k = 0; k < keys.count(); ++k) checkMacroKey(keys.at(k), element(keysPath, k));

  checkChoice(profile, QStringLiteral("ImagingOptions"), path, imagingApplications(),
              QStringLiteral("missing (the imaging keys name no application)"));
  checkChoice(profile, QStringLiteral("MediaPlayer"), path, mediaPlayers(),
              QStringLiteral("missing (the media keys name no player)"));

  const QString readsFalse = QStringLiteral("missing (reads as false)");
  checkBoolean(profile, QStringLiteral("AutoSwitching"), path, readsFalse);
  checkBoolean(profile, QStringLiteral("SwapCmdAlt"), path, readsFalse);

  const QString appPath = child(path, QStringLiteral("ApplicationPath"));
  const PlistValue app = profile["ApplicationPath"];
  const QString readsNone = QStringLiteral("missing (reads as no application)");
  if (checkEntry(app, PlistValue::Type::String, appPath, readsNone) && !app.toString().isEmpty() &&
      !isAbsolutePath(app.toString()))
    error(appPath, QStringLiteral("%1 is not an absolute path (automatic switching compares full "
                                  "paths, so it never matches)")
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
                 QStringLiteral("missing (reads as empty: the key does nothing)")) &&
      !action.isEmpty() && !actionTypes().contains(action))
    error(actionPath,
          QStringLiteral("%1 is not an action (the key does nothing; the actions are %2)")
              .arg(shown(actionValue), oneOf(actionTypes(), QStringLiteral("and"))));

  // An entry the action does not use may be missing or hold leftovers: a key reset keeps the
  // recorded steps, for instance. Only the entry the action uses must be there.
  const QString comboPath = child(path, QStringLiteral("KeyCombo"));
  const PlistValue combo = key["KeyCombo"];
  const bool macro = action == QStringLiteral("ExecuteMacro");
  if (combo.isNone() && macro) {
    error(comboPath, QStringLiteral("missing (the macro plays nothing)"));
  } else if (checkEntry(combo, PlistValue::Type::Dictionary, comboPath,
                        QStringLiteral("missing"))) {
    checkKeyCombo(combo, comboPath);
    bool anyStep = false;
    for (int i = 0; i < kMacroStepCount; ++i) {
      const PlistValue code = combo[stepKey("keyCode", i)];
      anyStep = anyStep || code.isNone() || code.toInteger() != -1;
    }
    if (macro && !anyStep)
      warning(comboPath, QStringLiteral("no recorded step (the macro plays nothing)"));
  }

  const QString urlPath = child(path, QStringLiteral("LaunchAppURL"));
  const PlistValue url = key["LaunchAppURL"];
  const bool launch = action == QStringLiteral("LaunchApp");
  if (url.isNone() && launch) {
    error(urlPath, QStringLiteral("missing (the key launches nothing)"));
  } else if (checkEntry(url, PlistValue::Type::String, urlPath,
                        QStringLiteral("missing (reads as empty)")) &&
             launch) {
    if (url.toString().isEmpty())
      error(urlPath, QStringLiteral("empty (the key launches nothing)"));
    else if (!isAbsolutePath(url.toString()))
      error(urlPath, QStringLiteral("%1 is not an absolute path").arg(shown(url)));
  }

  checkEntry(key["LaunchAppAlias"], PlistValue::Type::Data,
             child(path, QStringLiteral("LaunchAppAlias")),
             QStringLiteral("missing (reads as empty data)"));
  checkProfileIndex(key["SelectProfile"], child(path, QStringLiteral("SelectProfile")),
                    action == QStringLiteral("SelectProfile")
                        ? QStringLiteral("missing (reads as 0: the key selects profile 1)")
                        : QStringLiteral("missing (reads as 0)"));
  // Missing is the usual case: the macro plays once per press.
  checkChoice(key, kPlayModeKey, path, playModeNames(), QString());

  checkKnownKeys(
      key,
      {QStringLiteral("ActionType"), QStringLiteral("KeyCombo"), QStringLiteral("LaunchAppURL"),
       QStringLiteral("LaunchAppAlias"), QStringLiteral("SelectProfile"), kPlayModeKey},
      path);
}

void SettingsValidator::checkKeyCombo(const PlistValue& combo, const QString& path) {
  for (int i = 0; i < kMacroStepCount; ++i) checkStep(combo, i, path);

  checkEntry(combo["description"], PlistValue::Type::String,
             child(path, QStringLiteral("description")),
             QStringLiteral("missing (the key's label reads empty)"));
  // Written by a key reset, read by nobody: only their type matters.
  expect(combo["keyCode"], PlistValue::Type::Integer, child(path, QStringLiteral("keyCode")));
  expect(combo["modifiers"], PlistValue::Type::Integer, child(path, QStringLiteral("modifiers")));

  checkKnownKeys(combo, keyComboKeys(), path, true);
}

void SettingsValidator::checkStep(const PlistValue& combo, int step, const QString& path) {
  const QString codePath = child(path, stepKey("keyCode", step));
  const PlistValue code = combo[stepKey("keyCode", step)];
  // The step's key code when it is a usable one; -1 for an empty step.
  std::optional<qint64> key;
  if (code.isNone()) {
    error(codePath, QStringLiteral("missing (a missing step plays key 0)"));
  } else if (expect(code, PlistValue::Type::Integer, codePath)) {
    if (code.toInteger() < -1 || code.toInteger() > kMaxKeyCode)
      error(codePath, QStringLiteral("%1 is not a key code (0-%2, or -1 for an empty step)")
                          .arg(shown(code))
                          .arg(kMaxKeyCode));
    else
      key = code.toInteger();
  }
  const bool recorded = key && *key >= 0;
  const bool empty = key && *key == -1;

  const QString modifiersPath = child(path, stepKey("modifiers", step));
  const PlistValue modifiers = combo[stepKey("modifiers", step)];
  if (checkEntry(modifiers, PlistValue::Type::Integer, modifiersPath,
                 QStringLiteral("missing (reads as 0: no modifiers)"))) {
    const qint64 mask = modifiers.toInteger();
    if (mask == -1) {
      if (recorded)
        error(modifiersPath, QStringLiteral("-1 with a key (the helper holds down all four "
                                            "modifiers; the preferences show (None))"));
    } else if (mask < 0) {
      error(modifiersPath, QStringLiteral("%1 is not a modifier mask").arg(mask));
    } else if (mask & ~kModifierBits) {
      warning(modifiersPath, QStringLiteral("bits 0x%1 are not modifiers (ignored)")
                                 .arg(QString::number(mask & ~kModifierBits, 16)));
    }
  }

  const QString delayPath = child(path, stepKey("delay", step));
  const PlistValue delay = combo[stepKey("delay", step)];
  if (delay.isNone()) {
    warning(delayPath, QStringLiteral("missing (reads as 0: no pause)"));
  } else if (expectNumber(delay, delayPath)) {
    const double ms = delay.doubleValue();
    if (!std::isfinite(ms))
      error(delayPath, QStringLiteral("%1 is not a number of milliseconds").arg(shown(delay)));
    else if (ms > kMaxDelay)
      error(delayPath, QStringLiteral("%1 is above %2").arg(shown(delay)).arg(kMaxDelay));
    else if (ms < 0)
      error(delayPath, QStringLiteral("%1 is below 0").arg(shown(delay)));
    else if (ms != std::floor(ms))
      warning(delayPath, QStringLiteral("%1 is not a whole number of milliseconds (the "
                                        "preferences keep whole milliseconds)")
                             .arg(shown(delay)));
    else if (empty && ms > 0)
      warning(delayPath,
              QStringLiteral("%1 after an empty step is ignored (an empty step causes no pause)")
                  .arg(shown(delay)));
  }
}

bool SettingsValidator::expect(const PlistValue& value, PlistValue::Type type,
                               const QString& path) {
  if (value.isNone()) return false;
  if (value.type() == type) return true;
  wrongType(value, typeName(type), path);
  return false;
}

bool SettingsValidator::expectNumber(const PlistValue& value, const QString& path) {
  if (value.isNone()) return false;
  if (value.type() == PlistValue::Type::Integer || value.type() == PlistValue::Type::Real)
    return true;
  wrongType(value, QStringLiteral("a number"), path);
  return false;
}

bool SettingsValidator::expectContainer(const PlistValue& value, PlistValue::Type type,
                                        const QString& path) {
  if (value.type() == type) return true;
  wrongType(value, typeName(type), path);
  return false;
}

void SettingsValidator::wrongType(const PlistValue& value, const QString& expected,
                                  const QString& path) {
  const QString what = QStringLiteral("%1, expected %2").arg(typeName(value.type()), expected);
  error(path,
        path.isEmpty() ? QStringLiteral("the root is ") + what : QStringLiteral("is ") + what);
}

bool SettingsValidator::checkEntry(const PlistValue& value, PlistValue::Type type,
                                   const QString& path, const QString& whenMissing) {
  if (value.isNone()) warning(path, whenMissing);
  return expect(value, type, path);
}

bool SettingsValidator::checkArray(const PlistValue& value, const QString& path, int count,
                                   const QString& item, const QString& whenMissing) {
  if (value.isNone()) {
    error(path, whenMissing);
    return false;
  }
  if (!expectContainer(value, PlistValue::Type::Array, path)) return false;
  if (value.count() != count)
    error(path, QStringLiteral("%1 %2%3, expected %4")
                    .arg(value.count())
                    .arg(item, value.count() == 1 ? QString() : QStringLiteral("s"))
                    .arg(count));
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
    problem(QStringLiteral("holds the control character U+%1 (character %2), which could drive "
                           "a terminal that shows the name")
                .arg(QString::number(text.at(i).unicode(), 16).toUpper().rightJustified(4, u'0'))
                .arg(i + 1));
    break;
  }
  const qsizetype length = text.toUcs4().size();
  if (length > kMaxNameLength)
    problem(QStringLiteral("is %1 characters long; a name has at most %2")
                .arg(length)
                .arg(kMaxNameLength));
}

void SettingsValidator::checkProfileIndex(const PlistValue& value, const QString& path,
                                          const QString& whenMissing) {
  if (checkEntry(value, PlistValue::Type::Integer, path, whenMissing) &&
      (value.toInteger() < 0 || value.toInteger() >= kProfileCount))
    error(path, QStringLiteral("%1 is outside 0-%2").arg(shown(value)).arg(kProfileCount - 1));
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
        error(at, QStringLiteral("%1 is not a boolean (true, false, 0 or 1)").arg(shown(value)));
      return;
    default:
      wrongType(value, QStringLiteral("a boolean"), at);
  }
}

void SettingsValidator::checkChoice(const PlistValue& container, const QString& key,
                                    const QString& path, const QStringList& choices,
                                    const QString& whenMissing) {
  const QString at = child(path, key);
  const PlistValue value = container[key];
  if (value.isNone()) {
    if (!whenMissing.isEmpty()) error(at, whenMissing);
  } else if (expect(value, PlistValue::Type::String, at) && !choices.contains(value.toString()))
    error(at, QStringLiteral("%1 is not one of %2")
                  .arg(shown(value), oneOf(choices, QStringLiteral("or"))));
}

void SettingsValidator::checkKnownKeys(const PlistValue& dictionary, const QStringList& known,
                                       const QString& path, bool macroSteps) {
  static const QRegularExpression stepEntry(QStringLiteral("^(keyCode|modifiers|delay)[0-9]+$"));
  for (const QString& key : dictionary.keys()) {
    if (known.contains(key)) continue;
    const bool extraStep = macroSteps && stepEntry.match(key).hasMatch();
    warning(child(path, key),
            extraStep ? QStringLiteral("not a settings key (ignored: a macro has steps 0-%1)")
                            .arg(kMacroStepCount - 1)
                      : QStringLiteral("not a settings key (ignored)"));
  }
}

void SettingsValidator::error(const QString& path, const QString& message) {
  problems_.append({SettingsProblem::Severity::Error, path, message});
}

void SettingsValidator::warning(const QString& path, const QString& message) {
  problems_.append({SettingsProblem::Severity::Warning, path, message});
}

}  // namespace halvane::settings
