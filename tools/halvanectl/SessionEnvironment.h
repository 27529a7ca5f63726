#pragma once

#include "tools/halvanectl/Halvanectl.h"

#include <QCoreApplication>

#include <memory>

namespace halvane {

class DBusDistributedNotificationCenter;
class SessionDesktopFacts;
class UdevDeviceFacts;

namespace ctl {

// What the installed program works on: the user's settings file, the defaults built into the
// program, and the helper on the session bus. Owns the bus objects for as long as it lives.
class SessionEnvironment {
  Q_DECLARE_TR_FUNCTIONS(SessionEnvironment)

 public:
  SessionEnvironment();
  ~SessionEnvironment();
  SessionEnvironment(const SessionEnvironment&) = delete;
  SessionEnvironment& operator=(const SessionEnvironment&) = delete;

  CtlEnvironment environment();

  // The defaults resource built into halvanectl.
  static QString builtInDefaultsPath();

 private:
  std::unique_ptr<DBusDistributedNotificationCenter> center_;
  std::unique_ptr<UdevDeviceFacts> devices_;
  std::unique_ptr<SessionDesktopFacts> desktop_;
};

}  // namespace ctl
}  // namespace halvane
