// Start-up, the idle check, the diagnostic action and quitting.
#include "helper/controller/Controller.h"

#include "helper/overlay/ProfileOverlay.h"
#include "platform/system/control/ServerObject.h"
#include "platform/system/log/SystemLog.h"
#include "platform/system/sleeper/Clock.h"
#include "shared/settings/SettingsStore.h"

namespace halvane {

namespace {
constexpr int kIdleIntervalMs = 100;
}

void Controller::applicationDidFinishLaunching() {
  m_Prefs = PlistValue();
  m_CurrentProfile = 0;
  mCurrentAutoSwitchProfile = -1;
  mPrevAutoSwitchProfile = 0;

  loadPreferences();  // its driver settings reach no keyboard yet
  InitKeyboard();
  createHIDSystem();
  runKeyScript(QStringLiteral("MakeLoginItem"), QString());

  // Started by each name shown, so that a helper at rest never wakes up for it.
  mIdleTimer = mServices.clock.repeating(kIdleIntervalMs, [this] { doIdle(); });

  installApplicationSwitchHandler();
  switchToProfile(m_Prefs[QStringLiteral("CurrentProfile")].intValue(), true);
  startServerObject();  // announced before the pane can reach us
  if (itsWindow) itsWindow->placeOnMainScreen();
}

bool Controller::applicationShouldTerminateAfterLastWindowClosed() const {
  return true;
}

void Controller::startServerObject() {
  if (mServerObject) mServerObject->registerServer(*this);
}

void Controller::setItsWindow(ProfileOverlay* window) {
  itsWindow = window;
  if (itsWindow)
    itsWindow->setHiddenHandler([this] {
      if (mIdleTimer) mIdleTimer->stop();
    });
}

void Controller::showProfileName(const QString& name) {
  itsWindow->displayProfileName(name);
  // A running check keeps its pace: the name still shows at full strength for at most one tick.
  if (mIdleTimer && !mIdleTimer->isActive()) mIdleTimer->start();
}

void Controller::doIdle() {
  if (itsWindow && itsWindow->profileNameVisible()) itsWindow->hideProfileName();
}

bool Controller::idleCheckRunning() const {
  return mIdleTimer && mIdleTimer->isActive();
}

void Controller::debugAction(int tag) {
  if (!itsWindow) return;
  if (tag == 1) itsWindow->hideProfileName();
  if (tag == 2) showProfileName(QStringLiteral("Test"));
}

void Controller::applicationWillTerminate() {
  stopMacro(MacroPlayer::StopReason::Quit);
  releaseHIDSystem();
  if (m_Prefs.isNone()) return;  // the helper ran without settings: nothing to remember
  const QString key = QStringLiteral("CurrentProfile");
  // Only the current profile is the helper's to store. Writing its whole tree back would undo
  // whatever the pane wrote since the helper last read the file (edits applied while the pane
  // could not reach the helper), so the key goes into the file as it is now.
  PlistValue onDisk = settings::read(mServices.settingsPath);
  PlistValue tree = onDisk.isDictionary() ? onDisk : m_Prefs;
  tree.set(key, m_CurrentProfile);
  QString why;
  if (!settings::write(tree, mServices.settingsPath, &why))
    mServices.log.log(
        tr("Could not store the current profile in %1: %2").arg(mServices.settingsPath, why));
}

}  // namespace halvane
