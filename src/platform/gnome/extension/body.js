// SPDX-License-Identifier: GPL-3.0-or-later
// What GNOME Shell keeps to itself, lent to Tavrin over the session bus: the clipboard (watch, read, set), typing
// keys into the focused window, global accelerators and the focused window. Nothing else lives here; the program
// decides everything. The build puts the GNOME era's imports before this and its entry point after it.

const BUS_NAME = 'io.tavrin.TavrinShell';
const OBJECT_PATH = '/io/tavrin/TavrinShell';
const INTERFACE_VERSION = 1;
const ERROR_PREFIX = 'io.tavrin.Tavrin.Shell1.Error.';
// A read larger than this is refused rather than held in the Shell's memory.
const MAX_READ_BYTES = 256 * 1024 * 1024;
// An owner that has not delivered its data by then never will.
const READ_TIMEOUT_MS = 10000;
const WATCHED = Meta.SelectionType.SELECTION_CLIPBOARD;

function selectionTypeNamed(name) {
    if (name === 'clipboard')
        return Meta.SelectionType.SELECTION_CLIPBOARD;
    if (name === 'primary')
        return Meta.SelectionType.SELECTION_PRIMARY;
    return null;
}

function returnError(invocation, name, message) {
    invocation.return_dbus_error(ERROR_PREFIX + name, message);
}

function seatOfStage() {
    // Clutter.get_default_backend() went away in later Shells; the stage's context has the backend there.
    if (Clutter.get_default_backend)
        return Clutter.get_default_backend().get_default_seat();
    return global.stage.context.get_backend().get_default_seat();
}

// The clipboard as the Shell sees it. Each owner change gets a serial; reads name the serial they expect, so data
// of two different copies is never mixed. A change is announced once the Shell's own handlers are done: when an
// owner quits, mutter puts its text back on the clipboard from inside the same notification, and that content is
// announced as restored, not as a new copy.
class ClipboardWatch {
    constructor(onChanged) {
        this._onChanged = onChanged;
        this._selection = global.display.get_selection();
        this._serial = 0;
        this._owners = [];  // owners seen since the last announcement, in the order they came
        this._flushId = 0;
        this._ownSource = null;
        this._writer = '';
        this._writeId = 0;
        this._state = {serial: 0, mimeTypes: [], writer: '', writeId: 0, restored: false};
        this._readsInFlight = new Set();
        this._handlerId = this._selection.connect('owner-changed', (_selection, type, owner) => {
            if (type !== WATCHED)
                return;
            this._serial++;
            this._owners.push(owner);
            for (const cancellable of this._readsInFlight)
                cancellable.cancel();
            if (!this._flushId)
                this._flushId = GLib.idle_add(GLib.PRIORITY_HIGH, () => {
                    this._flushId = 0;
                    this._flush();
                    return GLib.SOURCE_REMOVE;
                });
        });
        this._state.mimeTypes = this._mimeTypes();
    }

    destroy() {
        this._selection.disconnect(this._handlerId);
        if (this._flushId)
            GLib.source_remove(this._flushId);
        for (const cancellable of this._readsInFlight)
            cancellable.cancel();
    }

    get state() {
        return this._state;
    }

    _mimeTypes() {
        return this._selection.get_mimetypes(WATCHED) ?? [];
    }

    _flush() {
        if (this._owners.length === 0)
            return;
        const owners = this._owners;
        this._owners = [];
        const current = owners.filter(owner => owner !== null).pop() ?? null;
        const mimeTypes = this._mimeTypes();
        const ours = current !== null && current === this._ownSource && owners[owners.length - 1] !== null;
        if (!ours)
            this._ownSource = null;
        // An owner quit, yet the clipboard holds something from memory: the Shell put the old content back (its
        // handler runs before or after ours, so the empty moment comes first or last).
        const restored = !ours && owners.includes(null) && mimeTypes.length > 0 &&
            current instanceof Meta.SelectionSourceMemory;
        this._state = {
            serial: this._serial,
            mimeTypes,
            writer: ours ? this._writer : '',
            writeId: ours ? this._writeId : 0,
            restored,
        };
        this._onChanged(this._state);
    }

