// GNOME 42-44: the older extension format, with focus.js and overlay.js turned into imports
// modules.
const Me = imports.misc.extensionUtils.getCurrentExtension();
const {FocusReporter} = Me.imports.focus;
const {ProfileOverlay} = Me.imports.overlay;

class HalvaneKeyboardExtension {
    enable() {
        this._focus = new FocusReporter();
        this._focus.enable();
        this._overlay = new ProfileOverlay();
        this._overlay.enable();
    }

    disable() {
        this._overlay.disable();
        this._overlay = null;
        this._focus.disable();
        this._focus = null;
    }
}

function init() {
    return new HalvaneKeyboardExtension();
}
