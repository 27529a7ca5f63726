#pragma once

#include "helper/controller/Controller.h"
#include "helper/overlay/ProfileOverlay.h"
#include "platform/desktop/notification/TracedDistributedNotificationCenter.h"
#include "platform/desktop/workspace/TracedWorkspace.h"
#include "platform/input/devices/TracedHIDDeviceRegistry.h"
#include "platform/input/hidevent/TracedHIDEventSystem.h"
#include "platform/input/pointer/TracedPointerEventPoster.h"
#include "platform/input/posters/TracedKeyboardEventPoster.h"
#include "platform/input/posters/TracedTextTypist.h"
#include "platform/system/log/TracedSystemLog.h"
#include "platform/system/script/TracedScriptRunner.h"
#include "platform/system/sleeper/TracedSleeper.h"
#include "platform/system/trace/Trace.h"
#include "shared/KeyboardIdentity.h"
#include "shared/settings/MacroStep.h"
#include "tests/helper/controller/FakeServices.h"

#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace halvane::test {

// The overlay, as the platform trace shows it.
class TracedOverlay : public ProfileOverlay {
 public:
  explicit TracedOverlay(Trace& trace) : trace_(trace) {}
  void displayProfileName(const QString& name) override {
    trace_.write(TraceEvent("overlayName").add("name", name));
    visible_ = true;
  }
  void hideProfileName() override {
    trace_.write(TraceEvent("overlayHide"));
    visible_ = false;
    notifyHidden();  // no fade: hidden at once
  }
  bool profileNameVisible() const override { return visible_; }

 private:
  Trace& trace_;
  bool visible_ = false;
};

// Records the device registrations, first-match and termination alike, in the order made:
//   "first 1209:4856 1/6", "term 1209:4856 c/1"
class RegistrationRecorder : public HIDDeviceRegistry {
 public:
  explicit RegistrationRecorder(HIDDeviceRegistry& inner) : inner_(inner) {}
  void addFirstMatchNotification(const MatchingCriteria& criteria,
                                 ServiceHandler handler) override {
    registrations.append(describe("first", criteria));
    inner_.addFirstMatchNotification(criteria, std::move(handler));
  }
  void addTerminationNotification(const MatchingCriteria& criteria,
                                  ServiceHandler handler) override {
    registrations.append(describe("term", criteria));
    inner_.addTerminationNotification(criteria, std::move(handler));
  }
  std::unique_ptr<HIDDevice> createDeviceInterface(ServiceId service, int* status) override {
    return inner_.createDeviceInterface(service, status);
  }
  int setProperties(ServiceId service, const DriverSettings& settings) override {
    return inner_.setProperties(service, settings);
  }
  QStringList registrations;

 private:
  static QString describe(const char* kind, const MatchingCriteria& c) {
    return QStringLiteral("%1 %2:%3 %4/%5")
        .arg(QLatin1String(kind))
        .arg(c.vendorID, 4, 16, QChar(u'0'))
        .arg(c.productID, 4, 16, QChar(u'0'))
        .arg(c.primaryUsagePage, 0, 16)
        .arg(c.primaryUsage, 0, 16);
  }
  HIDDeviceRegistry& inner_;
};

// A text stream a test can read back (the Controller's standard output or error).
class CapturedStream {
 public:
  CapturedStream();
  ~CapturedStream();
  std::FILE* file() const { return file_; }
  // Everything written since the last take.
  QString take();

 private:
  std::FILE* file_;
  long read_ = 0;
};

// One step of a macro in a settings tree.
struct Step {
  int keyCode;
  int modifiers = 0;
  double delay = 0;
};

// A Controller over the fakes, each behind its trace decorator, so that one trace file records
// every platform action in order. take() returns those actions as short lines:
//   key 56 down | combine off | suppress 0.25 | sleep 1.5 | open /path | script Play/iTunes |
//   driver 0x1001 1 9 | hid 14 sub 8 000e0a00 ffffffff | notify 3 | overlay Profile 4 |
//   log <message> | text begin | type é | text end | button Left down | wheel Down 3
class ControllerRig : public FakeServices {
 public:
  // withScript: the helper bundle holds the "Halvane" script resource.
  explicit ControllerRig(bool withScript = true);
  ~ControllerRig();

  // The settings of a new user (the project's defaults file), as a tree to edit.
  static PlistValue defaultSettings();
  static PlistValue profile(const PlistValue& tree, int index);
  static PlistValue macroKey(const PlistValue& tree, int profileIndex, int key);
  static void setMacro(const PlistValue& tree, int profileIndex, int key,
                       const std::vector<Step>& steps);
  // Steps of any kind, stored as the preferences store them.
  static void setMacroSteps(const PlistValue& tree, int profileIndex, int key,
                            const QList<settings::MacroStep>& steps);

  // Writes tree as the settings file and loads it; clears what loading traced.
  void load(const PlistValue& tree);
  void writeSettingsFile(const PlistValue& tree) const;
  QString settingsPath() const;
  QString bundlePath() const;

  // Attaches a keyboard interface (keyboard or consumer) and returns its service.
  ServiceId attach(int productID = keyboard::kFirstProductID, bool consumer = false);

  // Traced actions since the last take, as short lines; with ops, only those kinds
  // ("key", "combine", "suppress", "sleep", "open", "script", "driver", "hid", "notify",
  // "overlay", "log", "text", "type", "button", "wheel").
  QStringList take(const QStringList& ops = {});
  // take() with each key combination folded into one line: "[56v 0v 0^ 56^]".
  QStringList takeFolded();

  QTemporaryDir dir;
  Trace trace;
  RegistrationRecorder registrations{devices};
  TracedOverlay overlay{trace};
  CapturedStream out, err;

 private:
  TracedSystemLog tracedLog_{log, trace};
  TracedSleeper tracedSleeper_{sleeper, trace};
  TracedKeyboardEventPoster tracedKeyboard_{keyboard, trace};
  TracedTextTypist tracedTypist_{typist, trace};
  TracedPointerEventPoster tracedPointer_{pointer, trace};
  TracedHIDEventSystem tracedHidEvents_{hidEvents, trace};
  TracedWorkspace tracedWorkspace_{workspace, trace};
  TracedScriptRunner tracedScripts_{scripts, trace};
  TracedDistributedNotificationCenter tracedNotifications_{notifications, trace};
  TracedHIDDeviceRegistry tracedDevices_{registrations, trace};
  qint64 traceRead_ = 0;

 public:
  std::unique_ptr<Controller> controller;  // last: goes before the services it uses
};

// The eight-byte keyboard report with the given key codes from byte 2 on.
std::vector<std::uint8_t> keys(std::uint8_t modifiers, std::initializer_list<std::uint8_t> codes);

}  // namespace halvane::test
