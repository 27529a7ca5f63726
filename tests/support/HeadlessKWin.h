#pragma once

#include "tests/support/WaylandTestSupport.h"

#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>

namespace halvane::test {

// A headless KWin (Plasma 5.27 here) on the test's private bus:
//   cp /usr/bin/kwin_wayland <tmp>/kwin_wayland      (a copy without the cap_sys_resource file
//                                                      capability that containers may refuse)
//   DBUS_SESSION_BUS_ADDRESS=<private bus> XDG_RUNTIME_DIR=<0700 dir>
//     <tmp>/kwin_wayland --virtual --no-lockscreen --width 1024 --height 768 --socket <name>
// Ready when org.kde.KWin is on the bus. The copy's name must end in kwin_wayland.
class HeadlessKWin {
 public:
  explicit HeadlessKWin(PrivateBus& bus);
  ~HeadlessKWin();

  QString failure() const { return failure_; }
  QProcessEnvironment clientEnvironment() const;
  // The absolute path of its Wayland socket, for a client with a runtime folder of its own.
  QString waylandDisplay() const { return runtime_.path() + u'/' + socket_; }
  // Gives the focus to the window of this resource class, through a KWin script of its own.
  bool activate(const QString& resourceClass);
  bool isScriptLoaded(const QString& name);
  // Loads a script file under a name, runs it, and answers its id (-1 on failure).
  int loadAndRun(const QString& path, const QString& name);

 private:
  QTemporaryDir dir_;
  RuntimeDir runtime_;
  QDBusConnection bus_;
  QProcess kwin_;
  QString failure_;
  QString socket_;
  int scripts_ = 0;
};

}  // namespace halvane::test
