#pragma once

#include "platform/input/hotkeys/HotKeyService.h"

#include <map>

namespace halvane {

// Keeps registrations in a table and lets a test deliver events of any shape.
class FakeHotKeyService : public HotKeyService {
 public:
  struct Registration {
    int keyCode;
    int modifiers;
    HotKeyId id;
  };

  int registerHotKey(int keyCode, int modifiers, HotKeyId id, Reference* reference) override {
    if (refuseNextWith != kHotKeyNoErr) {
      const int status = refuseNextWith;
      refuseNextWith = kHotKeyNoErr;
      return status;
    }
    *reference = nextReference++;
    registrations[*reference] = {keyCode, modifiers, id};
    return kHotKeyNoErr;
  }
  void unregisterHotKey(Reference reference) override { registrations.erase(reference); }
  void setEventHandler(Handler h) override {
    handler = std::move(h);
    ++handlerInstalls;
  }

  // The system's delivery of one event; not handled while no handler is installed.
  int deliver(const HotKeyEvent& event) {
    return handler ? handler(event) : int(kHotKeyEventNotHandled);
  }
  // A press (or release) of a registered hot key, carrying the id it was registered with.
  int deliver(Reference reference, HotKeyEventKind kind = kHotKeyPressed) {
    HotKeyEvent event;
    event.kind = kind;
    event.hotKeyId = registrations.at(reference).id;
    return deliver(event);
  }

  std::map<Reference, Registration> registrations;
  int refuseNextWith = kHotKeyNoErr;  // status for the next registration to fail with
  int handlerInstalls = 0;
  Handler handler;

 private:
  Reference nextReference = 1;
};

}  // namespace halvane
