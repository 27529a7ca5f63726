#include "helper/controller/Controller.h"

#include "helper/hidsystem/HIDSystem.h"
#include "helper/overlay/ProfileOverlay.h"
#include "platform/system/script/ScriptRunner.h"
#include "platform/system/sleeper/Clock.h"
#include "shared/settings/PlayMode.h"

namespace halvane {

Controller::Controller(const ControllerServices& services, QObject* parent)
    : QObject(parent),
      mServices(services),
      mMacroPlayer(
          mServices.sleeper, mHeldKeys,
          {mServices.typist, mHeldButtons,
           [this](const QString& characters) { textSkipped(characters); }},
          [this](int key, int modifiers) { pressKeyCombination(key, modifiers); },
          [this] { return settings::cancelMacroWithEscape(m_Prefs); },
          [this](MacroPlayer::StopReason why) { macroStopped(why); }) {
  // An imaging key's shortcut, asked for by the script, is typed like a macro's combination.
  mServices.scripts.setKeyCombinationHandler(
      [this](int key, int modifiers) { pressKeyCombination(key, modifiers); });
}

Controller::~Controller() {
  mServices.scripts.setKeyCombinationHandler({});
}

void Controller::createHIDSystem() {
  mHIDSystem = std::make_unique<HIDSystem>(mServices.hidEvents, mServices.err);
}

void Controller::releaseHIDSystem() {
  mHIDSystem.reset();
}

PlistValue Controller::currentProfileRecord() const {
  return m_Prefs[QStringLiteral("Profiles")].at(m_CurrentProfile);
}

}  // namespace halvane
