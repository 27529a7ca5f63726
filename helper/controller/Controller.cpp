#include "helper/controller/Controller.h"

#include "helper/hidsystem/HIDSystem.h"
#include "helper/overlay/ProfileOverlay.h"

namespace halvane {

Controller::Controller(const ControllerServices& services, QObject* parent)
    : QObject(parent), mServices(services) {}

Controller::~Controller() = default;

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
