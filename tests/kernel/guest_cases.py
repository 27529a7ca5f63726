"""Inside the kernel tier's guest: the helper's whole road on a real kernel.

Run by guest_init.sh as root in the host's root (read-only, with tmpfs where programs write).
Starts udevd with the product's rules and hwdb, a session bus, a fake media player, the helper
with a prepared settings file and `halvane-vkbd --uhid`, then runs the cases one after the other.
Each case writes <results>/<case>.json with what the kernel's nodes really delivered (events read
from /dev/input/event*, feature reports read back through hidraw, udev's own view of the nodes,
what halvanectl printed, the bus daemon's timestamps of a call and its answer);
KernelTierTest.cpp on the host judges them. In bench mode it runs the latency benchmark instead.
"""

import fcntl
import glob
import json
import os
import plistlib
import select
import signal
import struct
import subprocess
import sys
import threading
import time
import traceback

CONFIG = json.load(open(sys.argv[1]))
SOURCE, BUILD, RESULTS = CONFIG["source"], CONFIG["build"], CONFIG["results"]
HELPER = f"{BUILD}/bundles/HalvaneHelper.app/Contents/MacOS/HalvaneHelper"
VKBD = f"{BUILD}/bin/halvane-vkbd"
CTL = f"{BUILD}/bin/halvanectl"
FAKE_PLAYER = f"{BUILD}/tests/kernel/kernel_fake_player"
TEXT_TYPIST = f"{BUILD}/tests/kernel/kernel_text_typist"
BENCH = f"{BUILD}/bench/kernel/kernel_latency_bench"
UDEVD = "/lib/systemd/systemd-udevd"
NOBODY = 65534
STARTED = time.monotonic()
# This script runs chrooted into the host's root, where udevadm would ignore trigger and settle
# ("Running in chroot, ignoring request"): devices there before udevd would keep no record.
os.environ["SYSTEMD_IGNORE_CHROOT"] = "1"

EV_KEY = 1
KEY_A, KEY_X, KEY_LEFTSHIFT = 30, 45, 42
KEY_RIGHTALT = 100
EV_SYN, SYN_DROPPED = 0, 3
INPUT_EVENT = struct.Struct("llHHi")  # struct input_event on x86-64
KEY_BYTES = 0x300 // 8  # KEY_CNT bits
EVIOCGKEY = (2 << 30) | (KEY_BYTES << 16) | (ord("E") << 8) | 0x18


def log(text):
    line = f"[{time.monotonic() - STARTED:6.1f}] {text}"
    print(line, flush=True)
    with open(f"{RESULTS}/guest.log", "a") as out:
        out.write(line + "\n")


def wait_for(condition, timeout, what):
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise TimeoutError(f"{what}: nothing after {timeout} s")
        time.sleep(0.05)


def read_text(path, default=""):
    try:
        with open(path, errors="replace") as f:
            return f.read()
    except OSError:
        return default


# --- What the kernel shows -------------------------------------------------------------------

def uevent(path):
    values = {}
    for line in read_text(f"{path}/uevent").splitlines():
        key, _, value = line.partition("=")
        values[key] = value
    return values


def hidraw_nodes(vendor=0x1209, product=0x4856):
    """Our keyboard's hidraw nodes as the kernel lists them, with their HID device's facts."""
    nodes = []
    for path in sorted(glob.glob("/sys/class/hidraw/hidraw*")):
        hid = uevent(f"{path}/device")
        if hid.get("HID_ID", "").upper() != f"0003:0000{vendor:04X}:0000{product:04X}":
            continue
        descriptor = open(f"{path}/device/report_descriptor", "rb").read()
        nodes.append({"devnode": "/dev/" + os.path.basename(path), "phys": hid.get("HID_PHYS", ""),
                      "descriptor": descriptor.hex()})
    return nodes


def input_nodes():
    """Every evdev node: its device's name and physical path."""
    nodes = []
    for path in sorted(glob.glob("/sys/class/input/event*")):
        nodes.append({"devnode": "/dev/input/" + os.path.basename(path),
                      "name": read_text(f"{path}/device/name").strip(),
                      "phys": read_text(f"{path}/device/phys").strip()})
    return nodes


def input_node(name, phys_suffix=""):
    for node in input_nodes():
        if node["name"] == name and node["phys"].endswith(phys_suffix):
            return node["devnode"]
    return None


