#pragma once

#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace halvane {

// Where desktop entries are installed and programs are found. Every lookup of the index and the
// resolver goes through these, so tests hand in a tree of their own.
struct XdgRoots {
  QString dataHome;      // $XDG_DATA_HOME, ~/.local/share when unset
  QStringList dataDirs;  // $XDG_DATA_DIRS, /usr/local/share:/usr/share when unset
  QStringList path;      // $PATH, split

  static XdgRoots fromEnvironment();
  // The applications folders in lookup order: the user's first.
  QStringList applicationFolders() const;
};

// One installed application: the desktop entry that wins for its desktop ID.
struct IndexedEntry {
  QString
      desktopId;  // "org.gnome.Terminal.desktop"; a subfolder "kde/x.desktop" is "kde-x.desktop"
  QString path;   // the file that wins (the user's folder before the system's)
  QStringList paths;        // every installed file of this desktop ID, path first
  QString name;             // Name, localised
  QString icon;             // Icon: a theme name or a file path
  QString startupWMClass;   // StartupWMClass
  QString program;          // what Exec runs: env and "flatpak run --command=" unwrapped, the
                            // script for an interpreter; empty when Exec names none
  QString programRealPath;  // TryExec or program through PATH, as a real path; empty when not found
  QString steamGameId;      // N of steam://rungameid/N in Exec
  bool noDisplay = false;
};

// The installed applications (Type=Application) of the XDG data folders, by desktop ID. An
// entry with Hidden=true removes its desktop ID, as if it were not installed; NoDisplay=true
// entries stay (they are still what a window belongs to) but the chooser leaves them out.
//
// The folders are read at the first question, not when the index is made: a helper whose
// session never names a window reads nothing, and start-up does not wait for the reading.
class DesktopEntryIndex {
 public:
  explicit DesktopEntryIndex(XdgRoots roots, QLocale locale = QLocale());

  // Reads every folder again (at the next question, when none has been asked yet).
  void rebuild();

  const XdgRoots& roots() const { return roots_; }
  // Every application, by desktop ID.
  const std::vector<IndexedEntry>& entries() const {
    build();
    return entries_;
  }
  const IndexedEntry* byId(const QString& desktopId) const;
  // The entry whose file is path, whichever of its desktop ID's files it is.
  const IndexedEntry* byPath(const QString& path) const;
  // The entry whose StartupWMClass equals wmClass.
  const IndexedEntry* byStartupWMClass(const QString& wmClass, Qt::CaseSensitivity cs) const;
  // The entry whose desktop ID without ".desktop" (or only the ID's last dot-separated part)
  // equals name, ignoring case.
  const IndexedEntry* byIdName(const QString& name, bool lastPart) const;
  const IndexedEntry* bySteamGameId(const QString& gameId) const;
  const IndexedEntry* byProgramRealPath(const QString& realPath) const;
  // The entry whose program's file name is name ("foo" for Exec=python3 /usr/bin/foo).
  const IndexedEntry* byProgramName(const QString& name) const;

 private:
  // Reads the folders unless that was done.
  void build() const;
  void read() const;
  const IndexedEntry* lookup(const QHash<QString, int>& table, const QString& key) const;

  XdgRoots roots_;
  QLocale locale_;
  // What the folders held when last read; filled at the first question.
  mutable bool built_ = false;
  mutable std::vector<IndexedEntry> entries_;
  mutable QHash<QString, int> byId_, byPath_, byWmClass_, byWmClassFolded_, byIdName_,
      byIdLastPart_, bySteam_, byProgramPath_, byProgramName_;
};

// Whether a program of this file name runs a script it is given (python3, sh, perl, node...):
// such a program is not the application, its script is.
bool isInterpreter(const QString& fileName);

}  // namespace halvane
