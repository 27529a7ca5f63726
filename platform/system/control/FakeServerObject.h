#pragma once

#include "platform/system/control/ServerObject.h"

namespace halvane {

// Keeps the registered server so a test can call it as the pane would.
class FakeServerObject : public ServerObject {
 public:
  bool registerServer(KeyboardServer& server) override {
    ++registrations;
    if (refuse) return false;
    this->server = &server;
    return true;
  }
  bool refuse = false;
  int registrations = 0;
  KeyboardServer* server = nullptr;
};

}  // namespace halvane
