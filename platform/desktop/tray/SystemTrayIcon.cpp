#include "platform/desktop/tray/SystemTrayIcon.h"

namespace halvane {

SystemTrayIcon::SystemTrayIcon() = default;

SystemTrayIcon::~SystemTrayIcon() {
  if (icon_) icon_->hide();
}

QSystemTrayIcon& SystemTrayIcon::icon() {
  if (!icon_) {
    menu_ = std::make_unique<QMenu>();
    icon_ = std::make_unique<QSystemTrayIcon>();
    icon_->setContextMenu(menu_.get());
  }
  return *icon_;
}

bool SystemTrayIcon::isAvailable() const {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::setIcon(const QIcon& picture) {
  icon().setIcon(picture);
}

void SystemTrayIcon::setToolTip(const QString& text) {
  icon().setToolTip(text);
}

void SystemTrayIcon::setMenu(const std::vector<TrayMenuItem>& items) {
  icon();
  QMenu& menu = *menu_;
  menu.clear();
  for (const TrayMenuItem& item : items) {
    if (item.isSeparator()) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(item.text);
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    action->setEnabled(item.enabled);
    // Queued, and run by the menu rather than the item: an item may rebuild this very menu,
    // which deletes the items.
    QObject::connect(
        action, &QAction::triggered, &menu,
        [callback = item.triggered] {
          if (callback) callback();
        },
        Qt::QueuedConnection);
  }
}

void SystemTrayIcon::setVisible(bool visible) {
  // Without a tray there is nothing to show the icon in; Qt would only warn.
  if (icon_ || visible) icon().setVisible(visible && isAvailable());
}

}  // namespace halvane
