#include "platform/hidevent/HIDEventSystemFactory.h"

#include "platform/hidevent/UinputHIDEventSystem.h"
#include "platform/log/SystemLog.h"
#include "platform/uinput/UinputDevice.h"

namespace halvane {

std::unique_ptr<HIDEventSystem> createHIDEventSystem(SystemLog& log) {
  const QString reason = UinputDevice::unusableReason();
  if (reason.isEmpty())
    log.log(QStringLiteral("HID events (eject, media keys, mouse): uinput"));
  else
    log.log(QStringLiteral("HID events (eject, media keys, mouse): none, %1").arg(reason));
  return std::make_unique<UinputHIDEventSystem>();
}

}  // namespace halvane
