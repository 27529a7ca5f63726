#!/usr/bin/env python3
# Measures the built helper from outside: start to the server name on the bus, report-to-key-event
# latency through a virtual keyboard and the trace, resident memory and idle CPU time.
# Usage: scripts/with-session python3 bench/helper_e2e/measure_helper.py [presses] [idle seconds]
import os, socket, subprocess, tempfile, time, plistlib, statistics, sys, shutil
root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
helper = root + "/build/bundles/HalvaneHelper.app/Contents/MacOS/HalvaneHelper"
presses = int(sys.argv[1]) if len(sys.argv) > 1 else 2000
idle = int(sys.argv[2]) if len(sys.argv) > 2 else 60
home = tempfile.mkdtemp(); run = tempfile.mkdtemp(); os.chmod(run, 0o700)
bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE, text=True)
addr = bus.stdout.readline().strip()
with open(root + "/shared/defaults.plist", "rb") as f: s = plistlib.load(f)
k = s["Profiles"][0]["MacroKeys"][0]; k["ActionType"] = "ExecuteMacro"; k["KeyCombo"]["keyCode0"] = 0; k["KeyCombo"]["modifiers0"] = 0
s["ShowChangesOnScreen"] = False
settings = home + "/settings.plist"
with open(settings, "wb") as f: plistlib.dump(s, f)
kbd = run + "/halvane/keyboards"; os.makedirs(kbd, mode=0o700)
ls = socket.socket(socket.AF_UNIX, socket.SOCK_SEQPACKET); ls.bind(kbd + "/1209-4856-0001-0006-bench.sock"); ls.listen(1)
trace = home + "/trace.jsonl"
env = dict(os.environ, HALVANE_SETTINGS=settings, HOME=home, XDG_RUNTIME_DIR=run, DBUS_SESSION_BUS_ADDRESS=addr, HALVANE_TRACE=trace, QT_QPA_PLATFORM="offscreen")
env.pop("DISPLAY", None)
t0 = time.monotonic()
p = subprocess.Popen([helper], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
while True:
    r = subprocess.run(["dbus-send", "--bus=" + addr, "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:com.halvane.keyboard.HVKeyboardServer"], capture_output=True, text=True)
    if "true" in r.stdout: break
    time.sleep(0.002)
startup = time.monotonic() - t0
conn, _ = ls.accept()
time.sleep(0.5)
lat = []
fd = os.open(trace, os.O_RDONLY)
for i in range(presses):
    size = os.fstat(fd).st_size
    t = time.perf_counter_ns()
    conn.send(bytes([0, 0, 0xf1, 0, 0, 0, 0, 0]))
    while True:
        if os.fstat(fd).st_size > size:
            os.lseek(fd, size, 0); chunk = os.read(fd, 4096)
            if b'"keyboardEvent"' in chunk: break
            size += len(chunk)
    lat.append((time.perf_counter_ns() - t) / 1000)
    conn.send(bytes(8))
    time.sleep(0.0005)
lat.sort()
def rss(): return int([l for l in open(f"/proc/{p.pid}/status") if l.startswith("VmRSS")][0].split()[1])
def cpu():
    f = open(f"/proc/{p.pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(f[11]) + int(f[12])) / os.sysconf("SC_CLK_TCK")
time.sleep(1)
r0, c0 = rss(), cpu(); time.sleep(idle); c1 = cpu()
print(f"start to server name on the bus: {startup*1000:.0f} ms")
print(f"report to first traced key event over {presses} presses: median {statistics.median(lat):.0f} us, p99 {lat[int(len(lat)*0.99)-1]:.0f} us")
print(f"resident memory after start-up and the presses: {r0/1024:.1f} MiB")
print(f"CPU time over {idle} idle seconds: {(c1-c0)*1000:.0f} ms")
p.terminate(); p.wait(); bus.terminate(); shutil.rmtree(home); shutil.rmtree(run)
