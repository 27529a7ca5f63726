// The profile overlay, drawn by the Shell for the Halvane helper: an actor above every window,
// fullscreen ones included, that shows the profile name the helper sends with SetOverlay at
// the alpha it sends. The helper runs the fade; the Shell places the actor (it knows the work
// area) and lets the user drag it (it has the pointer).
// Written as an ES module for GNOME 45 and later and turned into the older format for 42-44
// like focus.js, so the same rules hold for its import and export lines.
import Clutter from 'gi://Clutter';
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import St from 'gi://St';

import * as Main from 'resource:///org/gnome/shell/ui/main.js';

const BUS_NAME = 'com.halvane.keyboard.Overlay';
const PATH = '/com/halvane/keyboard/Overlay';
const INTERFACE = `<node>
  <interface name="com.halvane.keyboard.Overlay">
    <method name="SetOverlay">
      <arg name="name" type="s" direction="in"/>
      <arg name="alpha" type="d" direction="in"/>
    </method>
  </interface>
</node>`;

// Only for the project's tests (HALVANE_SHELL_TEST=1 in the Shell's environment): what the
// actor shows, where, and whether a click at its place would reach it (and what it reaches).
const TEST_PATH = '/com/halvane/keyboard/OverlayTest';
const TEST_INTERFACE = `<node>
  <interface name="com.halvane.keyboard.OverlayTest">
    <method name="State">
      <arg name="text" type="s" direction="out"/>
      <arg name="opacity" type="d" direction="out"/>
      <arg name="reactive" type="b" direction="out"/>
      <arg name="mapped" type="b" direction="out"/>
      <arg name="hit" type="b" direction="out"/>
      <arg name="geometry" type="(iiii)" direction="out"/>
      <arg name="workArea" type="(iiii)" direction="out"/>
      <arg name="reached" type="s" direction="out"/>
    </method>
  </interface>
</node>`;

// The helper's overlay window: its size, and its text's place (right margin, baseline above
// the bottom edge).
const WIDTH = 400;
const HEIGHT = 60;
const BOTTOM_GAP = 50;
const STYLE = 'background-color: rgba(0, 0, 0, 0.55); border-radius: 6px;' +
    'box-shadow: 0 2px 8px 2px rgba(0, 0, 0, 0.5);';
// The name in green lightened 30 % toward white, 24 px (the helper's 24-point type), with a
// soft shadow.
const TEXT_STYLE = 'color: rgb(77, 255, 77); font-size: 24px; padding-right: 10px;' +
    'padding-bottom: 8px; text-shadow: 1px 2px 2px rgba(0, 0, 0, 0.5);';

// Where the overlay goes in a work area: its right edge at the area's right edge, its bottom
// BOTTOM_GAP above the area's bottom.
export function placeInWorkArea(area) {
    return [area.x + area.width - WIDTH, area.y + area.height - BOTTOM_GAP - HEIGHT];
}

// A dragged position, kept from rising above the top of the screen; no other edge limits it.
export function limitDrag(x, y, screen) {
    return [x, Math.max(y, screen.y)];
}

