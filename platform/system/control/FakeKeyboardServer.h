#pragma once

#include "shared/control/KeyboardServer.h"

#include <QStringList>

namespace halvane {

// Answers with its own current profile and records every call, e.g. "setCurrentProfile 3".
class FakeKeyboardServer : public KeyboardServer {
 public:
  int getCurrentProfile() override {
    calls.append(QStringLiteral("getCurrentProfile"));
    return currentProfile;
  }
  void setCurrentProfile(int index) override {
    calls.append(QStringLiteral("setCurrentProfile %1").arg(index));
    currentProfile = index;
  }
  void reloadPrefs() override { calls.append(QStringLiteral("reloadPrefs")); }

  int currentProfile = 0;
  QStringList calls;
};

}  // namespace halvane
