#pragma once

#include "platform/system/control/RemoteProxy.h"
#include "shared/control/KeyboardServer.h"

namespace halvane {

// Calls a KeyboardServer in the same process; with reachable false it answers as a proxy
// whose helper has gone away.
class FakeRemoteProxy : public RemoteProxy {
 public:
  explicit FakeRemoteProxy(KeyboardServer& server) : server_(server) {}
  std::optional<int> getCurrentProfile() override {
    if (!reachable) return std::nullopt;
    return server_.getCurrentProfile();
  }
  bool setCurrentProfile(int index) override {
    if (reachable) server_.setCurrentProfile(index);
    return reachable;
  }
  bool reloadPrefs() override {
    if (reachable) server_.reloadPrefs();
    return reachable;
  }
  bool reachable = true;

 private:
  KeyboardServer& server_;
};

}  // namespace halvane
