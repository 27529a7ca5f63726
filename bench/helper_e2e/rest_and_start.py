#!/usr/bin/env python3
"""The helper as a user's machine sees it, measured from outside, per session type.

  rest_and_start.py --build DIR [--rest-seconds S] [--starts N] [--sessions a,b] [--helper PATH]

For each session (headless; X11: Xvfb with openbox; Wayland: headless sway) it starts a private
session bus, the floor program (a bare Qt program of the helper's application class that owns a
bus name, built from bench/helper_e2e/floor) and the helper with a virtual keyboard attached,
lets both settle, and then measures at rest, side by side in the same run:
  - wake-ups: voluntary context switches of every thread (/proc/<pid>/task/*/status) over
    --rest-seconds (60 when scripts/bench runs it; CI can pass a few),
  - memory: RSS, PSS and private dirty from /proc/<pid>/smaps_rollup;
and as whole processes over --starts runs (minimum, median, maximum):
  - the helper's start to its server name on the bus (NameOwnerChanged, seen by dbus-monitor),
  - the preferences' start to the first frame it flushes (Qt's qt.widgets.painting log),
    where there is a display.
Prints one JSON list of rows {name, value, unit, goal, note} on standard output.
"""

import argparse
import json
import os
import plistlib
import pwd
import re
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SERVER_NAME = "com.halvane.keyboard.HVKeyboardServer"
KIB = 1024


class Unavailable(Exception):
    """This session type cannot be had here; the message says why."""


def wait_until(predicate, timeout, step=0.01):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return True
        time.sleep(step)
    return False


def stop(process, timeout=5):
    """Ends a process this script started, by its pid."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Bus:
    def __init__(self):
        self.process = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, text=True)
        self.address = self.process.stdout.readline().strip()

    def close(self):
        stop(self.process)


# --- Sessions ---------------------------------------------------------------------------------

class Session:
    """Environment for clients of one session type; close() ends what it started."""

    name = ""

    def __init__(self):
        self.processes = []
        self.folders = []
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin")}

    def folder(self, owner=None):
        path = tempfile.mkdtemp(prefix="halvane-rest-")
        os.chmod(path, 0o700)
        if owner:
            os.chown(path, owner.pw_uid, owner.pw_gid)
        self.folders.append(path)
        return path

    def close(self):
        for process in reversed(self.processes):
            stop(process)
        for path in self.folders:
            shutil.rmtree(path, ignore_errors=True)


class Headless(Session):
    name = "headless"

    def __init__(self):
        super().__init__()
        self.env["QT_QPA_PLATFORM"] = "offscreen"


class X11(Session):
    name = "x11"

    def __init__(self):
        super().__init__()
        for tool in ("Xvfb", "openbox", "xprop"):
            if not shutil.which(tool):
                raise Unavailable(f"{tool} is not installed (scripts/setup --tests)")
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"], pass_fds=(write,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        self.processes.append(xvfb)
        with os.fdopen(read) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise Unavailable("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display
        self.env["XDG_SESSION_TYPE"] = "x11"
        self.processes.append(subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                               stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        managed = lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True,
            text=True).stdout
        if not wait_until(managed, 10, 0.05):
            raise Unavailable("openbox did not take the display")


class Sway(Session):
    name = "sway"

    def __init__(self):
        super().__init__()
        if not shutil.which("sway"):
            raise Unavailable("sway is not installed (scripts/setup --tests)")
        # sway does not run as root; it runs as nobody in a runtime folder of its own.
        nobody = pwd.getpwnam("nobody")
        runtime = self.folder(nobody)
        config = os.path.join(runtime, "config")
        with open(config, "w") as f:
            f.write("output HEADLESS-1 resolution 1024x768\nxwayland disable\n")
        os.chown(config, nobody.pw_uid, nobody.pw_gid)
        env = dict(self.env, XDG_RUNTIME_DIR=runtime, WLR_BACKENDS="headless",
                   WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman")
        self.processes.append(subprocess.Popen(
            ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "sway", "-c",
             config], env=env, cwd="/", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

        def sockets():
            names = os.listdir(runtime)
            ipc = [n for n in names if n.startswith("sway-ipc.") and n.endswith(".sock")]
            wl = [n for n in names if n.startswith("wayland-") and not n.endswith(".lock")]
            return (os.path.join(runtime, ipc[0]), os.path.join(runtime, wl[0])) \
                if ipc and wl else None
        if not wait_until(lambda: sockets() is not None, 10, 0.05):
            raise Unavailable("headless sway did not come up")
        ipc, wayland = sockets()
        self.env.update(WAYLAND_DISPLAY=wayland, SWAYSOCK=ipc, XDG_SESSION_TYPE="wayland",
                        XDG_CURRENT_DESKTOP="sway", QT_QPA_PLATFORM="wayland")


SESSIONS = {"headless": Headless, "x11": X11, "sway": Sway}


# --- Programs ---------------------------------------------------------------------------------

def helper_home(session, keyboard=True, show_changes=True):
    """A home with the default settings (the start-up profile's name shown unless show_changes
    is false) and, with keyboard, a virtual keyboard interface; returns (environment additions,
    listening socket)."""
    home = session.folder()
    runtime = session.folder()
    with open(os.path.join(ROOT, "shared", "defaults.plist"), "rb") as f:
        tree = plistlib.load(f)
    tree["ShowChangesOnScreen"] = show_changes
    settings = os.path.join(home, "settings.plist")
    with open(settings, "wb") as f:
        plistlib.dump(tree, f)
    listener = None
    if keyboard:
        folder = os.path.join(runtime, "halvane", "keyboards")
        os.makedirs(folder, mode=0o700)
        listener = socket.socket(socket.AF_UNIX, socket.SOCK_SEQPACKET)
        listener.bind(os.path.join(folder, "1209-4856-0001-0006-bench.sock"))
        listener.listen(1)
    return {"HOME": home, "XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": home + "/.config",
            "HALVANE_SETTINGS": settings}, listener


def status_counter(pid, field):
    """The sum of a counter over every thread of pid."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as f:
                for line in f:
                    if line.startswith(field + ":"):
                        total += int(line.split()[1])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return total