    set(selectionName, mimeType, bytes, writer, writeId) {
        const type = selectionTypeNamed(selectionName);
        if (type === null)
            throw new Error(`unknown selection "${selectionName}"`);
        const source = Meta.SelectionSourceMemory.new(mimeType, bytes);
        if (type === WATCHED) {
            this._ownSource = source;
            this._writer = writer;
            this._writeId = writeId;
        }
        this._selection.set_owner(type, source);
        // Announced now, so the caller's reply comes after the change it caused.
        if (this._flushId) {
            GLib.source_remove(this._flushId);
            this._flushId = 0;
        }
        this._flush();
        return this._serial;
    }

    read(serial, mimeType, invocation) {
        if (serial !== this._serial) {
            returnError(invocation, 'Changed', 'the clipboard changed since that serial');
            return;
        }
        if (!this._mimeTypes().includes(mimeType)) {
            returnError(invocation, 'NotOffered', `the clipboard does not offer ${mimeType}`);
            return;
        }
        const cancellable = new Gio.Cancellable();
        this._readsInFlight.add(cancellable);
        const timeoutId = GLib.timeout_add(GLib.PRIORITY_DEFAULT, READ_TIMEOUT_MS, () => {
            cancellable.cancel();
            return GLib.SOURCE_REMOVE;
        });
        const output = Gio.MemoryOutputStream.new_resizable();
        this._selection.transfer_async(WATCHED, mimeType, MAX_READ_BYTES + 1, output, cancellable, (selection, result) => {
            GLib.source_remove(timeoutId);
            this._readsInFlight.delete(cancellable);
            try {
                selection.transfer_finish(result);
                output.close(null);
            } catch (e) {
                if (serial !== this._serial)
                    returnError(invocation, 'Changed', 'the clipboard changed during the read');
                else if (cancellable.is_cancelled())
                    returnError(invocation, 'Timeout', `the clipboard's owner sent no ${mimeType} in time`);
                else
                    returnError(invocation, 'Failed', e.message);
                return;
            }
            if (serial !== this._serial) {
                returnError(invocation, 'Changed', 'the clipboard changed during the read');
                return;
            }
            const bytes = output.steal_as_bytes();
            if (bytes.get_size() > MAX_READ_BYTES) {
                returnError(invocation, 'TooLarge', `more than ${MAX_READ_BYTES} bytes`);
                return;
            }
            const data = GLib.Variant.new_from_bytes(new GLib.VariantType('ay'), bytes, true);
            invocation.return_value(GLib.Variant.new_tuple([data]));
        });
    }
}

// Accelerators taken for clients of the bus; a client's are given back when it leaves the bus.
class AcceleratorGrabs {
    constructor(onActivated) {
        this._grabs = new Map();  // action -> client's unique name
        this._watches = new Map();  // client -> bus watch id
        this._handlerId = global.display.connect('accelerator-activated', (_display, action) => {
            if (this._grabs.has(action))
                onActivated(action);
        });
    }

    destroy() {
        global.display.disconnect(this._handlerId);
        for (const action of [...this._grabs.keys()])
            this.ungrab(action);
        for (const id of this._watches.values())
            Gio.bus_unwatch_name(id);
        this._watches.clear();
    }

    grab(accelerator, client) {
        const flags = Meta.KeyBindingFlags.IGNORE_AUTOREPEAT ?? Meta.KeyBindingFlags.NONE;
        const action = global.display.grab_accelerator(accelerator, flags);
        if (action === Meta.KeyBindingAction.NONE)
            return 0;
        Main.wm.allowKeybinding(Meta.external_binding_name_for_action(action),
            Shell.ActionMode.NORMAL | Shell.ActionMode.OVERVIEW | Shell.ActionMode.POPUP);
        this._grabs.set(action, client);
        if (!this._watches.has(client)) {
            this._watches.set(client, Gio.bus_watch_name_on_connection(Gio.DBus.session, client,
                Gio.BusNameWatcherFlags.NONE, null, () => this._clientLeft(client)));
        }
        return action;
    }

    ungrab(action, client = null) {
        if (!this._grabs.has(action) || (client !== null && this._grabs.get(action) !== client))
            return false;
        this._grabs.delete(action);
        Main.wm.allowKeybinding(Meta.external_binding_name_for_action(action), Shell.ActionMode.NONE);
        return global.display.ungrab_accelerator(action);
    }