def open_files(pid):
    """What the process has open, as the kernel names it ("/dev/hidraw0", "... (deleted)"),
    with the access mode of each."""
    files = []
    for fd in glob.glob(f"/proc/{pid}/fd/*"):
        try:
            target = os.readlink(fd)
            flags = int(read_text(fd.replace("/fd/", "/fdinfo/")).split("flags:")[1].split()[0], 8)
        except (OSError, IndexError, ValueError):
            continue
        files.append({"target": target, "mode": ("r", "w", "rw")[flags & 3]})
    return files


def udev_properties(devnode):
    out = subprocess.run(["udevadm", "info", "--query=property", f"--name={devnode}"],
                         capture_output=True, text=True).stdout
    return dict(line.split("=", 1) for line in out.splitlines() if "=" in line)


def settle():
    subprocess.run(["udevadm", "settle", "--timeout=60"], check=False)


def held_keys(fd):
    """The key codes the kernel holds down on an evdev node (EVIOCGKEY)."""
    state = bytearray(KEY_BYTES)
    fcntl.ioctl(fd, EVIOCGKEY, state)
    return [code for code in range(KEY_BYTES * 8) if state[code // 8] >> (code % 8) & 1]


class EventReader:
    """An evdev node read from the moment it is opened: (seconds, type, code, value) tuples,
    stamped by the kernel with the wall clock."""

    def __init__(self, devnode):
        self.devnode = devnode
        self.fd = os.open(devnode, os.O_RDONLY | os.O_NONBLOCK)
        self.events = []
        self.gone = False  # the device behind the node was removed

    def poll(self, timeout):
        if self.gone:
            time.sleep(timeout)
            return
        ready, _, _ = select.select([self.fd], [], [], timeout)
        if not ready:
            return
        try:
            data = os.read(self.fd, INPUT_EVENT.size * 64)
        except BlockingIOError:
            return
        except OSError:  # ENODEV: the device is gone, and evdev keeps what was still queued
            self.gone = True
            return
        for offset in range(0, len(data) - INPUT_EVENT.size + 1, INPUT_EVENT.size):
            sec, usec, kind, code, value = INPUT_EVENT.unpack_from(data, offset)
            self.events.append((sec + usec / 1e6, kind, code, value))

    def keys(self):
        return [e for e in self.events if e[1] == EV_KEY]

    def read_until(self, condition, timeout, quiet=0.5):
        """Reads until condition(keys) holds, then for `quiet` seconds more (late, unwanted
        events count too), or until timeout."""
        end = time.monotonic() + timeout
        while time.monotonic() < end and not condition(self.keys()):
            self.poll(0.1)
        end = time.monotonic() + quiet
        while time.monotonic() < end:
            self.poll(0.05)
        return self.events

    def close(self):
        os.close(self.fd)


# --- The programs under test ----------------------------------------------------------------

class Vkbd:
    def __init__(self, *extra):
        self.log_path = f"{RESULTS}/vkbd.log"
        out = open(self.log_path, "ab")
        self.process = subprocess.Popen([VKBD, "--uhid", *extra], stdin=subprocess.PIPE,
                                        stdout=out, stderr=subprocess.STDOUT)

    def send(self, *lines):
        self.process.stdin.write("".join(line + "\n" for line in lines).encode())
        self.process.stdin.flush()

    def output(self):
        return read_text(self.log_path).splitlines()

    def wait_output(self, text, after, timeout):
        return wait_for(lambda: any(text in line for line in self.output()[after:]), timeout,
                        f"halvane-vkbd saying \"{text}\"")


def key_combo(steps):
    """A macro's KeyCombo: steps of (virtual key code, modifier mask, delay ms) or None."""
    combo = {"description": "", "keyCode": 0, "modifiers": 0}
    for i in range(8):
        key, mods, delay = steps[i] if i < len(steps) and steps[i] else (-1, -1, 0)
        combo.update({f"keyCode{i}": key, f"modifiers{i}": mods, f"delay{i}": delay})
    return combo


# Virtual key codes and modifier masks as the settings hold them.
VK_A, VK_B, VK_H, VK_I, VK_X = 0, 11, 4, 34, 7
SHIFT, COMMAND = 0x0200, 0x0100
LONG_PAUSE_MS = 5000


def write_settings(path, mode):
    settings = plistlib.load(open(f"{SOURCE}/shared/defaults.plist", "rb"))
    settings["ShowChangesOnScreen"] = False
    settings["CurrentProfile"] = 0
    for profile in settings["Profiles"]:
        profile["SwapCmdAlt"] = False
        for key in profile["MacroKeys"]:
            key["ActionType"] = ""
    first, third = settings["Profiles"][0], settings["Profiles"][2]
    if mode == "bench":
        first["MacroKeys"][0].update(ActionType="ExecuteMacro", KeyCombo=key_combo([(VK_X, 0, 0)]))
    else:
        # L1: Shift-H, a pause, an empty step, Command-I. L2: A, a long pause, B.
        first["MacroKeys"][0].update(ActionType="ExecuteMacro", KeyCombo=key_combo(
            [(VK_H, SHIFT, 400), None, (VK_I, COMMAND, 0)]))
        first["MacroKeys"][1].update(ActionType="ExecuteMacro", KeyCombo=key_combo(
            [(VK_A, 0, 1500), (VK_B, 0, 0)]))
        # L3: Shift-X, a pause long enough to stop the macro in, B.
        first["MacroKeys"][2].update(ActionType="ExecuteMacro", KeyCombo=key_combo(
            [(VK_X, SHIFT, LONG_PAUSE_MS), (VK_B, 0, 0)]))
        # Profile 2's L1: a left click, the wheel down 3 notches, the right button pressed and
        # never released in the macro (let go of at its end).
        mouse = key_combo([])
        mouse.update(stepKind0="MouseButton", button0="Left", buttonAction0="Click",
                     stepKind1="Wheel", wheel1="Down", notches1=3,
                     stepKind2="MouseButton", button2="Right", buttonAction2="Press")
        settings["Profiles"][1]["MacroKeys"][0].update(ActionType="ExecuteMacro", KeyCombo=mouse)
        # Profile 3: Command and Option swapped, keys 0 and 3 assigned (MacroMask 9).
        third["SwapCmdAlt"] = True
        third["MacroKeys"][0].update(ActionType="ExecuteMacro", KeyCombo=key_combo([(VK_A, 0, 0)]))
        third["MacroKeys"][3].update(ActionType="SelectProfile", SelectProfile=0)
    plistlib.dump(settings, open(path, "wb"), fmt=plistlib.FMT_XML)


def session_environment(home, bus):
    runtime = f"{home}/runtime"
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    return {
        "PATH": "/usr/bin:/bin:/usr/sbin:/sbin", "HOME": home, "XDG_RUNTIME_DIR": runtime,
        "XDG_CONFIG_HOME": f"{home}/.config", "HALVANE_SETTINGS": f"{home}/settings.plist",
        "DBUS_SESSION_BUS_ADDRESS": f"unix:path={bus}", "QT_QPA_PLATFORM": "offscreen",
        "LANG": "C.UTF-8",
        # Emulated, the media script's bus calls take far longer than on a desktop.
        "HALVANE_SCRIPT_TIMEOUT_MS": "30000",
        # What the helper did, for reading when a case fails; the cases judge the nodes.
        "HALVANE_TRACE": f"{home}/trace.jsonl",
    }


def start_bus(path, user=None):
    prefix = [] if user is None else ["setpriv", f"--reuid={user}", f"--regid={user}",
                                      "--clear-groups"]
    process = subprocess.Popen(prefix + ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                         f"--address=unix:path={path}"])
    wait_for(lambda: os.path.exists(path), 60, "the session bus")
    return process


UDEV = {}


def start_udev(with_entry=True):
    """udevd with the product's rules, and this machine's hwdb with our entry compiled in (or,
    without it, this machine's own hwdb). A new daemon each time: one told to reload may still
    hand the next device to a worker that has the old hwdb."""
    os.makedirs("/run/udev/rules.d", exist_ok=True)
    with open(f"{SOURCE}/packaging/70-halvane.rules", "rb") as rules:
        open("/run/udev/rules.d/70-halvane.rules", "wb").write(rules.read())
    target = "/etc/udev/hwdb.bin"
    if with_entry:
        with open(CONFIG["hwdb"], "rb") as compiled:
            open(target, "wb").write(compiled.read())
    elif os.path.exists(target):
        os.remove(target)
    if "udevd" in UDEV:
        settle()
        UDEV["udevd"].send_signal(signal.SIGTERM)
        UDEV["udevd"].wait(60)
        if os.path.exists("/run/udev/control"):
            os.remove("/run/udev/control")
    UDEV["udevd"] = subprocess.Popen([UDEVD], stdout=open(f"{RESULTS}/udevd.log", "ab"),
                                     stderr=subprocess.STDOUT)
    UDEV["with_entry"] = with_entry
    wait_for(lambda: os.path.exists("/run/udev/control"), 60, "udevd")
    subprocess.run(["udevadm", "trigger", "--action=add"], check=False)
    settle()


def plug_under_udev(env, with_entry):
    """The keyboard as a udevd with (or without) the hwdb entry has set it up, opened by the
    helper. A keyboard already plugged in under that udevd stays as it is."""
    if UDEV["with_entry"] != with_entry:
        start_udev(with_entry)
        before = len(env.vkbd.output())
        env.vkbd.send("unplug", "plug", "wait-connected 60000")
        env.vkbd.wait_output("created uhid consumer interface", before, 60)
    for node in keyboard_input_nodes():
        wait_for(lambda: (settle(), udev_done(node))[1], 60, f"udev handling {node}")
    wait_for(lambda: both_nodes_open(env), 60, "the helper opening both hidraw nodes")


def keyboard_input_nodes():
    """The kernel's own evdev nodes of our keyboard's two interfaces."""
    # uhid adds the HID device from a kernel worker, after the create request has returned.
    return [wait_for(lambda: input_node("Halvane Keyboard", f"/input{i}"), 60,
                     f"the evdev node of the keyboard's interface {i}") for i in (0, 1)]


class Environment:
    def __init__(self, mode):
        log(f"guest on {CONFIG['kernel']}: starting udevd")
        start_udev()
        self.home = "/tmp/home"
        os.makedirs(self.home, exist_ok=True)
        self.bus = start_bus("/tmp/bus")
        self.env = session_environment(self.home, "/tmp/bus")
        if mode == "bench":
            del self.env["HALVANE_TRACE"]  # the helper as it normally runs
        write_settings(self.env["HALVANE_SETTINGS"], mode)
        self.player_log = f"{RESULTS}/player.log"
        if mode == "cases":
            self.player = subprocess.Popen([FAKE_PLAYER, "rhythmbox"], env=self.env,
                                           stdout=open(self.player_log, "wb"))
            wait_for(lambda: "serving" in read_text(self.player_log), 60, "the fake player")
        self.start_helper()
        self.vkbd = None
        if mode == "cases":
            self.vkbd = Vkbd()
            self.vkbd.wait_output("created uhid consumer interface", 0, 30)
            settle()
            log("the keyboard is plugged in")

    def start_helper(self):
        log("starting the helper")
        self.helper = subprocess.Popen([HELPER], env=self.env,
                                       stdout=open(f"{RESULTS}/helper.log", "ab"),
                                       stderr=subprocess.STDOUT)
        # The helper makes its uinput devices at start-up, before it looks for keyboards; its
        # bus name comes later still, and the cases that ask it (doctor, halvanectl) need that.
        wait_for(lambda: input_node("Halvane virtual keyboard"), 120, "the helper's uinput keyboard")
        wait_for(lambda: halvanectl(self, "profile")["exit_code"] == 0, 120, "the helper on the bus")


# --- The cases -------------------------------------------------------------------------------

def helper_hidraw_files(helper):
    return [f for f in open_files(helper.pid) if f["target"].startswith("/dev/hidraw")]


def helper_has_open(env, nodes):
    """The helper has these nodes open, and no others (none of a keyboard gone)."""
    targets = {f["target"] for f in helper_hidraw_files(env.helper)}
    return bool(nodes) and {n["devnode"] for n in nodes} == targets


def both_nodes_open(env):
    nodes = hidraw_nodes()
    return nodes if len(nodes) == 2 and helper_has_open(env, nodes) else None


def case_hidraw_found(env):
    nodes = wait_for(lambda: both_nodes_open(env), 60, "the helper opening both hidraw nodes")
    return {"nodes": nodes, "helper_files": helper_hidraw_files(env.helper)}


def type_and_read(env, node_name, commands, condition, timeout=30):
    node = input_node(node_name)
    reader = EventReader(node)
    env.vkbd.send(*commands)
    events = reader.read_until(condition, timeout)
    reader.close()
    # What a compositor (libinput) goes by when it decides whether to take the device.
    return {"node": node, "events": events, "properties": udev_properties(node)}


def key_count(n):
    return lambda keys: len(keys) >= n


def case_macro(env):
    return type_and_read(env, "Halvane virtual keyboard", ["press L1", "release"], key_count(8))


def case_mouse_steps(env):
    """Profile 2's L1 on the helper's uinput pointer; profile 1 is current again afterwards."""
    def switch(command, mask):
        before = len(env.vkbd.output())
        env.vkbd.send(command, "release")
        env.vkbd.wait_output(mask, before, 60)
    switch("press profile F2", "MacroMask=1")
    result = type_and_read(env, "Halvane virtual pointer", ["press L1", "release"], key_count(4))
    sysfs = f"/sys/class/input/{os.path.basename(result['node'])}/device/capabilities"
    result["capabilities"] = {kind: read_text(f"{sysfs}/{kind}").strip() for kind in ("key", "rel")}
    switch("press profile F1", "MacroMask=7")
    return result


def get_feature(devnode, report_id, size):
    buffer = bytearray(size)
    buffer[0] = report_id
    request = (3 << 30) | (size << 16) | (ord("H") << 8) | 0x07  # HIDIOCGFEATURE(size)
    fd = os.open(devnode, os.O_RDWR)
    try:
        length = fcntl.ioctl(fd, request, buffer)
    finally:
        os.close(fd)
    return bytes(buffer[:length]).hex()


def current_profile(env):
    out = subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=com.halvane.keyboard.HVKeyboardServer",
         "/HVKeyboardServer", "com.halvane.keyboard.HVKeyboardServer.getCurrentProfile"],
        env=env.env, capture_output=True, text=True, timeout=60).stdout
    return out.split()[-1] if out else ""


