#pragma once

#include "platform/desktop/probe/SessionProbe.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace halvane {

class DesktopFacts;
class DeviceFacts;
class DiagnosticsClient;

namespace ctl {

// Everything halvanectl doctor looks at. Files are read under root, so that a test can lay out
// a whole system in a folder; what only the running system knows comes from the facts services.
struct DoctorSystem {
  QString root = QStringLiteral("/");
  QProcessEnvironment environment;
  // The session environment names (doctor asks the desktop itself through `desktop`).
  SessionProbe session() const { return sessionFromEnvironment(environment); }
  QString programDir;  // halvanectl's own folder: <build>/bin, or <prefix>/bin once installed
  QString sourceDir;   // the sources halvanectl was built from; may be gone
  QString version;     // halvanectl's own version
  QString virtualKeyboardFolder;
  DeviceFacts* devices = nullptr;
  DesktopFacts* desktop = nullptr;
  // The running helper's reports; nullptr, with *why set, when it cannot be reached.
  std::function<std::unique_ptr<DiagnosticsClient>(QString* why)> connectDiagnostics;

  // path (absolute, as on the running system) where it is read from.
  QString file(const QString& path) const;
  bool exists(const QString& path) const;
  QString readText(const QString& path) const;  // empty when unreadable
  QString home() const;
  QString configHome() const;      // $XDG_CONFIG_HOME, else ~/.config
  QString dataHome() const;        // $XDG_DATA_HOME, else ~/.local/share
  QStringList dataDirs() const;    // $XDG_DATA_DIRS, else /usr/local/share:/usr/share
  QStringList configDirs() const;  // $XDG_CONFIG_DIRS, else /etc/xdg
  // Where systemd looks for user units, most important first.
  QStringList userUnitDirs() const;
  // How this user starts the helper: its systemd user unit when one is installed, else the
  // program beside halvanectl (installed) or in the build tree's bundle.
  QString helperStartCommand() const;
  // The first of paths that exists, else empty.
  QString firstExisting(const QStringList& paths) const;
  // path as the user types it: the home folder as "~".
  QString shown(const QString& path) const;
};

}  // namespace ctl
}  // namespace halvane