    _clientLeft(client) {
        for (const [action, owner] of [...this._grabs])
            if (owner === client)
                this.ungrab(action);
        const id = this._watches.get(client);
        this._watches.delete(client);
        if (id)
            Gio.bus_unwatch_name(id);
    }
}

function windowFacts(window) {
    if (!window)
        return [0, '', '', 0];
    const app = Shell.WindowTracker.get_default().get_window_app(window);
    const appId = app && !app.is_window_backed() ? app.get_id() : '';
    return [window.get_id(), window.get_wm_class() ?? '', appId ?? '', Math.max(0, window.get_pid())];
}

class TavrinShellService {
    constructor() {
        this._dbus = null;
        this._nameId = 0;
        this._clipboard = null;
        this._grabs = null;
        this._keyboard = null;
        this._focusId = 0;
    }

    enable() {
        this._clipboard = new ClipboardWatch(state => this._emit('ClipboardChanged', '(tasstb)',
            [state.serial, state.mimeTypes, state.writer, state.writeId, state.restored]));
        this._grabs = new AcceleratorGrabs(action => this._emit('AcceleratorActivated', '(u)', [action]));
        // One keyboard for the whole session: the first keys of a new virtual device are easily lost.
        this._keyboard = seatOfStage().create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        this._focusId = global.display.connect('notify::focus-window',
            () => this._emit('FocusChanged', '(tssu)', windowFacts(global.display.focus_window)));
        this._dbus = Gio.DBusExportedObject.wrapJSObject(SHELL_INTERFACE_XML, this);
        this._dbus.export(Gio.DBus.session, OBJECT_PATH);
        this._nameId = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME, Gio.BusNameOwnerFlags.NONE,
            null, () => console.warn(`tavrin: could not own ${BUS_NAME}`));
    }

    disable() {
        if (this._nameId)
            Gio.bus_unown_name(this._nameId);
        this._nameId = 0;
        this._dbus?.unexport();
        this._dbus = null;
        if (this._focusId)
            global.display.disconnect(this._focusId);
        this._focusId = 0;
        this._grabs?.destroy();
        this._grabs = null;
        this._clipboard?.destroy();
        this._clipboard = null;
        this._keyboard?.run_dispose();
        this._keyboard = null;
    }

    _emit(name, signature, values) {
        this._dbus?.emit_signal(name, new GLib.Variant(signature, values));
    }

    get Version() {
        return INTERFACE_VERSION;
    }

    get ShellVersion() {
        return Config.PACKAGE_VERSION;
    }

    GetClipboard() {
        const state = this._clipboard.state;
        return [state.serial, state.mimeTypes, state.writer, state.writeId, state.restored];
    }

    ReadClipboardAsync([serial, mimeType], invocation) {
        this._clipboard.read(serial, mimeType, invocation);
    }

    SetClipboardAsync([selection, mimeType, data, writeId], invocation) {
        try {
            const serial = this._clipboard.set(selection, mimeType, new GLib.Bytes(data), invocation.get_sender(),
                writeId);
            invocation.return_value(new GLib.Variant('(t)', [serial]));
        } catch (e) {
            returnError(invocation, 'InvalidArgument', e.message);
        }
    }

    TypeKeys(keyvals) {
        // Pressed in order and released in reverse, as fingers do; each event a microsecond after the last.
        let time = GLib.get_monotonic_time();
        for (const keyval of keyvals)
            this._keyboard.notify_keyval(time++, keyval, Clutter.KeyState.PRESSED);
        for (const keyval of [...keyvals].reverse())
            this._keyboard.notify_keyval(time++, keyval, Clutter.KeyState.RELEASED);
    }

    GrabAcceleratorAsync([accelerator], invocation) {
        invocation.return_value(new GLib.Variant('(u)', [this._grabs.grab(accelerator, invocation.get_sender())]));
    }

    UngrabAcceleratorAsync([action], invocation) {
        invocation.return_value(new GLib.Variant('(b)', [this._grabs.ungrab(action, invocation.get_sender())]));
    }

    GetFocusedWindow() {
        return windowFacts(global.display.focus_window);
    }

    ActivateWindow(id) {
        const window = global.display.list_all_windows().find(w => w.get_id() === id);
        if (!window)
            return false;
        Main.activateWindow(window);
        return true;
    }
}
