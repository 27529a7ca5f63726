#pragma once

#include "shared/plist/PlistValue.h"

#include <QCoreApplication>
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

// The findings of one walk through a settings tree, and the checks every part of the tree
// shares. The texts keep the validator's translation context, wherever they are checked.
class SettingsFindings {
  Q_DECLARE_TR_FUNCTIONS(SettingsValidator)

 public:
  const SettingsProblems& problems() const { return problems_; }

  void error(const QString& path, const QString& message);
  void warning(const QString& path, const QString& message);

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
  // A string that is one of choices; an empty whenMissing: an entry that is usually left out,
  // missing without a word. True when it is one of them.
  bool checkChoice(const PlistValue& container, const QString& key, const QString& path,
                   const QStringList& choices, const QString& whenMissing);
  // Keys of a dictionary that no program reads.
  void checkKnownKeys(const PlistValue& dictionary, const QStringList& known, const QString& path);
  void unknownKey(const QString& path);

  // "path.key", or key for the root.
  static QString child(const QString& path, const QString& key);
  // "path[index]".
  static QString element(const QString& path, qsizetype index);
  // The type as a message names it, with its article: a whole noun phrase, as it fills "is %1,
  // expected %2".
  static QString typeName(PlistValue::Type type);
  static QString quoted(const QString& s);
  // A scalar as a message shows it: 9000, 250.5, "Winamp".
  static QString shown(const PlistValue& value);
  // "\"a\", \"b\" or \"c\"" (Or), "\"a\", \"b\" and \"c\"" (And). The choices are values
  // stored in the file: they stay as they are.
  enum class Joined { And, Or };
  static QString oneOf(const QStringList& choices, Joined joined);

 private:
  SettingsProblems problems_;
};

}  // namespace halvane::settings
