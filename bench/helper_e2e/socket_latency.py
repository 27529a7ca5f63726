#!/usr/bin/env python3
"""Report to first key on the host socket road: the helper against the floor, in one run.

  socket_latency.py --build DIR [--presses N] [--helper PATH] [--table]

A virtual keyboard interface (a listening SOCK_SEQPACKET socket) sends macro key L1's report; the
"key" is the first keyboard event line on the trace, which is a FIFO read here with blocking
reads (no polling on either side). The helper (headless, macro L1 = one key), the floor
(halvane_socket_floor: blocking recv, then the same trace lines as the helper, one write each, no
Qt) and the Qt loop floor (halvane_qt_loop_floor: the same on the helper's kind of event loop,
nothing else) are measured by the same code, presses alternating between them so that the
machine's load falls on all alike. The goal is against the floor; the Qt loop floor shows how much
of the difference is the loop itself.
Prints JSON rows {name, value, unit, goal, note} like rest_and_start.py.
"""

import argparse
import json
import os
import plistlib
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PRESS = bytes([0, 0, 0xF1, 0, 0, 0, 0, 0])
RELEASE = bytes(8)


class Road:
    """One program on a keyboard socket and a trace FIFO of its own."""

    def __init__(self, folder, name):
        self.folder = os.path.join(folder, name)
        keyboards = os.path.join(self.folder, "run", "halvane", "keyboards")
        os.makedirs(keyboards, mode=0o700)
        os.chmod(os.path.join(self.folder, "run"), 0o700)
        self.socket_path = os.path.join(keyboards, "1209-4856-0001-0006-bench.sock")
        self.listener = socket.socket(socket.AF_UNIX, socket.SOCK_SEQPACKET)
        self.listener.bind(self.socket_path)
        self.listener.listen(1)
        self.trace_path = os.path.join(self.folder, "trace")
        os.mkfifo(self.trace_path)
        # Opened without waiting for a writer, then blocking reads.
        self.trace = os.open(self.trace_path, os.O_RDONLY | os.O_NONBLOCK)
        os.set_blocking(self.trace, True)
        self.pending = b""
        self.process = None
        self.connection = None
        self.samples = []

    def start(self, command, env):
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.listener.settimeout(120)
        self.connection, _ = self.listener.accept()

    def read_until(self, marker):
        while marker not in self.pending:
            chunk = os.read(self.trace, 4096)
            if not chunk:
                raise RuntimeError("the trace ended")
            self.pending += chunk
        self.pending = self.pending[self.pending.index(marker) + len(marker):]

    def press(self):
        sent = time.perf_counter_ns()
        self.connection.send(PRESS)
        self.read_until(b'"down":true')
        self.samples.append((time.perf_counter_ns() - sent) / 1000)
        self.read_until(b'"down":false')
        self.connection.send(RELEASE)

    def close(self):
        if self.connection:
            self.connection.close()
        if self.process and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(5)
        os.close(self.trace)
        self.listener.close()


def figures(samples):
    samples = sorted(samples)
    return statistics.median(samples), samples[min(len(samples) - 1, len(samples) * 99 // 100)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--helper")
    parser.add_argument("--presses", type=int, default=2000)
    parser.add_argument("--table", action="store_true")
    args = parser.parse_args()
    helper = args.helper or os.path.join(
        args.build, "bundles/HalvaneHelper.app/Contents/MacOS/HalvaneHelper")
    floors = {name: os.path.join(args.build, "bench-programs", program)
              for name, program in (("floor", "halvane_socket_floor"),
                                    ("qt", "halvane_qt_loop_floor"))}

    folder = tempfile.mkdtemp(prefix="halvane-socket-")
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    roads = {}
    try:
        address = bus.stdout.readline().strip()
        with open(os.path.join(ROOT, "shared", "defaults.plist"), "rb") as f:
            tree = plistlib.load(f)
        key = tree["Profiles"][0]["MacroKeys"][0]
        key["ActionType"] = "ExecuteMacro"
        key["KeyCombo"]["keyCode0"] = 0
        key["KeyCombo"]["modifiers0"] = 0
        tree["ShowChangesOnScreen"] = False
        roads = {name: Road(folder, name) for name in ("helper", "floor", "qt")}
        road = roads["helper"]
        settings = os.path.join(road.folder, "settings.plist")
        with open(settings, "wb") as f:
            plistlib.dump(tree, f)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": road.folder,
               "XDG_RUNTIME_DIR": os.path.join(road.folder, "run"),
               "DBUS_SESSION_BUS_ADDRESS": address, "HALVANE_SETTINGS": settings,
               "HALVANE_TRACE": road.trace_path, "QT_QPA_PLATFORM": "offscreen"}
        road.start([helper], env)
        for name, program in floors.items():
            roads[name].start([program, roads[name].socket_path, roads[name].trace_path], env)
        time.sleep(1)  # the helper's start-up lines go first
        os.set_blocking(road.trace, False)
        try:
            while os.read(road.trace, 65536):
                pass
        except BlockingIOError:
            pass
        os.set_blocking(road.trace, True)
        for _ in range(args.presses):
            for road in roads.values():
                road.press()
                time.sleep(0.0005)
    finally:
        for road in roads.values():
            road.close()
        bus.terminate()
        bus.wait()
        shutil.rmtree(folder, ignore_errors=True)

    h, f, q = (figures(roads[name].samples) for name in ("helper", "floor", "qt"))
    load = os.getloadavg()[0]
    rows = [
        {"name": "host socket: helper report to first key", "value": round(h[0], 1), "unit": "us",
         "goal": "", "note": f"p99 {h[1]:.0f} us, {args.presses} presses"},
        {"name": "host socket: floor report to first key", "value": round(f[0], 1), "unit": "us",
         "goal": "", "note": f"p99 {f[1]:.0f} us, same run"},
        {"name": "host socket: Qt loop floor report to first key", "value": round(q[0], 1),
         "unit": "us", "goal": "", "note": f"p99 {q[1]:.0f} us, same run"},
        {"name": "host socket: helper over floor (median)", "value": round(h[0] / f[0], 2),
         "unit": "x", "goal": "<= 1.5", "note": f"load average {load:.1f}"},
        {"name": "host socket: Qt loop floor over floor (median)", "value": round(q[0] / f[0], 2),
         "unit": "x", "goal": "", "note": "the loop alone"},
    ]
    if args.table:
        for r in rows:
            print(f"{r['name']:<52} {r['value']:>9.2f} {r['unit']:<4} {r['goal']:<7} {r['note']}")
    else:
        json.dump(rows, sys.stdout, indent=1)
        print()


if __name__ == "__main__":
    main()
