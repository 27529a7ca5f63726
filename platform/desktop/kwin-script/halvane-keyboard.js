// Tells the Halvane helper which window has the focus. The helper loads this script itself
// through org.kde.KWin /Scripting at start and unloads it when it quits.
// Plasma 6 names the signal windowActivated and the property activeWindow; Plasma 5 uses
// clientActivated and activeClient. KWin passes null when no window is active.
var service = "com.halvane.keyboard.HVKeyboardServer";
var path = "/HVKeyboardServer";
var sink = "com.halvane.keyboard.FrontApplicationSink";

function facts(window) {
    if (!window) {
        return {};
    }
    return {
        desktopFile: String(window.desktopFileName || ""),
        wmClass: String(window.resourceClass || ""),
        wmInstance: String(window.resourceName || ""),
        pid: String(window.pid || 0)
    };
}

function report(window) {
    callDBus(service, path, sink, "WindowActivated", facts(window));
}

if (workspace.windowActivated !== undefined) {
    workspace.windowActivated.connect(report);
    report(workspace.activeWindow);
} else {
    workspace.clientActivated.connect(report);
    report(workspace.activeClient);
}
