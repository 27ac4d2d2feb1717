#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Finds a control of a running program over AT-SPI, as a screen reader sees it, by its accessible name.
# Usage: accessible.py PID NAME [press]   (a NAME ending in "*" matches every name that starts with the rest)
# Prints the control's place on the screen ("x y width height") and, on a second line, its description; with
# "press", does its first action (a button's press, which Qt does a moment later, as an animated click). Exits 1
# when the program shows no control of that name.
# Usage: accessible.py PID --focused   prints the name of the control that has the keyboard focus (exit 1: none).
# Usage: accessible.py PID --texts     prints "x y width height<TAB>name" for every control on the screen that shows
# text to read (labels, buttons, rows, tabs, boxes to type in), leaving out disabled ones.
import sys

import pyatspi


def find(node, name, depth=0):
    if node is None or depth > 40:
        return None
    try:
        matches = node.name.startswith(name[:-1]) if name.endswith("*") else node.name == name
        if matches and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
        children = list(node)
    except Exception:  # a control that went away while we looked
        return None
    for child in children:
        found = find(child, name, depth + 1)
        if found is not None:
            return found
    return None


ITEM_ROLES = (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM)


def focused(node, parent_focused=False, depth=0):
    """The deepest control with the focus. A list's current row says it is focused even while the list is not, so
    a row counts only inside a focused list."""
    if node is None or depth > 40:
        return None
    try:
        state = node.getState()
        is_focused = state.contains(pyatspi.STATE_FOCUSED) and state.contains(pyatspi.STATE_SHOWING)
        if is_focused and node.getRole() in ITEM_ROLES and not parent_focused:
            is_focused = False
        children = list(node)
    except Exception:
        return None
    for child in children:
        found = focused(child, is_focused, depth + 1)
        if found is not None:
            return found
    return node if is_focused else None


TEXT_ROLES = ITEM_ROLES + (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX,
                           pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TEXT,
                           pyatspi.ROLE_ENTRY, pyatspi.ROLE_HEADING, pyatspi.ROLE_LINK, pyatspi.ROLE_COMBO_BOX)


def texts(node, depth=0):
    if node is None or depth > 40:
        return
    try:
        state = node.getState()
        if depth > 0 and not state.contains(pyatspi.STATE_SHOWING):
            return
        if node.getRole() in TEXT_ROLES and state.contains(pyatspi.STATE_SENSITIVE):
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if box.width > 0 and box.height > 0:
                print(f"{box.x} {box.y} {box.width} {box.height}\t" + " ".join(node.name.split()))
        children = list(node)
    except Exception:
        return
    for child in children:
        texts(child, depth + 1)


def programs(pid):
    """The program's accessible applications (one per connection to the registry)."""
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                yield app
        except Exception:
            continue


def main():
    pid, name = int(sys.argv[1]), sys.argv[2]
    if name == "--texts":
        for app in programs(pid):
            texts(app)
            return 0
        return 1
    if name == "--focused":
        for app in programs(pid):
            control = focused(app)
            if control is not None:
                print(control.name)
                return 0
        return 1
    press = len(sys.argv) > 3 and sys.argv[3] == "press"
    for app in programs(pid):
        control = find(app, name)
        if control is None:
            continue
        box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(box.x, box.y, box.width, box.height)
        print(control.description or "")
        if press:
            control.queryAction().doAction(0)
        return 0
    return 1


sys.exit(main())
