#pragma once

#include "shared/plist/PlistValue.h"
#include "shared/settings/SettingsLimits.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace halvane::settings {

// One finding of the validator: where in the tree, and what is wrong there.
//
// An error is something the programs would act on differently from what the file seems to say,
// or a value the preference pane never writes (wrong type, out of range, unknown word, wrong
// count, a missing entry that reads as something harmful such as key code 0). A warning is a
// file that works as intended but is not what the pane writes: an entry that is missing yet
// reads as a legal value, a key no program reads, a fractional delay.
struct SettingsProblem {
  enum class Severity { Error, Warning };

  Severity severity = Severity::Error;
  QString path;     // e.g. "Profiles[3].MacroKeys[7].KeyCombo.delay2"; empty for the root
  QString message;  // e.g. "9000 is above 6350"

  bool isError() const { return severity == Severity::Error; }
  // "path: message"
  QString text() const;
};

using SettingsProblems = QList<SettingsProblem>;

// Walks a settings tree (or one part of it) and reports every problem, each once, in the order
// of the tree. Nothing in the tree is changed.
class SettingsValidator {
 public:
  // How names with control characters or more than kMaxNameLength characters count: the user's
  // own file only gets a warning; a profile brought in from elsewhere is refused for them.
  enum class OddNames { Warn, Refuse };

  // A whole settings file's root dictionary.
  static SettingsProblems validateSettings(const PlistValue& root);
  // One profile record, its paths starting with path (e.g. "Profiles[3]" or "Profile").
  static SettingsProblems validateProfile(const PlistValue& profile,
                                          const QString& path = QStringLiteral("Profile"),
                                          OddNames oddNames = OddNames::Warn);

  static bool hasErrors(const SettingsProblems& problems);
  static int errorCount(const SettingsProblems& problems);

 private:
  void checkRoot(const PlistValue& root);
  void checkProfile(const PlistValue& profile, const QString& path);
  void checkMacroKey(const PlistValue& key, const QString& path);
  void checkKeyCombo(const PlistValue& combo, const QString& path);
  void checkStep(const PlistValue& combo, int step, const QString& path);

  // Type checks: report a wrong type (a missing entry is the caller's to judge) and say whether
  // the value is there and of the expected type.
  bool expect(const PlistValue& value, PlistValue::Type type, const QString& path);
  bool expectNumber(const PlistValue& value, const QString& path);  // integer or real
  // An array or dictionary: here a missing one is a wrong type too.
  bool expectContainer(const PlistValue& value, PlistValue::Type type, const QString& path);
  void wrongType(const PlistValue& value, const QString& expected, const QString& path);
  // An entry whose absence reads as a legal value: a warning when missing, an error when of
  // another type. True when it is there with the type.
  bool checkEntry(const PlistValue& value, PlistValue::Type type, const QString& path,
                  const QString& whenMissing);
  // An array that must hold count items (named item): an error when missing or of another
  // length. True when it is an array, whose items are then worth checking.
  bool checkArray(const PlistValue& value, const QString& path, int count, const QString& item,
                  const QString& whenMissing);
  // A profile or application name: no control characters, at most kMaxNameLength characters.
  void checkName(const PlistValue& value, const QString& path);
  // An integer 0-9.
  void checkProfileIndex(const PlistValue& value, const QString& path, const QString& whenMissing);
  // A boolean, or a number 0 or 1 (readers take numbers by their truth value). An empty
  // whenMissing: an entry that is usually left out, missing without a word.
  void checkBoolean(const PlistValue& container, const QString& key, const QString& path,
                    const QString& whenMissing);
  // A string that is one of choices; an empty whenMissing as for checkBoolean.
  void checkChoice(const PlistValue& container, const QString& key, const QString& path,
                   const QStringList& choices, const QString& whenMissing);
  // Keys of a dictionary that no program reads; macroSteps: the dictionary is a KeyCombo.
  void checkKnownKeys(const PlistValue& dictionary, const QStringList& known, const QString& path,
                      bool macroSteps = false);

  void error(const QString& path, const QString& message);
  void warning(const QString& path, const QString& message);

  SettingsProblems problems_;
  OddNames oddNames_ = OddNames::Warn;
};

}  // namespace halvane::settings
