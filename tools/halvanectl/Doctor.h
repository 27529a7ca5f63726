#pragma once

#include "tools/halvanectl/DoctorChecks.h"

#include <QTextStream>

namespace halvane::ctl {

// halvanectl doctor: every check, one line each (✔ or ✘, each ✘ followed by its fix), then
// what they add up to. 0 when nothing keeps the keyboard from working, else 1.
int runDoctor(const DoctorSystem& system, QTextStream& out);

// halvanectl doctor --desktop-hint: the one step this desktop needs before automatic switching
// works there, or nothing. Always 0: it is advice for scripts that go on regardless.
int printDesktopHint(const DoctorSystem& system, QTextStream& out);

// A check as doctor prints it.
QString doctorText(const DoctorCheck& check);

}  // namespace halvane::ctl
