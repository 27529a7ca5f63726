#!/usr/bin/python3
"""A stand-in for a screen reader: an AT-SPI client that follows one application.

  screen_reader.py APPLICATION

It listens as Orca does (focus changes, alerts shown, names changed) and answers one command per
line on standard input with one JSON line on standard output:

  ready          {"ready": true} once the application is on the accessibility bus
  walk           every object under the application: role, name, description, states, actions
  focus          the object that has the keyboard focus now (or null)
  announcements  what alerts said since the last time this was asked (and forgets it)
  quit           ends the client

The test that starts it presses the keys (xdotool) and judges the answers.
"""

import json
import sys

import pyatspi
from gi.repository import GLib

APPLICATION = sys.argv[1]
STATES = {
    "focusable": pyatspi.STATE_FOCUSABLE,
    "focused": pyatspi.STATE_FOCUSED,
    "showing": pyatspi.STATE_SHOWING,
    "checked": pyatspi.STATE_CHECKED,
    "enabled": pyatspi.STATE_ENABLED,
}

focused = None
announcements = []


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APPLICATION:
            return app
    return None


def describe(obj, path=""):
    states = obj.getState()
    entry = {
        "path": path,
        "role": obj.getRoleName(),
        "name": obj.name,
        "description": obj.description,
    }
    entry.update({word: states.contains(state) for word, state in STATES.items()})
    try:
        action = obj.queryAction()
        entry["actions"] = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        entry["actions"] = []
    return entry


def walk(obj, path, out):
    try:
        out.append(describe(obj, path))
        children = [obj.getChildAtIndex(i) for i in range(obj.childCount)]
    except Exception as error:  # an object that went away while walking
        out.append({"path": path, "error": str(error)})
        return
    for index, child in enumerate(children):
        if child is not None:
            walk(child, f"{path}/{index}" if path else str(index), out)


def belongs_to_application(obj):
    try:
        return obj.getApplication().name == APPLICATION
    except Exception:
        return False


def on_event(event):
    global focused
    if not belongs_to_application(event.source):
        return
    kind = event.type
    try:
        role = event.source.getRole()
    except Exception:
        return
    if kind.startswith("object:state-changed:focused") and event.detail1:
        focused = event.source
    elif role == pyatspi.ROLE_ALERT and (
        (kind.startswith("object:state-changed:showing") and event.detail1)
        or kind.startswith("object:property-change:accessible-name")
    ):
        name = event.source.name
        if name and (not announcements or announcements[-1] != name):
            announcements.append(name)


def answer(command):
    global announcements, focused
    if command == "ready":
        return {"ready": application() is not None}
    if command == "walk":
        app = application()
        out = []
        if app is not None:
            walk(app, "", out)
        return out
    if command == "focus":
        if focused is None:  # focused before this client listened: look for it
            app = application()
            found = app and pyatspi.findAllDescendants(
                app, lambda obj: obj.getState().contains(pyatspi.STATE_FOCUSED)
            )
            if not found:
                return None
            focused = found[-1]  # a widget's focus proxy lies below it
        try:
            return describe(focused)
        except Exception:
            return None
    if command == "announcements":
        said, announcements = announcements, []
        return said
    return {"error": f"unknown command {command!r}"}


def on_input(source, condition):
    line = sys.stdin.readline()
    if not line or line.strip() == "quit":
        pyatspi.Registry.stop()
        return False
    print(json.dumps(answer(line.strip())), flush=True)
    return True


# As Orca does: Qt sends only what some client listens for, and a client's cache of names
# stays true only through the property and value changes.
pyatspi.Registry.registerEventListener(
    on_event,
    "object:state-changed:focused",
    "object:state-changed:showing",
    "object:property-change",
    "object:value-changed",
)
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_input)
pyatspi.Registry.start()
