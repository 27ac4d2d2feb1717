// SPDX-License-Identifier: GPL-3.0-or-later
// Test sessions only. A headless Shell starts in the Overview, where no window has the focus; a user would leave it
// first. Unsafe mode lets the test ask the Shell about its windows (org.gnome.Shell.Eval). Once the Shell has
// started and left the Overview, this owns io.tavrin.TavrinTestSession: the session is ready for the test.
const {Gio} = imports.gi;
const Main = imports.ui.main;

class TestSession {
    enable() {
        global.context.unsafe_mode = true;
        if (Main.layoutManager._startingUp)
            this._startupId = Main.layoutManager.connect('startup-complete', () => this._ready());
        else
            this._ready();
    }

    disable() {
        if (this._startupId)
            Main.layoutManager.disconnect(this._startupId);
        this._startupId = 0;
        if (this._nameId)
            Gio.bus_unown_name(this._nameId);
        this._nameId = 0;
    }

    _ready() {
        Main.overview.hide();
        this._nameId = Gio.bus_own_name_on_connection(Gio.DBus.session, 'io.tavrin.TavrinTestSession',
            Gio.BusNameOwnerFlags.NONE, null, null);
    }
}

function init() {
    return new TestSession();
}