def case_profile_switch(env):
    steps = []
    for command, expected in (("press profile F3", "MacroMask=9"), ("press profile F1", "MacroMask=7")):
        before = len(env.vkbd.output())
        env.vkbd.send(command, "release")
        env.vkbd.wait_output(expected, before, 60)
        time.sleep(0.5)  # the other interface's copy
        consumer = next(n["devnode"] for n in hidraw_nodes() if n["phys"].endswith("/input1"))
        steps.append({"command": command, "device_said": env.vkbd.output()[before:],
                      "feature_read_back": get_feature(consumer, 0x48, 9),
                      "current_profile": current_profile(env)})
    return {"steps": steps}


def case_media_and_eject(env):
    result = type_and_read(env, "Halvane HID events", ["media f1", "media f4", "press eject", "release"],
                           lambda keys: len(keys) >= 2, timeout=90)
    wait_for(lambda: "Next" in read_text(env.player_log), 90, "the player told Next")
    result["player"] = read_text(env.player_log).splitlines()
    return result


UHID_CREATE2, UHID_DESTROY = 11, 1


def foreign_uhid_device():
    """A HID device that is not our keyboard (another product ID), made through /dev/uhid."""
    descriptor = bytes.fromhex("05010906a101050719e029e71500250175019508810295067508150025650507"
                               "1900296581 00c0".replace(" ", ""))
    name, phys = b"Other Keyboard", b"kernel-tier/other"
    request = struct.pack("<I128s64s64sHHIIII4096s", UHID_CREATE2, name, phys, b"", len(descriptor),
                          3, 0x1209, 0x0001, 1, 0, descriptor)
    fd = os.open("/dev/uhid", os.O_RDWR)
    os.write(fd, request)
    return fd


