#pragma once

#include "tests/support/WaylandTestSupport.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>

namespace halvane::test {

// A headless GNOME Shell (43 here, 48 in the Debian 13 tier of scripts/package-release) on the
// test's private session bus, with our extension from the build tree enabled before start:
//   dbus-daemon --config-file=<allow-all system bus config> --nofork      (logind is looked up)
//   DBUS_SYSTEM_BUS_ADDRESS=unix:path=<its socket> DBUS_SESSION_BUS_ADDRESS=<private bus>
//   XDG_DATA_HOME=<dir with gnome-shell/extensions/halvane-keyboard@halvane.com>
//   GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME=<dir with glib-2.0/settings/keyfile naming the
//   extension in org.gnome.shell enabled-extensions> HALVANE_SHELL_TEST=1
//     gnome-shell --headless --virtual-monitor 1024x768 --wayland --no-x11 --wayland-display <name>
// Ready when org.gnome.Shell answers ShellVersion. HALVANE_SHELL_TEST makes the extension offer
// com.halvane.keyboard.ShellTest.Activate, since headless windows never take the focus.
class HeadlessGnomeShell {
 public:
  // desktopIds get desktop entries, so the Shell's window tracker knows those applications.
  HeadlessGnomeShell(PrivateBus& bus, const QString& extensionDir, const QStringList& desktopIds);
  ~HeadlessGnomeShell();

  QString failure() const { return failure_; }
  QProcessEnvironment clientEnvironment() const;
  bool activate(const QString& wmClass);
  // The WM_CLASS (a Wayland client's app_id) of the window that has the focus; empty for none.
  QString focused();
  // Leaves the overview (GNOME 51 opens it after start-up), which holds every click while open.
  void hideOverview();
  // Enables or disables our extension through the Shell, as gnome-extensions does.
  bool setExtensionEnabled(bool enabled);
  // Our extension's state as the Shell tells it (1 running, 2 disabled, 3 failed...); -1 unknown.
  int extensionState();

 private:
  QTemporaryDir dir_;
  RuntimeDir runtime_;
  QDBusConnection bus_;
  QProcess systemBus_;
  QProcess shell_;
  QString failure_;
  QString display_;
};

}  // namespace halvane::test
