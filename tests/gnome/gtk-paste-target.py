#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A GTK 3 text window on the session's compositor: whatever is typed or pasted into it is written to the file named
on the command line (replaced whole on every change). Its application id is tavrin-gtk-target."""
import os
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

output = sys.argv[1]
GLib.set_prgname("tavrin-gtk-target")
window = Gtk.Window(title="GTK paste target")
window.set_default_size(480, 320)
view = Gtk.TextView()
window.add(view)


def save(buffer):
    text = buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True)
    with open(output + ".part", "w", encoding="utf-8") as part:
        part.write(text)
    os.replace(output + ".part", output)


view.get_buffer().connect("changed", save)
window.connect("destroy", Gtk.main_quit)
window.show_all()
view.grab_focus()
Gtk.main()