def udev_view(devnode):
    test = subprocess.run(["udevadm", "test", "--action=add", f"/sys/class/hidraw/{devnode[5:]}"],
                          capture_output=True, text=True)
    return {"devnode": devnode, "properties": udev_properties(devnode),
            "test_output": (test.stdout + test.stderr).splitlines()}


def case_udev_rule(env):
    ours = [udev_view(n["devnode"]) for n in hidraw_nodes()]
    fd = foreign_uhid_device()
    try:
        wait_for(lambda: hidraw_nodes(product=0x0001), 30, "the other keyboard's hidraw node")
        settle()
        other = [udev_view(n["devnode"]) for n in hidraw_nodes(product=0x0001)]
    finally:
        os.write(fd, struct.pack("<I", UHID_DESTROY))
        os.close(fd)
    return {"ours": ours, "other": other}


def case_permission(env):
    home = "/tmp/nobody"
    os.makedirs(home, exist_ok=True)
    os.chown(home, NOBODY, NOBODY)
    bus = start_bus(f"{home}/bus", NOBODY)
    nobody_env = session_environment(home, f"{home}/bus")
    os.chown(nobody_env["XDG_RUNTIME_DIR"], NOBODY, NOBODY)
    write_settings(nobody_env["HALVANE_SETTINGS"], "cases")
    os.chown(nobody_env["HALVANE_SETTINGS"], NOBODY, NOBODY)
    log_path = f"{RESULTS}/helper-nobody.log"
    helper = subprocess.Popen(["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}",
                               "--clear-groups", HELPER], env=nobody_env,
                              stdout=open(log_path, "wb"), stderr=subprocess.STDOUT)
    try:
        wait_for(lambda: "No permission" in read_text(log_path) or helper.poll() is not None, 120,
                 "the unprivileged helper's permission message")
        env.vkbd.send("press L1", "release")  # reports it cannot read must not upset it
        time.sleep(3)
        running = helper.poll() is None
        return {"log": read_text(log_path).splitlines(), "running_after": running,
                "exit_code": helper.returncode,
                "node_modes": {n["devnode"]: oct(os.stat(n["devnode"]).st_mode & 0o777)
                               for n in hidraw_nodes()}}
    finally:
        for process in (helper, bus):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                process.wait(30)


