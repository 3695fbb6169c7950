#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks the accessibility tree of the running Ruvo window, as a screen reader sees it through
# AT-SPI, and prints what it finds: objects, unnamed objects, board squares, focusable buttons
# and the moves log's rows. Run by scripts/accessibility-check.sh, which starts the program.
import sys

import pyatspi


def walk(node, depth=0, out=None):
    if out is None:
        out = []
    try:
        role = node.getRoleName()
        name = node.name or ""
        states = node.getState()
        count = node.childCount
    except Exception:
        return out
    out.append((depth, role, name, states, node))
    for i in range(min(count, 5000)):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            walk(child, depth + 1, out)
    return out


def main():
    verbose = "-v" in sys.argv
    desktop = pyatspi.Registry.getDesktop(0)
    app = None
    for i in range(desktop.childCount):
        candidate = desktop.getChildAtIndex(i)
        if candidate is not None and candidate.name.lower() == "ruvo":
            app = candidate
    if app is None:
        print("no ruvo application on the accessibility bus")
        return 2
    objects = walk(app)[1:]  # the application object itself is not a control
    visible = [o for o in objects if o[3].contains(pyatspi.STATE_SHOWING) or o[1] in ("frame",)]
    unnamed = [o for o in visible if not o[2].strip()]
    squares = [o for o in visible if "square" in o[2].lower()]
    buttons = [o for o in visible if o[1] == "push button" and o[3].contains(pyatspi.STATE_FOCUSABLE)]
    menu = [o for o in buttons if o[2].startswith("MENU")]
    options = [o for o in buttons if o[2].startswith("Options")]
    lists = [o for o in visible if o[1] == "list"]
    rows = []
    for l in lists:
        for i in range(l[4].childCount):
            child = l[4].getChildAtIndex(i)
            if child is not None and child.getRoleName() == "list item":
                rows.append(child.name)
    tables = [o for o in visible if o[1] == "table"]
    print("objects: %d, shown: %d" % (len(objects), len(visible)))
    print("unnamed: %d, shown: %d" % (len([o for o in objects if not o[2].strip()]), len(unnamed)))
    print("named with 'square': %d" % len(squares))
    print("focusable buttons: MENU %d, Options %d (all: %d)" % (len(menu), len(options), len(buttons)))
    print("log rows readable: %d%s" % (len(rows), (" (last: %r)" % rows[-1]) if rows else ""))
    print("tables: %d" % len(tables))
    for t in tables:
        ti = t[4].queryTable()
        cells = []
        for r in range(ti.nRows):
            cells.append([ti.getAccessibleAt(r, c).name for c in range(ti.nColumns)])
        print("  %s: %d x %d, row 1: %s" % (t[2], ti.nRows, ti.nColumns, cells[0] if cells else []))
    for depth, role, name, states, node in (objects if verbose else [o for o in objects if not o[2].strip()]):
        print("  %s%s %r" % ("  " * depth, role, name))
    if verbose:
        for o in squares[:6]:
            print("  e.g. %r" % o[2])
    return 0


sys.exit(main())
