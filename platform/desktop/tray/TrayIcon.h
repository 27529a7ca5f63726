#pragma once

#include <QIcon>
#include <QString>

#include <functional>
#include <vector>

namespace halvane {

// One entry of the tray icon's menu; a default-made one is a separator.
struct TrayMenuItem {
  QString text;
  bool checkable = false;
  bool checked = false;
  bool enabled = true;
  std::function<void()> triggered;

  bool isSeparator() const { return text.isEmpty(); }
};

// An icon in the desktop's tray (status notifier area) with a menu.
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  // Whether the desktop has a tray to show the icon in. Without one, setVisible shows nothing.
  virtual bool isAvailable() const = 0;
  virtual void setIcon(const QIcon& icon) = 0;
  virtual void setToolTip(const QString& text) = 0;
  // Replaces the whole menu.
  virtual void setMenu(const std::vector<TrayMenuItem>& items) = 0;
  virtual void setVisible(bool visible) = 0;
};

}  // namespace halvane
