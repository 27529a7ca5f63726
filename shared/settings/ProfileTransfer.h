#pragma once

#include "shared/plist/PlistValue.h"
#include "shared/settings/SettingsStore.h"
#include "shared/settings/SettingsValidator.h"

#include <QString>

// One profile as a file of its own, so users can back profiles up and share them.
//
// A profile file is an XML property list whose root dictionary holds
//   Format   integer 1: the layout of this file; a later layout gets a higher number
//   Profile  the profile record, exactly as it stands in the settings file's Profiles array
// Profiles are numbered 1 to 10 here, as the preferences show them ("1 - Profile 1" is the
// record at index 0).
namespace halvane::settings {

inline constexpr int kProfileFileFormat = 1;
inline constexpr char kFormatKey[] = "Format";
inline constexpr char kProfileKey[] = "Profile";

struct TransferResult {
  enum class Status {
    Done,     // written; problems holds warnings at most
    Invalid,  // the profile has errors (listed in problems); nothing was written
    Failed,   // could not be done (message says why); nothing was written
  };

  Status status = Status::Failed;
  QString message;
  SettingsProblems problems;

  bool done() const { return status == Status::Done; }
};

bool isProfileNumber(int number);

// The tree of a profile file holding an independent copy of profile.
PlistValue profileDocument(const PlistValue& profile);

// Problems of a profile file's tree: its Format and its profile record (paths "Profile...").
SettingsProblems validateProfileDocument(const PlistValue& document);

// Reads a property-list file; on failure returns None and says why in *why ("no such file",
// "Permission denied", "larger than 16 MiB", "not a property list (XML error at line 3, ...)").
PlistValue readPropertyList(const QString& path, QString* why);

// Writes profile number (1-10) of the settings file to file. A profile with errors is not
// exported: the file could not be imported again (names with control characters or too long
// count as errors here, as they do in an import).
TransferResult exportProfile(int number, const QString& file,
                             const QString& settingsFile = settingsPath());

// Replaces profile number (1-10) of the settings file with the profile in file, keeping
// everything else of the settings. The profile is validated first; on any error nothing is
// written. When there is no settings file yet it is made from the defaults at defaultsPath.
TransferResult importProfile(int number, const QString& file, const QString& defaultsPath,
                             const QString& settingsFile = settingsPath());

}  // namespace halvane::settings