def case_replug(env):
    pid_before = env.helper.pid
    before = hidraw_nodes()
    reader = EventReader(input_node("Halvane virtual keyboard"))
    # L2 types A, then pauses 1.5 s: the keyboard goes and comes back meanwhile, which ends the
    # macro there.
    said = len(env.vkbd.output())
    env.vkbd.send("press L2", "wait 300", "unplug", "wait 500", "plug")
    env.vkbd.wait_output("created uhid consumer interface", said, 60)
    # Reports reach only a hidraw node that is open: L1 waits until the helper has the new ones.
    after = wait_for(lambda: both_nodes_open(env), 60, "the helper opening the new nodes")
    env.vkbd.send("release", "press L1", "release")
    # Read on past the moment when L2's B would have come, had the macro gone on.
    events = reader.read_until(
        lambda keys: len(keys) >= 10 and time.time() > keys[0][0] + 1.5 + 0.5, 60)
    reader.close()
    return {"events": events, "nodes_before": before, "nodes_after": after,
            "helper_files": helper_hidraw_files(env.helper),
            "helper_running": env.helper.poll() is None and env.helper.pid == pid_before,
            "device_said": env.vkbd.output()[said:]}


def released(code):
    return lambda keys: any(e[2] == code and e[3] == 0 for e in keys)


