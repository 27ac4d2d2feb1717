#!/usr/bin/python3
# Finds a control of a running program over AT-SPI, as a screen reader sees it, by its accessible name.
# Usage: accessible.py PID NAME [press]   (a NAME ending in "*" matches every name that starts with the rest)
# Prints the control's place on the screen ("x y width height") and, on a second line, its description; with
# "press", does its first action (a button's press, which Qt does a moment later, as an animated click). Exits 1
# when the program shows no control of that name.
# Usage: accessible.py PID --focused   prints the name of the control that has the keyboard focus (exit 1: none).
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


def main():
    pid, name = int(sys.argv[1]), sys.argv[2]
    if name == "--focused":
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is None or app.get_process_id() != pid:
                    continue
            except Exception:
                continue
            control = focused(app)
            if control is not None:
                print(control.name)
                return 0
        return 1
    press = len(sys.argv) > 3 and sys.argv[3] == "press"
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
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
