// SPDX-License-Identifier: GPL-3.0-or-later

// The Shell calls init() once, then enable() and disable() as the extension is switched on and off.
function init() {
    return new TavrinShellService();
}
