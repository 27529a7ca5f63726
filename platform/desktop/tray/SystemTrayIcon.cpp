#include "platform/desktop/tray/SystemTrayIcon.h"

namespace halvane {

SystemTrayIcon::SystemTrayIcon() {
  icon_.setContextMenu(&menu_);
}

SystemTrayIcon::~SystemTrayIcon() {
  icon_.hide();
}

bool SystemTrayIcon::isAvailable() const {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::setIcon(const QIcon& icon) {
  icon_.setIcon(icon);
}

void SystemTrayIcon::setToolTip(const QString& text) {
  icon_.setToolTip(text);
}

void SystemTrayIcon::setMenu(const std::vector<TrayMenuItem>& items) {
  menu_.clear();
  for (const TrayMenuItem& item : items) {
    if (item.isSeparator()) {
      menu_.addSeparator();
      continue;
    }
    QAction* action = menu_.addAction(item.text);
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    action->setEnabled(item.enabled);
    // Queued, and run by the menu rather than the item: an item may rebuild this very menu,
    // which deletes the items.
    QObject::connect(
        action, &QAction::triggered, &menu_,
        [callback = item.triggered] {
          if (callback) callback();
        },
        Qt::QueuedConnection);
  }
}

void SystemTrayIcon::setVisible(bool visible) {
  // Without a tray there is nothing to show the icon in; Qt would only warn.
  icon_.setVisible(visible && isAvailable());
}

}  // namespace halvane
