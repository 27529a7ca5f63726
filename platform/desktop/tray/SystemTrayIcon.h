#pragma once

#include "platform/desktop/tray/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>

namespace halvane {

// QSystemTrayIcon: a StatusNotifierItem on the session bus where a watcher runs (KDE, GNOME with
// the AppIndicator extension, most wlroots bars), else the X11 system tray. The icon and its
// menu (a widget, with its style and fonts) are made when first given something to show.
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
  QSystemTrayIcon& icon();

  std::unique_ptr<QMenu> menu_;
  std::unique_ptr<QSystemTrayIcon> icon_;  // after the menu: it goes first
};

}  // namespace halvane
