#pragma once

#include "tools/halvanectl/DoctorSystem.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvane::ctl {

// One line of halvanectl doctor.
struct DoctorCheck {
  enum class Status {
    Pass,
    // Something to fix that leaves the keys working: automatic switching, the on-screen
    // profile name, starting at the next login, settings the software reads differently.
    Warn,
    // The keyboard, or part of what its keys do, does not work until this is fixed.
    Fail,
  };
  Status status = Status::Pass;
  QString line;
  QStringList fix;  // what to run or install, one step a line; empty when passed
};
using DoctorChecks = QList<DoctorCheck>;

// The groups of checks, in the order doctor prints them.
// The keyboard's nodes, /dev/uinput, the udev rule and the hwdb entry.
DoctorChecks deviceChecks(const DoctorSystem& system);
// The helper: running, its version, the backends it chose. *running tells whether it answered.
DoctorChecks helperChecks(const DoctorSystem& system, bool* running);
// The session, and on GNOME or KDE under Wayland the piece automatic switching needs there.
DoctorChecks desktopChecks(const DoctorSystem& system, bool helperRunning);
// The desktop's piece alone (scripts/run asks before the helper starts): nothing on sessions
// that need none.
std::optional<DoctorCheck> desktopPieceCheck(const DoctorSystem& system, bool helperRunning);
// Starting at login, and the settings file.
DoctorChecks fileChecks(const DoctorSystem& system);

}  // namespace halvane::ctl