export class ProfileOverlay {
    enable() {
        this._text = '';
        this._alpha = 0;
        this._dragged = false;
        this._box = new St.Widget({
            style: STYLE,
            width: WIDTH,
            height: HEIGHT,
            clip_to_allocation: true,
            reactive: false,
            visible: false,
            opacity: 0,
            layout_manager: new Clutter.BinLayout(),
        });
        this._label = new St.Label({
            style: TEXT_STYLE,
            x_expand: true,
            y_expand: true,
            x_align: Clutter.ActorAlign.END,
            y_align: Clutter.ActorAlign.END,
        });
        // A name too long for the box runs off its left edge, never into an ellipsis.
        this._label.clutter_text.ellipsize = 0;
        this._box.add_child(this._label);
        // Top chrome, which by default does not track fullscreen windows: shown over them too.
        // Where the Shell keeps an input region (42 to 48 at least) it follows the actor's
        // visibility, and GNOME 51 has none and picks only shown actors, so a hidden overlay lets
        // every click through either way. No parameters: GNOME 51 refuses affectsInputRegion,
        // which the earlier ones default to true.
        Main.layoutManager.addTopChrome(this._box);
        this._box.connect('button-press-event', (actor, event) => this._dragStart(event));
        this._box.connect('motion-event', (actor, event) => this._dragMove(event));
        this._box.connect('button-release-event', () => this._dragEnd());
        this._workAreasId = global.display.connect('workareas-changed', () => {
            if (!this._dragged)
                this._place();
        });
        this._place();

        this._object = Gio.DBusExportedObject.wrapJSObject(INTERFACE, this);
        this._object.export(Gio.DBus.session, PATH);
        this._nameId = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
            Gio.BusNameOwnerFlags.NONE, null, null);
        if (GLib.getenv('HALVANE_SHELL_TEST') === '1')
            this._exportTest();
    }

    disable() {
        Gio.bus_unown_name(this._nameId);
        this._object.unexport();
        this._object = null;
        if (this._test) {
            this._test.unexport();
            this._test = null;
        }
        this._dragEnd();
        global.display.disconnect(this._workAreasId);
        this._box.destroy();
        this._box = null;
    }

    // D-Bus: the name to show (empty: none) and the overlay's alpha, 0 to 1.
    SetOverlay(name, alpha) {
        this._text = name;
        this._alpha = Math.min(Math.max(Number.isFinite(alpha) ? alpha : 0, 0), 1);
        this._label.text = name;
        this._box.opacity = Math.round(this._alpha * 255);
        const shown = this._alpha > 0;
        this._box.visible = shown;
        this._box.reactive = shown;
        if (!shown)
            this._dragEnd();
    }

    _place() {
        const area = Main.layoutManager.getWorkAreaForMonitor(Main.layoutManager.primaryIndex);
        const [x, y] = placeInWorkArea(area);
        this._box.set_position(x, y);
    }

    _dragStart(event) {
        if (event.get_button() !== Clutter.BUTTON_PRIMARY)
            return Clutter.EVENT_PROPAGATE;
        const [x, y] = event.get_coords();
        this._offset = [x - this._box.x, y - this._box.y];
        this._grab = global.stage.grab(this._box);
        return Clutter.EVENT_STOP;
    }

    _dragMove(event) {
        if (!this._grab)
            return Clutter.EVENT_PROPAGATE;
        const [x, y] = event.get_coords();
        const screen = Main.layoutManager.primaryMonitor;
        const [nx, ny] = limitDrag(x - this._offset[0], y - this._offset[1], screen);
        this._box.set_position(nx, ny);
        this._dragged = true;
        return Clutter.EVENT_STOP;
    }

    _dragEnd() {
        if (!this._grab)
            return Clutter.EVENT_PROPAGATE;
        this._grab.dismiss();
        this._grab = null;
        return Clutter.EVENT_STOP;
    }

    _exportTest() {
        const overlay = this;
        this._test = Gio.DBusExportedObject.wrapJSObject(TEST_INTERFACE, {
            State() {
                const box = overlay._box;
                const area = Main.layoutManager.getWorkAreaForMonitor(Main.layoutManager.primaryIndex);
                // What a click at the overlay's centre would reach, with nothing grabbing the
                // pointer: the overlay itself, or (hidden) whatever lies below.
                const grab = global.stage.get_grab_actor();
                const picked = global.stage.get_actor_at_pos(
                    Clutter.PickMode.REACTIVE, box.x + box.width / 2, box.y + box.height / 2);
                const hit = !grab && picked === box;
                const name = actor => actor
                    ? `${actor.constructor.name} ${actor.name ?? ''} ${actor.style_class ?? ''}`.trim() : 'nothing';
                return [overlay._label.text, box.opacity / 255, box.reactive, box.mapped, hit,
                    [Math.round(box.x), Math.round(box.y), Math.round(box.width), Math.round(box.height)],
                    [area.x, area.y, area.width, area.height],
                    grab ? `the grab of ${name(grab)}` : name(picked)];
            },
        });
        this._test.export(Gio.DBus.session, TEST_PATH);
    }
}
