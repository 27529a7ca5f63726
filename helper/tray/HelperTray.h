#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <functional>

namespace halvane {

class Controller;
class TrayIcon;

// The helper in the desktop's tray: an icon with the current profile's number, and a menu to
// switch profiles without the keyboard, turn automatic switching on or off, open the
// preferences and quit. The root setting ShowTrayIcon (absent: shown) turns it off.
class HelperTray : public QObject {
  Q_OBJECT

 public:
  static constexpr char kShowTrayIcon[] = "ShowTrayIcon";
  // The menu's own items, in English; the menu shows them translated.
  static constexpr char kAutomaticSwitching[] = QT_TR_NOOP("Automatic switching");
  static constexpr char kPreferences[] = QT_TR_NOOP("Preferences…");
  static constexpr char kQuit[] = QT_TR_NOOP("Quit Halvane helper");

  // settingsPath: the file automatic switching is written to. quit ends the helper.
  HelperTray(Controller& controller, TrayIcon& icon, QString settingsPath,
             std::function<void()> quit, QObject* parent = nullptr);

  // Shows or hides the icon and builds its picture and menu from the controller's settings.
  void refresh();

  // The picture for a 1-based profile number.
  static QIcon profileIcon(int number);

 private:
  void chooseProfile(int profile);
  void setAutomaticSwitching(bool on);

  Controller& controller_;
  TrayIcon& icon_;
  QString settingsPath_;
  std::function<void()> quit_;
};

}  // namespace halvane
