#pragma once

#include "platform/desktop/tray/TrayIcon.h"

#include <QStringList>

namespace halvane {

// Keeps what it was given; a test triggers menu items by their text.
class FakeTrayIcon : public TrayIcon {
 public:
  bool isAvailable() const override { return available; }
  void setIcon(const QIcon& value) override { icon = value; }
  void setToolTip(const QString& text) override { toolTip = text; }
  void setMenu(const std::vector<TrayMenuItem>& value) override { items = value; }
  void setVisible(bool value) override { visible = value && available; }

  // The item with this text; nullptr when the menu has none.
  const TrayMenuItem* item(const QString& text) const {
    for (const TrayMenuItem& i : items)
      if (i.text == text) return &i;
    return nullptr;
  }
  // Triggers the item as a click would; false when there is none or it is disabled.
  bool trigger(const QString& text) {
    const TrayMenuItem* found = item(text);
    if (!found || !found->enabled || !found->triggered) return false;
    const std::function<void()> callback = found->triggered;  // the menu may be rebuilt
    callback();
    return true;
  }
  QStringList texts() const {
    QStringList all;
    for (const TrayMenuItem& i : items) all << (i.isSeparator() ? QStringLiteral("-") : i.text);
    return all;
  }

  bool available = true;
  bool visible = false;
  QIcon icon;
  QString toolTip;
  std::vector<TrayMenuItem> items;
};

}  // namespace halvane
