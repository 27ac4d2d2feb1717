// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME Shell 43 and 44: extensions are scripts that take what they use from `imports`.
const {Clutter, GLib, Gio, Meta, Shell} = imports.gi;
const Main = imports.ui.main;
const Config = imports.misc.config;
