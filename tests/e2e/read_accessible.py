#!/usr/bin/python3
"""Reads the game's window through AT-SPI, as a screen reader would, and
prints what it found, one fact a line, for the test to check:

  cell<TAB>name<TAB>description<TAB>focused (1 or 0)
  table<TAB>rows<TAB>columns
  value<TAB>name<TAB>current value or description<TAB>actions, comma-separated
  list<TAB>name<TAB>number of lines<TAB>first line
  focused<TAB>role<TAB>name          for every object that says it has the focus

Ends with status 2 when the game's window is not on the bus yet.

With "listen SECONDS" it instead hears the events a screen reader follows
for that long, after a line "ready":

  event<TAB>type<TAB>source's name<TAB>detail<TAB>source's role

With "menus" it reads the menu bar, in menu order (the command empty on a
menu's own line): menu<TAB>menu's title<TAB>command

With "rows WINDOW" it reads the tables of the game's window titled WINDOW
row by row, and the description of its chart:

  row<TAB>first cell<TAB>second cell...
  chart<TAB>description"""

import sys

from gi.repository import GLib
import pyatspi

HEARD = ("object:state-changed:focused", "object:property-change:accessible-value",
         "object:property-change:accessible-description", "object:state-changed:showing")


def find(accessible, role, depth=0):
    if accessible is None or depth > 12:
        return []
    found = [accessible] if accessible.getRole() == role else []
    for i in range(accessible.childCount):
        found += find(accessible.getChildAtIndex(i), role, depth + 1)
    return found


def game_window(title="Gorbix!"):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is None:
            continue
        for j in range(app.childCount):
            window = app.getChildAtIndex(j)
            if window is not None and window.name == title:
                return window
    return None


def rows(title):
    window = game_window(title)
    if window is None:
        return 2
    for table in find(window, pyatspi.ROLE_TABLE):
        grid = table.queryTable()
        for r in range(grid.nRows):
            cells = [grid.getAccessibleAt(r, c).name for c in range(grid.nColumns)]
            print("row\t" + "\t".join(cells))
    for widget in named(window, "Chart"):
        print("chart\t" + widget.description)
    return 0


def menus():
    window = game_window()
    if window is None:
        return 2
    bars = find(window, pyatspi.ROLE_MENU_BAR) or [None]

    def walk(item, title, depth):
        for i in range(item.childCount if depth < 6 else 0):
            child = item.getChildAtIndex(i)
            if child is None:
                continue
            # A menu item holds its menu, which holds the commands.
            if child.name and child.getRole() != pyatspi.ROLE_MENU:
                print("menu\t%s\t%s" % (title, child.name))
            walk(child, child.name or title, depth + 1)

    for i in range(bars[0].childCount if bars[0] else 0):
        menu = bars[0].getChildAtIndex(i)
        print("menu\t%s\t" % menu.name)
        walk(menu, menu.name, 1)
    return 0


def named(accessible, name, depth=0):
    if accessible is None or depth > 12:
        return []
    found = [accessible] if accessible.name == name else []
    for i in range(accessible.childCount):
        found += named(accessible.getChildAtIndex(i), name, depth + 1)
    return found


def on_event(event):
    name = event.source.name if event.source is not None else ""
    role = event.source.getRoleName() if event.source is not None else ""
    print("event\t%s\t%s\t%d\t%s" % (event.type, name, event.detail1, role), flush=True)


def all_focused(accessible, depth=0):
    if accessible is None or depth > 12:
        return []
    found = [accessible] if accessible.getState().contains(pyatspi.STATE_FOCUSED) else []
    for i in range(accessible.childCount):
        found += all_focused(accessible.getChildAtIndex(i), depth + 1)
    return found


def actions(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return ""
    return ",".join(action.getName(i) for i in range(action.nActions))


def listen(seconds):
    pyatspi.Registry.registerEventListener(on_event, *HEARD)

    # The program learns of the listener through the registry: a moment
    # for that before the test acts.
    def ready():
        print("ready", flush=True)
        return False

    GLib.timeout_add(1000, ready)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()
    return 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "listen":
        return listen(float(sys.argv[2]))
    if len(sys.argv) == 2 and sys.argv[1] == "menus":
        return menus()
    if len(sys.argv) == 3 and sys.argv[1] == "rows":
        return rows(sys.argv[2])
    window = game_window()
    if window is None:
        return 2
    tables = find(window, pyatspi.ROLE_TABLE)
    for table in tables:
        grid = table.queryTable()
        print("table\t%d\t%d" % (grid.nRows, grid.nColumns))
        for i in range(table.childCount):
            cell = table.getChildAtIndex(i)
            focused = cell.getState().contains(pyatspi.STATE_FOCUSED)
            print("cell\t%s\t%s\t%d" % (cell.name, cell.description, 1 if focused else 0))
    for label in find(window, pyatspi.ROLE_STATIC) + find(window, pyatspi.ROLE_LABEL):
        try:
            value = "%g" % label.queryValue().currentValue
        except NotImplementedError:
            value = label.description
        print("value\t%s\t%s\t%s" % (label.name, value, actions(label)))
    for listing in find(window, pyatspi.ROLE_LIST):
        first = listing.getChildAtIndex(0).name if listing.childCount else ""
        print("list\t%s\t%d\t%s" % (listing.name, listing.childCount, first))
    for accessible in all_focused(window):
        print("focused\t%s\t%s" % (accessible.getRoleName(), accessible.name))
    return 0


if __name__ == "__main__":
    sys.exit(main())
