// Tells the Halvane helper which window has the focus, on every focus change and again when the
// helper appears on the bus (the helper may start after the Shell).
// Written as an ES module for GNOME 45 and later; the build turns it into the older module
// format for GNOME 42-44 (imports.gi, `var` exports), so keep to plain `import X from 'gi://X'`
// lines and exported class and function declarations.
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Shell from 'gi://Shell';

import * as Main from 'resource:///org/gnome/shell/ui/main.js';

const HELPER = 'com.halvane.keyboard.HVKeyboardServer';
const HELPER_PATH = '/HVKeyboardServer';
const SINK = 'com.halvane.keyboard.FrontApplicationSink';

// Only for the project's tests (HALVANE_SHELL_TEST=1 in the Shell's environment): headless
// windows never take the focus on their own, so the tests move it through this object.
const TEST_PATH = '/com/halvane/keyboard/ShellTest';
const TEST_INTERFACE = `<node>
  <interface name="com.halvane.keyboard.ShellTest">
    <method name="Activate">
      <arg name="wmClass" type="s" direction="in"/>
      <arg name="found" type="b" direction="out"/>
    </method>
    <method name="Focused">
      <arg name="wmClass" type="s" direction="out"/>
    </method>
  </interface>
</node>`;

// What the helper's resolver needs of a window; no titles. An empty map for no window.
export function windowFacts(window) {
    if (!window)
        return {};
    const app = Shell.WindowTracker.get_default().get_window_app(window);
    let appId = app ? app.get_id() || '' : '';
    // The tracker names windows it cannot place "window:<n>"; that is no application ID.
    if (appId.startsWith('window:'))
        appId = '';
    const pid = window.get_pid();
    return {
        appId,
        wmClass: window.get_wm_class() || '',
        wmInstance: window.get_wm_class_instance() || '',
        gtkApplicationId: window.get_gtk_application_id() || '',
        pid: String(pid > 0 ? pid : 0),
    };
}

export class FocusReporter {
    enable() {
        this._lastSent = null;
        this._idleId = 0;
        this._focusId = global.display.connect('notify::focus-window', () => this._sendSoon());
        // A helper that just appeared knows nothing yet: tell it even what it would have heard.
        this._watchId = Gio.bus_watch_name(Gio.BusType.SESSION, HELPER,
            Gio.BusNameWatcherFlags.NONE, () => {
                this._lastSent = null;
                this._send();
            }, null);
        if (GLib.getenv('HALVANE_SHELL_TEST') === '1')
            this._exportTest();
    }

    disable() {
        global.display.disconnect(this._focusId);
        Gio.bus_unwatch_name(this._watchId);
        if (this._idleId)
            GLib.source_remove(this._idleId);
        this._idleId = 0;
        if (this._test) {
            this._test.unexport();
            this._test = null;
        }
    }

    // A focus change can pass through no window, or notify twice; what counts is where the
    // focus is once the Shell is idle again, and only when it differs from what was sent.
    _sendSoon() {
        if (this._idleId)
            return;
        this._idleId = GLib.idle_add(GLib.PRIORITY_DEFAULT_IDLE, () => {
            this._idleId = 0;
            this._send();
            return GLib.SOURCE_REMOVE;
        });
    }

    _send() {
        const facts = windowFacts(global.display.focus_window);
        const text = JSON.stringify(facts);
        if (text === this._lastSent)
            return;
        this._lastSent = text;
        Gio.DBus.session.call(HELPER, HELPER_PATH, SINK, 'WindowActivated',
            new GLib.Variant('(a{ss})', [facts]), null, Gio.DBusCallFlags.NO_AUTO_START, 2000,
            null, (connection, result) => {
                try {
                    connection.call_finish(result);
                } catch (e) {
                    // The helper is not running or went away; it asks again when it comes.
                }
            });
    }

    _exportTest() {
        this._test = Gio.DBusExportedObject.wrapJSObject(TEST_INTERFACE, {
            Activate(wmClass) {
                for (const actor of global.get_window_actors()) {
                    const window = actor.get_meta_window();
                    if (window.get_wm_class() === wmClass) {
                        Main.activateWindow(window, global.display.get_current_time_roundtrip());
                        return true;
                    }
                }
                return false;
            },
            Focused() {
                const window = global.display.focus_window;
                return window ? window.get_wm_class() || '' : '';
            },
        });
        this._test.export(Gio.DBus.session, TEST_PATH);
    }
}