class BusMonitor:
    """dbus-monitor on the session bus: when each call of a method passed the bus daemon and when
    its answer did, by the daemon's clock (the wall clock, as the kernel stamps input events)."""

    def __init__(self, env, member):
        self.path = f"{RESULTS}/dbus-monitor.log"
        self.process = subprocess.Popen(
            ["dbus-monitor", "--address", env.env["DBUS_SESSION_BUS_ADDRESS"],
             f"type='method_call',member='{member}'", "type='method_return'"],
            stdout=open(self.path, "wb"), stderr=subprocess.DEVNULL)
        # A new monitor is told that it lost its own name: from then on it sees the calls.
        wait_for(lambda: "NameLost" in read_text(self.path), 60, "dbus-monitor")

    def round_trips(self):
        calls, trips = {}, []
        for line in read_text(self.path).splitlines():
            fields = dict(word.split("=", 1) for word in line.replace(";", "").split() if "=" in word)
            if line.startswith("method call "):
                calls[(fields["sender"], fields["serial"])] = float(fields["time"])
            elif line.startswith("method return "):
                called = calls.pop((fields["destination"], fields["reply_serial"]), None)
                if called is not None:
                    trips.append({"called": called, "answered": float(fields["time"])})
        return trips

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        self.process.wait(30)


def halvanectl(env, *args):
    out = subprocess.run([CTL, *args], env=env.env, capture_output=True, text=True, timeout=120)
    return {"exit_code": out.returncode, "output": out.stdout.splitlines(),
            "errors": out.stderr.splitlines()}


def start_long_pause(env):
    """L3 pressed: once its first combination is on the helper's node, its long pause runs."""
    reader = EventReader(input_node("Halvane virtual keyboard"))
    env.vkbd.send("press L3", "release")
    # Shift goes up last; the helper may be halfway through writing the combination before.
    reader.read_until(released(KEY_LEFTSHIFT), 30, quiet=0)
    return reader


