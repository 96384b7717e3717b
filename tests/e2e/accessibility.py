#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Kestrel 98 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the running bar over AT-SPI as a screen reader would, and drives it
# with its press actions and with keys (xdotool). Argument: the file a script
# item appends to when it runs. Exits non-zero with the reason on a fault.

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

RAN_FILE = sys.argv[1]
events = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def record(event):
    try:
        name, role = event.source.name, event.source.getRoleName()
    except Exception:
        name, role = None, None
    events.append((event.type, name, event.detail1, role))


def wait_for(what, condition, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump(0.1)
        found = condition()
        if found:
            return found
    fail("no " + what + " (windows: %s)" % [(w.getRoleName(), w.name) for w in windows()])


def key(*names):
    subprocess.run(["xdotool", "key", *names], check=True)


def app():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.description.endswith("/kestrel2"):
            return candidate
    return None


def windows(role=None, name=None):
    found = []
    for window in app() or []:
        if window is None:
            continue
        if role is not None and window.getRoleName() != role:
            continue
        if name is not None and window.name != name:
            continue
        found.append(window)
    return found


def states(acc):
    return acc.getState()


def showing(acc):
    return states(acc).contains(pyatspi.STATE_SHOWING)


def actions(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%s %r has no Press action: %s" % (acc.getRoleName(), acc.name, names))
    action.doAction(names.index("Press"))


def descendants(acc):
    for child in acc:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def row_of(window):
    return [(c.getRoleName(), c.name) for c in window]


def focused_since(start, name):
    return any(
        kind.startswith("object:state-changed:focused") and detail == 1 and n == name
        for kind, n, detail, _ in events[start:]
    )


def runs():
    try:
        with open(RAN_FILE) as ran:
            return len(ran.readlines())
    except FileNotFoundError:
        return 0


# 1. The application's name.
application = wait_for("application on the accessibility bus", app)
if application.name != "Kestrel 98":
    fail("the application is called %r" % application.name)
print("application: Kestrel 98")

pyatspi.Registry.registerEventListener(
    record, "object:state-changed:focused", "focus:", "object:property-change:accessible-name"
)

# 2. The bar: a named window whose buttons stand in screen order, named by
# their tips, described by what a press does, with a press action; the
# separator is a separator and takes no focus; the title can be pressed.
bar = wait_for("bar window", lambda: (windows(name="Kestrel 98") or [None])[0])
if bar.getRoleName() not in ("frame", "window", "tool bar"):
    fail("the bar is a %s" % bar.getRoleName())
expected = [
    ("push button", "Run the script"),
    ("separator", ""),
    ("push button", "Tools"),
    ("push button", "Toggle Edit Mode"),
    ("push button", "Property"),
    ("push button", "Help"),
    ("push button", "Kestrel 98"),
]
if row_of(bar) != expected:
    fail("the bar lists %s" % row_of(bar))
script, separator, group, mode, settings, _help, title = list(bar)
for button, description in [
    (script, "Opens Run the script"),
    (group, "Opens the group Tools"),
    (mode, "Switches to Edit Mode"),
    (settings, "Opens the settings"),
    (title, "Opens the main menu"),
]:
    if button.description != description:
        fail("%r is described as %r" % (button.name, button.description))
    if "Press" not in actions(button):
        fail("%r cannot be pressed" % button.name)
if states(separator).contains(pyatspi.STATE_FOCUSABLE) or actions(separator):
    fail("the separator takes the focus or has actions")
print("bar: window with its buttons in screen order, named and described")

press(script)
wait_for("run of the script item through its press action", lambda: runs() == 1)
print("Press on the script item ran it")

# 3. Keyboard navigation announces the selected item as focused, in the bar
# and in the group window, and its tip is a tool tip.
subprocess.run(["xdotool", "mousemove", "600", "600"], check=True)
start = len(events)
for _ in range(5):
    key("ctrl+alt+a")
    pump(1)
    key("Right")
    pump(1)
    if focused_since(start, "Run the script"):
        break
wait_for("focus event naming the first item", lambda: focused_since(start, "Run the script"))
if not states(script).contains(pyatspi.STATE_FOCUSED):
    fail("the selected item is not focused")
tip = wait_for("tool tip", lambda: (windows(role="tool tip") or [None])[0])
if tip.name != "Run the script":
    fail("the tip says %r" % tip.name)
start = len(events)
key("Right")
wait_for("focus event naming the group", lambda: focused_since(start, "Tools"))
print("arrows: focus events for the selected items; the tip is a tool tip")

# Enter opens the group; its window is named by the group, and the arrows
# walk its own items.
key("Return")
group_window = wait_for("group window named Tools", lambda: (windows(role=bar.getRoleName(), name="Tools") or [None])[0])
if row_of(group_window) != [("push button", "Inside the group")]:
    fail("the group window lists %s" % row_of(group_window))
start = len(events)
key("Right")
wait_for("focus event naming the group's item", lambda: focused_since(start, "Inside the group"))
press(group_window[0])
wait_for("run of the group's item through its press action", lambda: runs() == 2)
print("group window: named by its group, its item selected and pressed")

# A change of a button's name is announced.
bar = windows(name="Kestrel 98")[0]
mode = [c for c in bar if c.name == "Toggle Edit Mode"][0]
start = len(events)
press(mode)
wait_for(
    "name-changed event for the mode button",
    lambda: any(k.startswith("object:property-change:accessible-name") and n == "Toggle Exec Mode"
                for k, n, _, _ in events[start:]),
)
press(mode)
wait_for("the mode button back in Exec Mode", lambda: mode.name == "Toggle Edit Mode")
print("name change of the mode button announced")

# The title opens the main menu, whose entries are named.
bar = windows(name="Kestrel 98")[0]
start = len(events)
press(list(bar)[-1])
pump(1)
key("Down")
wait_for(
    "focus on a named entry of the main menu",
    lambda: any(k.startswith("object:state-changed:focused") and d == 1 and r == "menu item" and n
                for k, n, d, r in events[start:]),
)
key("Escape")
pump(0.5)
print("title pressed: the main menu, its entries named")

# 4 and 5. The settings dialog: a dialog named by its caption, labels as
# text, every focusable control named, the tabs a page tab list of named
# page tabs that can be chosen, and only the current page showing and
# reached by Tab.
bar = windows(name="Kestrel 98")[0]
press([c for c in bar if c.name == "Property"][0])
dialog = wait_for("settings dialog", lambda: (windows(role="dialog", name="Kestrel 98 Property") or [None])[0])
inside = list(descendants(dialog))
if not any(d.getRoleName() == "label" and d.name == "Choose when Kestrel 98 will be shown." for d in inside):
    fail("the settings dialog shows no label")
for control in inside:
    if states(control).contains(pyatspi.STATE_FOCUSABLE) and not control.name:
        fail("an unnamed focusable %s in the settings dialog" % control.getRoleName())
tab_lists = [d for d in inside if d.getRoleName() == "page tab list"]
if len(tab_lists) != 1:
    fail("no page tab list in the settings dialog")
tabs = list(tab_lists[0])
names = [t.name for t in tabs]
if names[:3] != ["Behavior", "Speed", "Tooltip"] or len(names) != 10:
    fail("the page tabs are %s" % names)
if not states(tabs[0]).contains(pyatspi.STATE_SELECTED):
    fail("the first page tab is not selected")

page_controls = {
    0: {"Show when clicking on it", "Show when cursor is on top of it"},
    1: {"No animation", "Very fast", "Fairly fast", "Slow"},
}
everywhere = {"OK", "Cancel", "Pages", "Speed"}


def showing_options():
    return {d.name for d in descendants(dialog) if d.getRoleName() == "radio button" and showing(d)}


if showing_options() != page_controls[0]:
    fail("with the first page current, these options show: %s" % sorted(showing_options()))
press(tabs[1])
wait_for("the Speed page to be current", lambda: states(tabs[1]).contains(pyatspi.STATE_SELECTED))
if showing_options() != page_controls[1]:
    fail("with the Speed page current, these options show: %s" % sorted(showing_options()))
print("settings: dialog, labels, named controls, page tabs; only the current page shows")

start = len(events)
for _ in range(8):
    key("Tab")
    pump(0.2)
for _ in range(8):
    key("shift+Tab")
    pump(0.2)
pump(0.5)
reached = {n for k, n, d, _ in events[start:] if k.startswith("object:state-changed:focused") and d == 1}
stray = reached - page_controls[1] - everywhere
if stray:
    fail("Tab reached controls of covered pages: %s" % sorted(stray))
if not reached & page_controls[1] or "OK" not in reached:
    fail("Tab did not go round the current page and the buttons: %s" % sorted(reached))
print("Tab and Shift+Tab walk the visible page only: %s" % sorted(reached))
key("Escape")
wait_for("the settings dialog to close", lambda: not windows(role="dialog", name="Kestrel 98 Property"))
print("all checked")
