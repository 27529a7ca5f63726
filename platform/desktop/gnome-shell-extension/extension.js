// GNOME 45 and later.
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

import {FocusReporter} from './focus.js';
import {ProfileOverlay} from './overlay.js';

export default class HalvaneKeyboardExtension extends Extension {
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
