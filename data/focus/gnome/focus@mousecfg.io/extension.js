// Tells mousecfg which application is in front: on each focus change, when
// enabled, and whenever mousecfg starts (it may start after the shell).
// Every argument goes as text; errors are ignored, as mousecfg may not run.

import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import Shell from 'gi://Shell';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

const SERVICE = 'io.mousecfg.mousecfg';
const PATH = '/io/mousecfg/mousecfg';
const INTERFACE = 'io.mousecfg.mousecfg.Mouse';

function text(value) {
    return value === undefined || value === null ? '' : String(value);
}

export default class FocusExtension extends Extension {
    enable() {
        this._focusHandler = global.display.connect('notify::focus-window', () => this._report());
        this._nameWatch = Gio.bus_watch_name(Gio.BusType.SESSION, SERVICE,
            Gio.BusNameWatcherFlags.NONE, () => this._report(), null);
        this._report();
    }

    disable() {
        if (this._focusHandler) {
            global.display.disconnect(this._focusHandler);
            this._focusHandler = null;
        }
        if (this._nameWatch) {
            Gio.bus_unwatch_name(this._nameWatch);
            this._nameWatch = null;
        }
    }

    _report() {
        const window = global.display.focus_window;
        // No window in front (the overview, an empty workspace): nothing to tell.
        if (!window)
            return;
        const app = Shell.WindowTracker.get_default().get_window_app(window);
        let appId = app ? text(app.get_id()) : '';
        if (!appId)
            appId = text(window.get_gtk_application_id());
        const args = new GLib.Variant('(sssss)', ['gnome', text(window.get_wm_class()),
            text(window.get_wm_class_instance()), appId, text(window.get_pid())]);
        Gio.DBus.session.call(SERVICE, PATH, INTERFACE, 'ReportFocus', args, null,
            Gio.DBusCallFlags.NO_AUTO_START, -1, null, (connection, result) => {
                try {
                    connection.call_finish(result);
                } catch (e) {
                    // mousecfg is not running, or is an older one.
                }
            });
    }
}
