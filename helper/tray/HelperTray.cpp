#include "helper/tray/HelperTray.h"

#include "helper/controller/Controller.h"
#include "helper/tray/ProfileIconEngine.h"
#include "platform/desktop/tray/TrayIcon.h"
#include "shared/settings/SettingsLimits.h"
#include "shared/settings/SettingsStore.h"

#include <algorithm>

namespace halvane {
namespace {

QString profileName(const PlistValue& profiles, int index) {
  const QString name = profiles.at(index)[QStringLiteral("Name")].toString();
  // An item needs a text; an unnamed profile goes by its number as its default name does.
  return name.isEmpty() ? settings::defaultProfileName(index) : name;
}

}  // namespace

HelperTray::HelperTray(Controller& controller, TrayIcon& icon, QString settingsPath,
                       std::function<void()> quit, QObject* parent)
    : QObject(parent),
      controller_(controller),
      icon_(icon),
      settingsPath_(std::move(settingsPath)),
      quit_(std::move(quit)) {
  connect(&controller_, &Controller::currentProfileChanged, this, &HelperTray::refresh);
  connect(&controller_, &Controller::preferencesReloaded, this, &HelperTray::refresh);
}

QIcon HelperTray::profileIcon(int number) {
  return QIcon(new ProfileIconEngine(number));
}

void HelperTray::refresh() {
  // Nothing is drawn where no tray can show it: the icon's digits alone would load the fonts.
  if (!icon_.isAvailable()) return icon_.setVisible(false);
  const PlistValue prefs = controller_.prefs();
  const QString show = QString::fromLatin1(kShowTrayIcon);
  if (prefs.contains(show) && !prefs[show].toBool()) {
    icon_.setVisible(false);
    return;
  }
  const int current = controller_.getCurrentProfile();
  const PlistValue profiles = prefs[QStringLiteral("Profiles")];
  icon_.setIcon(profileIcon(current + 1));
  icon_.setToolTip(profiles.count() > current
                       //: The tray icon's tool tip; %1 is the current profile's name.
                       ? tr("Halvane keyboard: %1").arg(profileName(profiles, current))
                       : tr("Halvane keyboard: profile %1").arg(current + 1));

  std::vector<TrayMenuItem> items;
  for (int index = 0; index < std::min<int>(int(profiles.count()), settings::kProfileCount);
       ++index)
    items.push_back({profileName(profiles, index), true, index == current, true,
                     [this, index] { chooseProfile(index); }});
  items.emplace_back();
  const bool automatic = !prefs[QStringLiteral("AutoSwitchingOverride")].toBool();
  // Without settings there is no file to keep the choice in.
  items.push_back({tr(kAutomaticSwitching), true, automatic && prefs.isDictionary(),
                   prefs.isDictionary(), [this, automatic] { setAutomaticSwitching(!automatic); }});
  items.emplace_back();
  items.push_back({tr(kPreferences), false, false, true, [this] {
                     // What the profile key does: the script opens (or brings forward) the window.
                     controller_.runKeyScript(QStringLiteral("ProfileKey"), QString());
                   }});
  items.push_back({tr(kQuit), false, false, true, [this] {
                     if (quit_) quit_();
                   }});
  icon_.setMenu(items);
  icon_.setVisible(true);
}

// As any switch that does not come from the pane, it is announced, so an open pane follows.
void HelperTray::chooseProfile(int profile) {
  controller_.switchToProfile(profile, true);
}

// The choice goes into the file, as the pane would apply it, and the helper reads it back; the
// file rather than the helper's copy is changed, so that nothing written since is undone.
void HelperTray::setAutomaticSwitching(bool on) {
  PlistValue tree = settings::read(settingsPath_);
  if (!tree.isDictionary()) return;
  tree.set(QStringLiteral("AutoSwitchingOverride"), !on);
  if (settings::write(tree, settingsPath_)) controller_.reloadPrefs();
}

}  // namespace halvane
