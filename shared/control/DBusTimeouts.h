#pragma once

// How long each kind of D-Bus call (and the programs that stand in for one) waits for its
// answer. The waits differ by who answers, and why it might be slow.
namespace halvane::dbus {

// The pane's calls to the helper. The pane waits without running its loop, and the helper
// answers from its loop at once; past half a second it is stuck or gone, and the pane must not
// freeze on it.
inline constexpr int kHelperCallTimeoutMs = 500;

// halvanectl's reports from the helper, and start-up questions to logind: services that answer
// from memory, where a command line (or the helper's start) can afford a second before it
// reports that nothing came.
inline constexpr int kServiceCallTimeoutMs = 1000;

// Another running desktop program (KWin's scripting, GNOME Shell, the preferences window already
// open): it answers from an event loop of its own that may be busy drawing.
inline constexpr int kDesktopCallTimeoutMs = 2000;

// A service that may first have to be started: the desktop portal (D-Bus activation), GNOME
// Shell's extension manager at login, a user unit started through systemctl.
inline constexpr int kServiceStartTimeoutMs = 5000;

}  // namespace halvane::dbus
