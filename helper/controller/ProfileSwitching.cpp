// Controller: profile switches, automatic switching with the front application, and loading
// the settings.

#include "helper/controller/Controller.h"

#include "helper/overlay/ProfileOverlay.h"
#include "platform/desktop/frontapp/FrontApplicationWatcher.h"
#include "platform/desktop/notification/DistributedNotificationCenter.h"
#include "platform/system/log/SystemLog.h"
#include "shared/control/ControlChannel.h"
#include "shared/settings/SettingsLimits.h"
#include "shared/settings/SettingsStore.h"

#include <algorithm>

namespace halvane {

bool Controller::isProfileIndex(int profile) const {
  // Without settings the format's ten profiles stand, so the initial switch still selects its
  // index and sends zero driver settings.
  const qsizetype count =
      m_Prefs.isNone() ? settings::kProfileCount : m_Prefs[QStringLiteral("Profiles")].count();
  return profile >= 0 && profile < count;
}

void Controller::switchToProfile(int profile, bool broadcast) {
  // A profile the settings do not hold (a SelectProfile or CurrentProfile of 10 or more, -1 from
  // the pane) has nothing to apply: keep the current profile rather than carry an index that
  // every later lookup would miss.
  if (!isProfileIndex(profile)) {
    mServices.log.log(QStringLiteral("switchToProfile: no profile %1, staying on profile %2")
                          .arg(profile)
                          .arg(m_CurrentProfile));
    return;
  }
  const PlistValue record = m_Prefs[QStringLiteral("Profiles")].at(profile);
  if (itsWindow && m_Prefs[QStringLiteral("ShowChangesOnScreen")].toBool())
    showProfileName(record[QStringLiteral("Name")].toString());
  m_CurrentProfile = profile;
  readCurrentKeyActions();
  SendPrefsToDriver();
  if (broadcast) postProfileChanged(profile);
  emit currentProfileChanged(profile);
}

void Controller::postProfileChanged(int profile) {
  // An open pane shows the profile this names.
  mServices.notifications.postNotification(
      QString::fromLatin1(control::kProfileChanged),
      QString::fromLatin1(control::kPaneNotificationIdentifier),
      control::profileChangedUserInfo(profile));
}

void Controller::appFrontSwitchedHandler(Controller* userData) {
  // The application in front now; during a macro the switch it causes comes after the macro.
  userData->mMacroPlayer.whenIdle(
      [userData, names = userData->mServices.frontApplication.frontApplication().names()] {
        userData->handleNewFrontmostApplication(names);
      });
}

void Controller::installApplicationSwitchHandler() {
  mServices.frontApplication.setFrontSwitchedHandler([this] { appFrontSwitchedHandler(this); });
}

int Controller::profileForApplication(const QStringList& applicationNames) const {
  const PlistValue profiles = m_Prefs[QStringLiteral("Profiles")];
  // A file with fewer than ten profiles is searched as far as it goes.
  const qsizetype count = std::min<qsizetype>(profiles.count(), settings::kProfileCount);
  for (int i = 0; i < count; ++i) {
    // Exact, case-sensitive: a desktop entry's path, or an executable's real path.
    const QString path = profiles.at(i)[QStringLiteral("ApplicationPath")].toString();
    if (!path.isEmpty() && applicationNames.contains(path)) return i;
  }
  return -1;
}

void Controller::handleNewFrontmostApplication(const QStringList& applicationNames) {
  if (m_Prefs[QStringLiteral("AutoSwitchingOverride")].toBool()) return;

  // An application that has no names is bound to no profile.
  const int profile = profileForApplication(applicationNames);
  // Only the first profile bound to the application counts, even when its AutoSwitching is off.
  const bool autoSwitch =
      profile >= 0 &&
      m_Prefs[QStringLiteral("Profiles")].at(profile)[QStringLiteral("AutoSwitching")].toBool();
  if (autoSwitch) {
    if (mCurrentAutoSwitchProfile == -1) mPrevAutoSwitchProfile = m_CurrentProfile;
    switchToProfile(profile, true);
    mCurrentAutoSwitchProfile = profile;
    return;
  }
  // Back to the profile from before automatic switching, unless the user switched meanwhile.
  if (mCurrentAutoSwitchProfile == m_CurrentProfile) switchToProfile(mPrevAutoSwitchProfile, true);
  mCurrentAutoSwitchProfile = -1;
}

void Controller::loadPreferences() {
  m_Prefs = PlistValue();
  mKeyActions = {};
  ++mSettingsLoads;
  mLastLoadProblems.clear();
  // Every message of a load is a problem worth telling whoever asked for it (halvanectl reload).
  const settings::Report report = [this](const QString& message) {
    mLastLoadProblems.append(message);
    mServices.log.log(message);
  };
  // Creates the file from the bundle's defaults when needed; logs "No Prefs File!" when even
  // that gives nothing, and the helper then runs without settings.
  m_Prefs = settings::loadOrCreate(
      settings::Reader::Helper,
      mServices.bundle.resourcePath(QStringLiteral("defaults"), QStringLiteral("plist")), report,
      mServices.settingsPath);
  if (m_Prefs.isNone()) return;
  // The current index is kept: the new settings apply to it at once.
  readCurrentKeyActions();
  SendPrefsToDriver();
}

// The pane's requests that change the profile or the settings wait for a playing macro's end.
void Controller::reloadPrefs() {
  mMacroPlayer.whenIdle([this] {
    loadPreferences();
    emit preferencesReloaded();
  });
}

int Controller::getCurrentProfile() {
  return m_CurrentProfile;
}

void Controller::setCurrentProfile(int profile) {
  mMacroPlayer.whenIdle([this, profile] { switchToProfile(profile, false); });
}

}  // namespace halvane
