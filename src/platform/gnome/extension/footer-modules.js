// SPDX-License-Identifier: GPL-3.0-or-later

export default class TavrinShellExtension extends Extension {
    enable() {
        this._service = new TavrinShellService();
        this._service.enable();
    }

    disable() {
        this._service?.disable();
        this._service = null;
    }
}
