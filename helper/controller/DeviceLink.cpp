// Controller: the attached keyboards and their driver settings.

#include "helper/controller/Controller.h"

#include "shared/KeyboardIdentity.h"

#include <algorithm>

namespace halvane {

namespace {

// The keyboard interface and the consumer (media keys) interface of the keyboard.
MatchingCriteria keyboardInterface(int productID) {
  return {keyboard::kVendorID, productID, 0x01 /* Generic Desktop */, 6 /* Keyboard */};
}
MatchingCriteria consumerInterface(int productID) {
  return {keyboard::kVendorID, productID, 0x0C /* Consumer */, 1 /* Consumer Control */};
}

}  // namespace

void Controller::printOut(const char* format, unsigned value) {
  std::fprintf(mServices.out, format, value);
  std::fflush(mServices.out);  // a reader of the helper's output sees each line as it happens
}

int Controller::InitKeyboard() {
  mKeyboards.clear();
  registerKeyboardInterfaces(keyboard::kFirstProductID);
  registerKeyboardInterfaces(keyboard::kSecondProductID);
  return 0;
}

void Controller::registerKeyboardInterfaces(int productID) {
  // Each first-match registration reports the interfaces already present at once, so a keyboard
  // present at start-up is listed before any that is plugged in later.
  HIDDeviceRegistry& devices = mServices.devices;
  const auto added = [this](ServiceId service) { deviceAddedHandler(this, service); };
  const auto removed = [this](ServiceId service) { deviceRemovedHandler(this, service); };
  devices.addFirstMatchNotification(keyboardInterface(productID), added);
  devices.addTerminationNotification(keyboardInterface(productID), removed);
  devices.addFirstMatchNotification(consumerInterface(productID), added);
  devices.addTerminationNotification(consumerInterface(productID), removed);
}

void Controller::deviceAddedHandler(Controller* refcon, ServiceId service) {
  refcon->deviceAdded(service);
}

void Controller::deviceRemovedHandler(Controller* refcon, ServiceId service) {
  refcon->deviceRemoved(service);
}

void Controller::deviceAdded(ServiceId service) {
  // A record that fails at any step is freed with its device interface when this returns.
  auto record = std::make_unique<KeyboardRecord>();
  int status = 0;
  record->deviceInterface = mServices.devices.createDeviceInterface(service, &status);
  if (!record->deviceInterface) {
    printOut("unable to create a plugin (%08x)\n", unsigned(status));
    return;
  }
  record->service = service;
  HIDDevice& device = *record->deviceInterface;
  if (const int result = device.open()) {
    printOut("unable to open device: %08x\n", unsigned(result));
    return;
  }
  if (const int result = device.createAsyncEventSource()) {
    printOut("createAsyncEventSource returned 0x%X\n", unsigned(result));
    return;
  }
  KeyboardRecord* target = record.get();
  const int result = device.setInterruptReportHandler(
      mReportBuffer.data(), kReportBufferSize, [target, this](int status, quint32 bufferSize) {
        hidCallback(target, status, this, bufferSize);
      });
  if (result != 0) return;
  mKeyboards.push_back(std::move(record));
}

void Controller::deviceRemoved(ServiceId service) {
  const auto it = std::find_if(mKeyboards.begin(), mKeyboards.end(), [service](const auto& record) {
    return record->service == service;
  });
  if (it == mKeyboards.end()) return;
  mKeyboards.erase(it);
  mMacroPlayer.keyboardGone(service);
  printOut("keyboard record for service 0x%X removed\n", service);
}

DriverSettings Controller::driverSettings() const {
  const PlistValue profile = currentProfileRecord();
  DriverSettings settings;
  settings.swapCmdAlt = profile[QStringLiteral("SwapCmdAlt")].intValue();
  const PlistValue macroKeys = profile[QStringLiteral("MacroKeys")];
  // Bit k for each macro key with an action; the mask has room for 32 keys.
  const qsizetype count = std::min<qsizetype>(macroKeys.count(), 32);
  for (int k = 0; k < count; ++k)
    if (!macroKeys.at(k)[QStringLiteral("ActionType")].toString().isEmpty())
      settings.macroMask |= qint32(1u << k);
  return settings;
}

void Controller::SendPrefsToDriver() {
  const DriverSettings settings = driverSettings();
  // Walk a copy of the list: a backend that finds a keyboard gone while writing to it may
  // remove its record on the spot.
  std::vector<ServiceId> services;
  services.reserve(mKeyboards.size());
  for (const auto& record : mKeyboards) services.push_back(record->service);
  for (const ServiceId service : services) mServices.devices.setProperties(service, settings);
}

}  // namespace halvane
