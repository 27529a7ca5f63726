#pragma once

#include <QString>

#include <memory>

namespace halvane {

// The lock that lets one helper run per user session: a file in the session's runtime folder,
// held with flock(2) for the life of the process, so it is let go however the process ends.
class InstanceLock {
 public:
  enum class Outcome {
    Taken,        // this process holds the lock
    HeldByOther,  // another process holds it: holderPid() names it when it wrote its pid
    Unavailable,  // no lock could be had (unwritable folder, a file not ours); reason() says why
  };

  // Tries to take the lock at path, creating its folder (mode 0700) when needed.
  static InstanceLock acquire(const QString& path);

  // $XDG_RUNTIME_DIR/halvane/helper.lock, or /tmp/halvane-<uid>/helper.lock without it.
  static QString helperLockPath();

  InstanceLock(InstanceLock&&) noexcept;
  InstanceLock& operator=(InstanceLock&&) noexcept;
  ~InstanceLock();

  Outcome outcome() const { return outcome_; }
  qint64 holderPid() const { return holderPid_; }
  const QString& reason() const { return reason_; }

 private:
  InstanceLock() = default;

  Outcome outcome_ = Outcome::Unavailable;
  int fd_ = -1;
  qint64 holderPid_ = 0;
  QString reason_;
};

}  // namespace halvane
