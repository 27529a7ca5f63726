#include "KeyComboReceiver.h"

namespace halvane {
namespace {
KeyComboReceiver* gSharedReceiver = nullptr;
}  // namespace

KeyComboReceiver* KeyComboReceiver::shared() {
  return gSharedReceiver;
}

void KeyComboReceiver::setShared(KeyComboReceiver* receiver) {
  gSharedReceiver = receiver;
}

}  // namespace halvane
