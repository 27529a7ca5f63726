#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace halvane::ctl {

// One command line of halvanectl, checked. Profile numbers are 1-10, as the preferences show
// them.
struct CtlCommand {
  enum class Kind {
    Help,
    ShowProfile,
    SetProfile,
    Reload,
    Watch,
    Check,
    Export,
    Import,
    Backups,
    Restore,
    Front,
    Doctor
  };

  Kind kind = Kind::Help;
  int number = 0;             // SetProfile, Export, Import; Restore: the backup number
  QString file;               // Check (empty: the user's settings file), Export, Import
  bool keepWatching = false;  // Front --watch
  bool desktopHint = false;   // Doctor --desktop-hint
};

struct ParsedArguments {
  std::optional<CtlCommand> command;
  QString error;  // why the arguments were refused, when there is no command
};

// arguments: the command line without the program name.
ParsedArguments parseArguments(const QStringList& arguments);

}  // namespace halvane::ctl
