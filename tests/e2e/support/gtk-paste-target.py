#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A GTK window that receives pastes, as most desktop programs do: a text view whose text is mirrored into a file.
# Usage: gtk-paste-target.py OUTPUT
import os
import sys

import gi

gi.require_version('Gtk', '3.0')
from gi.repository import GLib, Gtk  # noqa: E402

output = sys.argv[1]
GLib.set_prgname('tavrin-gtk-paste-target')
window = Gtk.Window(title='GTK paste target')
view = Gtk.TextView()
text = view.get_buffer()


def mirror(buffer):
    with open(output + '.part', 'w', encoding='utf-8') as file:
        file.write(buffer.get_text(buffer.get_start_iter(), buffer.get_end_iter(), True))
    os.replace(output + '.part', output)


text.connect('changed', mirror)
window.add(view)
window.set_default_size(400, 200)
window.connect('destroy', Gtk.main_quit)
window.show_all()
view.grab_focus()
Gtk.main()