def memory(pid):
    """RSS, PSS and private dirty in KiB."""
    fields = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2 and parts[0].endswith(":") and parts[1].isdigit():
                fields[parts[0][:-1]] = int(parts[1])
    return {"rss": fields.get("Rss", 0), "pss": fields.get("Pss", 0),
            "dirty": fields.get("Private_Dirty", 0)}


def threads(pid):
    return len(os.listdir(f"/proc/{pid}/task"))


def rest(session, bus, args, rows, label, helper_path, show_changes=True, watch=True):
    """Floor and helper side by side at rest: memory and, with watch, wake-ups."""
    env = dict(session.env, DBUS_SESSION_BUS_ADDRESS=bus.address)
    floor = subprocess.Popen([args.floor], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    extra, listener = helper_home(session, show_changes=show_changes)
    helper = subprocess.Popen([helper_path], env=dict(env, **extra), stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    try:
        listener.settimeout(10)
        try:
            connection, _ = listener.accept()
        except socket.timeout:
            connection = None  # measured all the same; the note says so
        time.sleep(args.settle)
        for process, who in ((floor, "floor"), (helper, "helper")):
            if process.poll() is not None:
                raise Unavailable(f"the {who} ended early (status {process.returncode})")
        s = f"{session.name}: {label}"
        if watch:
            pids = (floor.pid, helper.pid)
            before = {p: status_counter(p, "voluntary_ctxt_switches") for p in pids}
            time.sleep(args.rest_seconds)
            after = {p: status_counter(p, "voluntary_ctxt_switches") for p in pids}
            per_second = lambda p: (after[p] - before[p]) / args.rest_seconds
            note = f"{args.rest_seconds:g} s, {threads(helper.pid)} threads" + \
                ("" if connection else ", no keyboard attached")
            rows.append(row(f"{s} wake-ups at rest", per_second(helper.pid), "/s", "<= 0.1",
                            note + f"; floor {per_second(floor.pid):.2f}"))
        h, f = memory(helper.pid), memory(floor.pid)
        rows.append(row(f"{s} RSS above floor", (h["rss"] - f["rss"]) / KIB, "MiB", "<= 4",
                        f"helper {h['rss'] / KIB:.1f}, floor {f['rss'] / KIB:.1f}"))
        rows.append(row(f"{s} PSS", h["pss"] / KIB, "MiB", "", f"floor {f['pss'] / KIB:.1f}"))
        rows.append(row(f"{s} private dirty", h["dirty"] / KIB, "MiB", "<= 3",
                        f"floor {f['dirty'] / KIB:.1f}"))
        if connection:
            connection.close()
    finally:
        stop(helper)
        stop(floor)
        listener.close()


def spread(samples):
    samples = sorted(samples)
    return samples[0], statistics.median(samples), samples[-1]


def starts(session, bus, args, rows, label, command, name, goal):
    """Process start to NameOwnerChanged for name, over --starts runs."""
    env = dict(session.env, DBUS_SESSION_BUS_ADDRESS=bus.address)
    rule = (f"type='signal',sender='org.freedesktop.DBus',member='NameOwnerChanged',"
            f"arg0='{name}'")
    monitor = subprocess.Popen(["dbus-monitor", "--address", bus.address, rule],
                               stdout=subprocess.PIPE, text=True, bufsize=1)
    samples = []
    # One home for every run, as at each login: the first, untimed run writes the autostart entry
    # (once in a user's life) and brings the files into the page cache.
    extra, _ = helper_home(session, keyboard=False)
    try:
        wait_until(lambda: False, 0.3)  # the monitor's match is in place
        for run in range(args.starts + 1):
            started = time.time()
            helper = subprocess.Popen([command], env=dict(env, **extra),
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            owned = None
            while owned is None:
                line = monitor.stdout.readline()
                if not line:
                    break
                match = re.search(r"^signal time=([0-9.]+)", line)
                if match and started <= float(match.group(1)):
                    owned = float(match.group(1))
            stop(helper)
            # The name's loss comes next on the monitor: read it away.
            monitor.stdout.readline()
            if owned is not None and run > 0:
                samples.append((owned - started) * 1000)
            time.sleep(0.2)
    finally:
        stop(monitor)
    if not samples:
        raise Unavailable(f"the {label} never took its name")
    low, mid, high = spread(samples)
    rows.append(row(f"{session.name}: {label} start to bus name (median)", mid, "ms", goal,
                    f"min {low:.0f}, max {high:.0f}, {len(samples)} runs"))


def preferences_starts(session, bus, args, rows):
    """Process start to the first frame the window flushes, over --starts runs."""
    if session.name == "headless":
        return
    env = dict(session.env, DBUS_SESSION_BUS_ADDRESS=bus.address,
               QT_LOGGING_RULES="qt.widgets.painting=true")
    samples = []
    for _ in range(args.starts):
        extra, _ = helper_home(session, keyboard=False)
        started = time.monotonic()
        prefs = subprocess.Popen([args.preferences], env=dict(env, **extra),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        painted = None
        for line in prefs.stderr:
            if "Flushing QRegion" in line:
                painted = time.monotonic()
                break
        stop(prefs)
        if painted is not None:
            samples.append((painted - started) * 1000)
    if not samples:
        raise Unavailable("the preferences never painted")
    low, mid, high = spread(samples)
    rows.append(row(f"{session.name}: preferences start to first paint (median)", mid, "ms",
                    "<= 250", f"min {low:.0f}, max {high:.0f}, {len(samples)} runs"))


def row(name, value, unit, goal, note):
    return {"name": name, "value": round(value, 2), "unit": unit, "goal": goal, "note": note}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--helper")
    parser.add_argument("--before", help="another helper build, measured beside in the same run")
    parser.add_argument("--rest-seconds", type=float, default=60)
    parser.add_argument("--settle", type=float, default=3)
    parser.add_argument("--starts", type=int, default=7)
    parser.add_argument("--sessions", default="headless,x11,sway")
    parser.add_argument("--table", action="store_true", help="a table for people, not JSON")
    args = parser.parse_args()
    args.helper = args.helper or os.path.join(
        args.build, "bundles/HalvaneHelper.app/Contents/MacOS/HalvaneHelper")
    args.floor = os.path.join(args.build, "bench-programs/halvane_floor")
    args.preferences = os.path.join(args.build, "bin/halvane-preferences")
    # Pages of a program just built may still be waiting to be written back: until they are,
    # smaps counts them as the process's own private dirty memory.
    os.sync()
    rows = []
    for name in args.sessions.split(","):
        session = bus = None
        try:
            session = SESSIONS[name]()
            bus = Bus()
            helpers = [("helper", args.helper)] + \
                ([("helper before", args.before)] if args.before else [])
            for label, path in helpers:
                rest(session, bus, args, rows, label, path)
                rest(session, bus, args, rows, label + ", no name shown", path,
                     show_changes=False, watch=False)
            starts(session, bus, args, rows, "floor", args.floor, "com.halvane.keyboard.BenchFloor",
                   "")
            for label, path in helpers:
                starts(session, bus, args, rows, label, path, SERVER_NAME, "<= 50")
            preferences_starts(session, bus, args, rows)
        except Unavailable as why:
            rows.append(row(f"{name}: skipped", 0, "", "", str(why)))
        finally:
            if bus:
                bus.close()
            if session:
                session.close()
    if args.table:
        for r in rows:
            print(f"{r['name']:<52} {r['value']:>9.2f} {r['unit']:<4} {r['goal']:<7} {r['note']}")
    else:
        json.dump(rows, sys.stdout, indent=1)
        print()


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    main()