def unplug_during_pause(env):
    monitor = BusMonitor(env, "getCurrentProfile")
    try:
        idle = halvanectl(env, "profile")
        reader = start_long_pause(env)
        during = halvanectl(env, "profile")
        held_in_pause = held_keys(reader.fd)
        env.vkbd.send("unplug")
        wait_for(lambda: not helper_hidraw_files(env.helper), 30, "the helper closing the nodes")
        time.sleep(0.2)  # the helper lets go of its keys right after it closes the nodes
        held_after = held_keys(reader.fd)
        # Read on past the pause's end, where the rest of the macro would have come.
        pause_end = reader.keys()[0][0] + LONG_PAUSE_MS / 1000
        reader.read_until(lambda keys: time.time() > pause_end + 1.0, 30)
        reader.close()
        trips = monitor.round_trips()
    finally:
        monitor.stop()
    env.vkbd.send("plug")
    plug_under_udev(env, UDEV["with_entry"])
    return {"events": reader.events, "held_in_pause": held_in_pause, "held_after": held_after,
            "profile_idle": idle, "profile_during": during, "round_trips": trips}


def sigterm(env, reader):
    """SIGTERM to the helper: how long it took to exit (None: it did not), and its exit code.
    A new helper takes its place, with the keyboard."""
    pidfd = os.pidfd_open(env.helper.pid)  # readable the moment the process exits
    signalled, started = time.time(), time.monotonic()
    env.helper.send_signal(signal.SIGTERM)
    # The node's events are read meanwhile: once the helper's device is gone, evdev hands out
    # none of those still queued.
    end, exited = started + 30, False
    while not exited and time.monotonic() < end:
        waiting = [pidfd] + ([] if reader.gone else [reader.fd])
        ready = select.select(waiting, [], [], end - time.monotonic())[0]
        exited = pidfd in ready
        if reader.fd in ready:
            reader.poll(0)
    took = time.monotonic() - started
    os.close(pidfd)
    env.helper.wait(30)
    reader.read_until(lambda keys: reader.gone, 10, quiet=0)
    reader.close()
    result = {"signalled": signalled, "exit_seconds": took if exited else None,
              "exit_code": env.helper.returncode, "events": reader.events,
              "node_removed": reader.gone}
    env.start_helper()
    plug_under_udev(env, UDEV["with_entry"])
    return result


def sigterm_during_pause(env):
    reader = start_long_pause(env)
    held_in_pause = held_keys(reader.fd)
    result = sigterm(env, reader)
    result.update(held_in_pause=held_in_pause)
    return result


def case_stop_during_macro(env):
    return {"unplug": unplug_during_pause(env), "sigterm": sigterm_during_pause(env)}


def doctor(env):
    report = halvanectl(env, "doctor")
    report.update(hidraw=[n["devnode"] for n in hidraw_nodes()], input=keyboard_input_nodes())
    return report


def case_doctor(env):
    result = {}
    for with_entry in with_entry_first_if_current():
        plug_under_udev(env, with_entry)
        result["with_entry" if with_entry else "without_entry"] = doctor(env)
    return result


HWDB_REPORTS = ["report 00 00 f8 00 00 00 00 00", "release", "report 00 00 f9 00 00 00 00 00",
                "release", "report 00 00 fb 00 00 00 00 00", "release",
                "report 00 00 04 00 00 00 00 00", "release"]


def kernel_keyboard_events(env, with_entry):
    plug_under_udev(env, with_entry)
    node = input_node("Halvane Keyboard", "/input0")
    reader = EventReader(node)
    env.vkbd.send(*HWDB_REPORTS)
    # Key A, pressed last, ends the sequence on every node: the reports all arrived.
    reader.read_until(released(KEY_A), 30)
    reader.close()
    return {"node": node, "properties": udev_properties(node), "events": reader.events}


def udev_done(devnode):
    """udev has handled the device now behind devnode. Its database record is kept by device
    number, which a new device may take over from a removed one: only a record written after
    the node was made (and its owner and mode set) is the new device's."""
    try:
        node = os.stat(devnode)
        record = os.stat(f"/run/udev/data/c{os.major(node.st_rdev)}:{os.minor(node.st_rdev)}")
    except FileNotFoundError:
        return False
    return record.st_mtime_ns >= node.st_ctime_ns


