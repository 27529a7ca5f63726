#pragma once

#include "platform/tray/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

namespace halvane {

// QSystemTrayIcon: a StatusNotifierItem on the session bus where a watcher runs (KDE, GNOME with
// the AppIndicator extension, most wlroots bars), else the X11 system tray. At login the panel
// may come up after the helper: an icon wanted before then is shown once the tray is there.
class SystemTrayIcon : public TrayIcon {
 public:
  SystemTrayIcon();
  ~SystemTrayIcon() override;
  bool isAvailable() const override;
  void setIcon(const QIcon& icon) override;
  void setToolTip(const QString& text) override;
  void setMenu(const std::vector<TrayMenuItem>& items) override;
  void setVisible(bool visible) override;

 private:
  void showWhenAvailable();

  QMenu menu_;
  QSystemTrayIcon icon_;
  QTimer retry_;
  int retriesLeft_ = 0;
  bool wanted_ = false;
};

}  // namespace halvane
