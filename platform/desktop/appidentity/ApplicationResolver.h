#pragma once

#include "platform/desktop/appidentity/WindowFacts.h"

#include <QString>
#include <QStringList>

namespace halvane {

class DesktopEntryIndex;

// What a window belongs to: its application's desktop entry, when one could be found, and the
// executable of its process.
struct ResolvedApplication {
  // How the entry was found, in the order the sources are tried.
  enum class Source {
    None,
    Window,
    Flatpak,
    Snap,
    SystemdUnit,
    StartupWMClass,
    WindowClass,
    Steam,
    Executable
  };

  Source source = Source::None;
  QString desktopId;         // empty when no entry was found
  QString desktopFile;       // the entry's file that wins
  QStringList desktopFiles;  // every installed file of the desktop ID, desktopFile first
  QString name;              // the entry's Name
  QString executable;        // real path of the process's executable; empty when not known

  // The names a profile's ApplicationPath may hold for this application: its entry's files,
  // then its executable.
  QStringList names() const;
  // Equal for two windows of one application, different for two applications. Empty for a
  // window that tells nothing about its application.
  QString identity() const;
  bool operator==(const ResolvedApplication&) const = default;
};

// "window", "flatpak", "snap", "systemd", "StartupWMClass", "class", "steam", "exec", "none".
QString sourceName(ResolvedApplication::Source source);

// Turns window facts into an application, the way desktops' task bars do. The sources, first hit
// wins: a desktop ID the window names; the process's Flatpak or Snap sandbox; its systemd
// application unit; StartupWMClass; the desktop ID equal to the window class; Steam's game ID;
// the program the entry's Exec runs. Reads a few small /proc files; the index does the rest.
class ApplicationResolver {
 public:
  // procRoot: "/proc", or a tree of the same shape in tests. The index must outlive this.
  explicit ApplicationResolver(const DesktopEntryIndex& index,
                               QString procRoot = QStringLiteral("/proc"));

  ResolvedApplication resolve(const WindowFacts& window) const;

 private:
  const DesktopEntryIndex& index_;
  QString procRoot_;
};

}  // namespace halvane
