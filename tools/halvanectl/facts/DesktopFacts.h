#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace halvane {

// What the desktop session says, for halvanectl doctor: GNOME's settings and Shell, KWin's
// scripts, and who holds a name on the session bus.
class DesktopFacts {
 public:
  virtual ~DesktopFacts() = default;
  // A GSettings value; nothing when the schema or key is not installed.
  virtual std::optional<QStringList> gsettingsStrings(const QString& schema,
                                                      const QString& key) = 0;
  virtual std::optional<bool> gsettingsBool(const QString& schema, const QString& key) = 0;
  // The running GNOME Shell's version ("43.9"), else the installed one's; empty when neither.
  virtual QString gnomeShellVersion() = 0;
  // The running Shell's state number for an extension (1: running); nothing when the Shell does
  // not answer or does not know it.
  virtual std::optional<int> gnomeExtensionState(const QString& uuid) = 0;
  // Whether KWin runs a script of that name; nothing when KWin does not answer.
  virtual std::optional<bool> kwinScriptLoaded(const QString& name) = 0;
  // The executable of the process holding a name on the session bus; empty when none holds it.
  virtual QString busNameOwnerExecutable(const QString& name) = 0;
};

}  // namespace halvane
