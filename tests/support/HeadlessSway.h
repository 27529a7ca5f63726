#pragma once

#include "tests/support/WaylandTestSupport.h"

#include <QImage>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace halvane::test {

// A headless sway for one test. sway refuses to run as root, so it runs as nobody:
//   XDG_RUNTIME_DIR=<0700 dir owned by nobody> WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1
//     WLR_RENDERER=pixman setpriv --reuid=nobody --regid=nogroup --clear-groups sway -c <config>
// with the config "output HEADLESS-1 resolution 1024x768" / "xwayland disable". It is ready
// when `swaymsg -t get_version` answers; this process (root) reaches it through the absolute
// WAYLAND_DISPLAY and SWAYSOCK paths.
class HeadlessSway {
 public:
  HeadlessSway();
  ~HeadlessSway();

  // Empty when sway runs; else the one line saying why it could not start.
  QString failure() const { return failure_; }
  QString waylandDisplay() const { return waylandDisplay_; }
  QString swaySocket() const { return swaySocket_; }
  // The environment a Wayland client of this sway needs.
  QProcessEnvironment clientEnvironment() const;
  // swaymsg with these arguments; true when sway said success.
  bool message(const QStringList& arguments);
  bool focus(const QString& appId);
  // The output as grim takes it; a null image when grim is missing or fails.
  QImage screenshot();

 private:
  QTemporaryDir dir_;
  std::unique_ptr<RuntimeDir> runtime_;
  RuntimeDir clientRuntime_;
  QProcess sway_;
  QString failure_;
  QString waylandDisplay_;
  QString swaySocket_;
};

}  // namespace halvane::test
