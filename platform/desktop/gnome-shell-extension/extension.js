// GNOME 45 and later.
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

import {FocusReporter} from './focus.js';

export default class HalvaneKeyboardExtension extends Extension {
    enable() {
        this._focus = new FocusReporter();
        this._focus.enable();
    }

    disable() {
        this._focus.disable();
        this._focus = null;
    }
}
