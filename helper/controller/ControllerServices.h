#pragma once

#include "platform/system/bundle/Bundle.h"

#include <QString>

#include <cstdio>

namespace halvane {

class Clock;
class DistributedNotificationCenter;
class FrontApplicationWatcher;
class HIDDeviceRegistry;
class HIDEventSystem;
class KeyboardEventPoster;
class PointerEventPoster;
class ScriptRunner;
class Sleeper;
class SystemLog;
class TextTypist;
class Workspace;

// Everything the Controller reaches outside itself. main() passes the real (traced) backends;
// tests pass fakes. The services must outlive the Controller.
struct ControllerServices {
  SystemLog& log;
  Sleeper& sleeper;
  // The idle check's timer.
  Clock& clock;
  KeyboardEventPoster& keyboard;
  // A macro's text steps and its mouse steps.
  TextTypist& typist;
  PointerEventPoster& pointer;
  HIDEventSystem& hidEvents;
  Workspace& workspace;
  ScriptRunner& scripts;
  FrontApplicationWatcher& frontApplication;
  DistributedNotificationCenter& notifications;
  HIDDeviceRegistry& devices;
  // The helper's own bundle: the "defaults" settings and the "Halvane" script resource.
  Bundle bundle;
  QString settingsPath;
  // Device-level diagnostics: standard output and standard error in the helper.
  std::FILE* out = stdout;
  std::FILE* err = stderr;
};

}  // namespace halvane
