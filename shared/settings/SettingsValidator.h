#pragma once

#include "shared/plist/PlistValue.h"
#include "shared/settings/SettingsFindings.h"
#include "shared/settings/SettingsLimits.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

namespace halvane::settings {

// Walks a settings tree (or one part of it) and reports every problem, each once, in the order
// of the tree. Nothing in the tree is changed.
class SettingsValidator : private SettingsFindings {
  Q_DECLARE_TR_FUNCTIONS(SettingsValidator)

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
  // An array that must hold count items (countText says how many it holds): an error when
  // missing or of another length. True when it is an array, whose items are then worth checking.
  bool checkArray(const PlistValue& value, const QString& path, int count,
                  QString (*countText)(qsizetype found, int expected), const QString& whenMissing);
  // A profile or application name: no control characters, at most kMaxNameLength characters.
  void checkName(const PlistValue& value, const QString& path);
  // An integer 0-9.
  void checkProfileIndex(const PlistValue& value, const QString& path, const QString& whenMissing);
  // A boolean, or a number 0 or 1 (readers take numbers by their truth value). An empty
  // whenMissing: an entry that is usually left out, missing without a word.
  void checkBoolean(const PlistValue& container, const QString& key, const QString& path,
                    const QString& whenMissing);

  OddNames oddNames_ = OddNames::Warn;
};

}  // namespace halvane::settings