def with_entry_first_if_current():
    """Both udevd states, the one now running first: each change costs a new udevd and a
    replug."""
    return sorted((True, False), key=lambda with_entry: with_entry != UDEV["with_entry"])


def case_hwdb(env):
    return {("with_entry" if with_entry else "without_entry"): kernel_keyboard_events(env, with_entry)
            for with_entry in with_entry_first_if_current()}


def type_text(env, text, done):
    """A text typed through the uinput typist in a German layout (XKB_DEFAULT_LAYOUT) while its
    device's evdev node is read: the node's events, what the typist said, and the seconds from
    "go" to its last key."""
    typist = subprocess.Popen([TEXT_TYPIST, text], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              env=dict(env.env, XKB_DEFAULT_LAYOUT="de"), text=True,
                              encoding="utf-8")
    try:
        said = typist.stdout.readline().split()
        if len(said) != 2 or said[0] != "node":
            return {"said": said}
        node = said[1]
        wait_for(lambda: os.path.exists(node), 10, node)
        reader = EventReader(node)
        lines = []
        # The typist's words come while the node is read: a reader that stops reading loses keys.
        words = threading.Thread(target=lambda: lines.extend(
            [typist.stdout.readline().strip(), typist.stdout.readline().strip()]))
        words.start()
        started = time.time()
        typist.stdin.write("go\n")
        typist.stdin.flush()
        events = reader.read_until(done, 60)
        words.join(10)
        reader.close()
        typist.stdin.write("quit\n")
        typist.stdin.flush()
        typist.wait(10)
        keys = [e for e in events if e[1] == EV_KEY]
        seconds = keys[-1][0] - started if keys else None
        return {"node": node, "events": events, "said": lines, "seconds": seconds}
    finally:
        if typist.poll() is None:
            typist.kill()


def character_presses(keys):
    """Presses of keys other than Shift and AltGr: one per character typed."""
    return [k for k in keys if k[3] == 1 and k[2] not in (KEY_LEFTSHIFT, KEY_RIGHTALT)]


def case_text_layout(env):
    result = type_text(env, "zy@ä✓", key_count(10))
    # 1,000 characters of the layout at the typist's pace: how fast, and whether all arrive
    # (the kernel drops events, and says so with SYN_DROPPED, when a reader falls behind).
    text = ("Grüße, naive Straße! " * 50)[:1000]
    long = type_text(env, text, lambda keys: len(character_presses(keys)) >= len(text))
    events = long.pop("events", [])
    long["presses"] = len(character_presses([e for e in events if e[1] == EV_KEY]))
    long["dropped"] = sum(1 for e in events if e[1] == EV_SYN and e[2] == SYN_DROPPED)
    result["long"] = long
    return result


CASES = [case_hidraw_found, case_macro, case_mouse_steps, case_profile_switch, case_media_and_eject,
         case_udev_rule, case_permission, case_replug, case_stop_during_macro, case_doctor,
         case_hwdb, case_text_layout]


def run_cases(env):
    for case in CASES:
        name = case.__name__[len("case_"):]
        log(f"case {name}")
        try:
            result = case(env)
        except Exception:
            result = {"error": traceback.format_exc()}
            log(result["error"])
        result["helper_alive"] = env.helper.poll() is None
        json.dump(result, open(f"{RESULTS}/{name}.json", "w"), indent=1)


def run_bench(env):
    log("benchmark")
    with open(f"{RESULTS}/bench.log", "wb") as out:
        subprocess.run([BENCH, f"--benchmark_out={RESULTS}/bench.json",
                        "--benchmark_out_format=json"], env=dict(env.env, HALVANE_IN_GUEST="1"),
                       stdout=out, stderr=subprocess.STDOUT)


def main():
    try:
        env = Environment(CONFIG["mode"])
        (run_bench if CONFIG["mode"] == "bench" else run_cases)(env)
        if env.vkbd:
            env.vkbd.send("quit")
            env.vkbd.process.wait(30)
        env.helper.send_signal(signal.SIGTERM)
        env.helper.wait(30)
        log(f"helper exit code {env.helper.returncode}")
        if "HALVANE_TRACE" in env.env:
            with open(env.env["HALVANE_TRACE"], "rb") as trace:
                open(f"{RESULTS}/trace.jsonl", "wb").write(trace.read())
    except Exception:
        log(traceback.format_exc())
    open(f"{RESULTS}/done", "w").write(f"{time.monotonic() - STARTED:.1f}\n")


main()
