// GNOME 42-44: the older extension format, with focus.js turned into an imports module.
const Me = imports.misc.extensionUtils.getCurrentExtension();
const {FocusReporter} = Me.imports.focus;

class HalvaneKeyboardExtension {
    enable() {
        this._focus = new FocusReporter();
        this._focus.enable();
    }

    disable() {
        this._focus.disable();
        this._focus = null;
    }
}

function init() {
    return new HalvaneKeyboardExtension();
}
