#pragma once

#include "platform/desktop/tray/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace halvane {

// QSystemTrayIcon: a StatusNotifierItem on the session bus where a watcher runs (KDE, GNOME with
// the AppIndicator extension, most wlroots bars), else the X11 system tray.
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
  QMenu menu_;
  QSystemTrayIcon icon_;
};

}  // namespace halvane
