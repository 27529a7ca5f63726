#pragma once

#include "helper/controller/ControllerServices.h"
#include "platform/desktop/frontapp/FakeFrontApplicationWatcher.h"
#include "platform/desktop/notification/FakeDistributedNotificationCenter.h"
#include "platform/desktop/workspace/FakeWorkspace.h"
#include "platform/input/devices/FakeHIDDeviceRegistry.h"
#include "platform/input/hidevent/FakeHIDEventSystem.h"
#include "platform/input/pointer/FakePointerEventPoster.h"
#include "platform/input/posters/FakeKeyboardEventPoster.h"
#include "platform/input/posters/FakeTextTypist.h"
#include "platform/system/log/FakeSystemLog.h"
#include "platform/system/script/FakeScriptRunner.h"
#include "platform/system/sleeper/FakeClock.h"
#include "platform/system/sleeper/FakeSleeper.h"

namespace halvane::test {

// Every service the Controller uses, as an in-process fake (tests, the fuzz target, benchmarks).
struct FakeServices {
  FakeSystemLog log;
  FakeSleeper sleeper;
  FakeClock clock;
  FakeKeyboardEventPoster keyboard;
  FakeTextTypist typist;
  FakePointerEventPoster pointer;
  FakeHIDEventSystem hidEvents;
  FakeWorkspace workspace;
  FakeScriptRunner scripts;
  FakeFrontApplicationWatcher front;
  FakeDistributedNotificationCenter notifications;
  FakeHIDDeviceRegistry devices;

  // The Controller's view of the fakes; keyboardPoster, when given, stands in for the recording
  // keyboard.
  ControllerServices services(const Bundle& bundle, const QString& settingsPath,
                              std::FILE* out = stdout, std::FILE* err = stderr,
                              KeyboardEventPoster* keyboardPoster = nullptr) {
    return ControllerServices{
        log,     sleeper,      clock,         keyboardPoster ? *keyboardPoster : keyboard,
        typist,  pointer,      hidEvents,     workspace,
        scripts, front,        notifications, devices,
        bundle,  settingsPath, out,           err};
  }
};

}  // namespace halvane::test
