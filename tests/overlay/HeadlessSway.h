#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace halvane::test {

// A headless sway of the test's own, 1024x768, without XWayland. sway refuses to run as root, so
// it runs as nobody:
//   setpriv --reuid=nobody --regid=nogroup --clear-groups sway -c CONFIG
// with XDG_RUNTIME_DIR a 0700 folder owned by nobody, WLR_BACKENDS=headless
// WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman; this process reaches it by the socket's
// absolute path.
class HeadlessSway {
 public:
  HeadlessSway();
  ~HeadlessSway();
  HeadlessSway(const HeadlessSway&) = delete;
  HeadlessSway& operator=(const HeadlessSway&) = delete;

  // Empty when sway runs; else why it could not start.
  QString problem() const { return problem_; }
  // The absolute path of its Wayland socket (a WAYLAND_DISPLAY value).
  QString display() const { return display_; }
  // swaymsg with these arguments; true on success.
  bool message(const QStringList& arguments);
  // Starts a foot terminal with this app_id, fullscreen; true once it is mapped.
  bool startFullscreenClient(const QString& appId);
  // The output as grim takes it; a null image on failure.
  QImage screenshot();

 private:
  QProcessEnvironment clientEnvironment() const;

  QTemporaryDir dir_;
  QProcess sway_;
  QProcess client_;
  QString problem_, display_, ipc_;
};

}  // namespace halvane::test
