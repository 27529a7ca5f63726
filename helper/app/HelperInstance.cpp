#include "helper/app/HelperInstance.h"

#include "platform/system/log/SyslogSystemLog.h"

namespace halvane {

InstanceLock claimHelperInstance() {
  InstanceLock lock = InstanceLock::acquire(InstanceLock::helperLockPath());
  if (lock.outcome() == InstanceLock::Outcome::Taken) return lock;
  SyslogSystemLog log(QStringLiteral("HalvaneHelper"));
  // Logged before the application and its translations exist: these lines stay English.
  if (lock.outcome() == InstanceLock::Outcome::HeldByOther) {
    const QString who =
        lock.holderPid() > 0 ? QStringLiteral(" (pid %1)").arg(lock.holderPid()) : QString();
    log.log(QStringLiteral("Another Halvane helper%1 is already running in this session; this one "
                           "exits and leaves the keyboard to it")
                .arg(who));
  } else {
    // Better two helpers than none: the keyboard keeps working.
    log.log(QStringLiteral("Could not make sure that only one helper runs (%1); starting anyway")
                .arg(lock.reason()));
  }
  return lock;
}

}  // namespace halvane
