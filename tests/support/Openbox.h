#pragma once

#include <QProcess>
#include <QString>

namespace halvane::test {

// Why a test that needs a managed X desktop (openbox) and xdotool cannot run here, or empty.
QString openboxMissing();

// Starts openbox, as the process given is set up, and waits until it manages the display (it
// announces itself on the root window). False when it did not.
bool startOpenbox(QProcess& openbox);

}  // namespace halvane::test
