#include "platform/tray/SystemTrayIcon.h"

namespace halvane {

namespace {
constexpr int kRetryIntervalMs = 5000;
constexpr int kRetries = 24;  // two minutes: long enough for a session's panel to start
}  // namespace

SystemTrayIcon::SystemTrayIcon() {
  icon_.setContextMenu(&menu_);
  retry_.setInterval(kRetryIntervalMs);
  QObject::connect(&retry_, &QTimer::timeout, &icon_, [this] { showWhenAvailable(); });
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
    // Queued: an item may rebuild this very menu, which must not happen while it dispatches.
    QObject::connect(
        action, &QAction::triggered, action,
        [callback = item.triggered] {
          if (callback) callback();
        },
        Qt::QueuedConnection);
  }
}

void SystemTrayIcon::setVisible(bool visible) {
  wanted_ = visible;
  retriesLeft_ = kRetries;
  showWhenAvailable();
}

// Without a tray there is nothing to show the icon in; Qt would only warn.
void SystemTrayIcon::showWhenAvailable() {
  const bool show = wanted_ && isAvailable();
  icon_.setVisible(show);
  if (show || !wanted_ || retriesLeft_-- <= 0)
    retry_.stop();
  else if (!retry_.isActive())
    retry_.start();
}

}  // namespace halvane
