#!/usr/bin/env python3
"""Boots the kernel tier's guest once and leaves what it saw in the results folder.

  run_guest.py --source DIR --build DIR --results DIR [--mode cases|bench] [--timeout S]

The guest is Debian's own kernel (linux-image-amd64, fetched with apt-get download and unpacked
under <build>/kernel-cache/<package>_<version>, never installed), booted by QEMU with a busybox
initramfs made here. It sees this machine's root read-only over virtio-9p, so it runs the build
tree, udevd, dbus-daemon and python3 from here, and writes into the results folder, which is
shared writable. guest_cases.py does the work inside.

When the guest cannot be had (no QEMU, no kernel package), the results folder gets a file
"skipped" holding the reason in one line, the line is printed, and the exit status is 0: the
tests that read the results then skip with that reason. A guest that boots but does not finish
is a failure.
"""

import argparse
import glob
import hashlib
import json
import lzma
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time

# Loaded in this order by the guest's init: virtio-pci carries the 9p shares; hid, uhid and
# hid-generic make the keyboard; uinput and evdev carry the helper's keys back.
MODULES = ("virtio_ring virtio virtio_pci_modern_dev virtio_pci_legacy_dev virtio_pci netfs "
           "fscache 9pnet 9pnet_virtio 9p hid uhid hid-generic uinput evdev").split()
KERNEL_META_PACKAGE = "linux-image-amd64"
BUSYBOX = "/bin/busybox"
QEMU = "qemu-system-x86_64"
# The guest mounts its own tmpfs here (guest_init.sh), hiding what the host has there.
GUEST_OWN = ("/tmp/", "/run/", "/var/tmp/", "/etc/udev/")


class Unavailable(Exception):
    """The guest cannot be had on this machine; the message says why."""


def run(args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def kernel_package():
    """The versioned kernel package the meta package stands for, and its version."""
    try:
        depends = run(["apt-cache", "depends", KERNEL_META_PACKAGE])
    except (OSError, subprocess.CalledProcessError):
        raise Unavailable(f"apt-cache knows no {KERNEL_META_PACKAGE} (run apt-get update)")
    names = [line.split(":", 1)[1].strip() for line in depends.splitlines()
             if line.strip().startswith("Depends:") and "linux-image-" in line]
    if not names:
        raise Unavailable(f"apt-cache names no kernel for {KERNEL_META_PACKAGE}")
    name = names[0]
    show = run(["apt-cache", "show", "--no-all-versions", name])
    versions = [line.split(":", 1)[1].strip() for line in show.splitlines()
                if line.startswith("Version:")]
    if not versions:
        raise Unavailable(f"apt-cache gives no version of {name}")
    return name, versions[0]


def cached_kernels(cache):
    return sorted(d for d in glob.glob(os.path.join(cache, "linux-image-*"))
                  if os.path.exists(os.path.join(d, "complete")))


def fetch_kernel(cache):
    """A folder with vmlinuz and modules/<name>.ko, unpacked once per package version."""
    try:
        name, version = kernel_package()
    except Unavailable:
        # Without the package lists, a kernel fetched earlier still serves.
        kept = cached_kernels(cache)
        if kept:
            return kept[-1]
        raise
    folder = os.path.join(cache, f"{name}_{version}")
    if os.path.exists(os.path.join(folder, "complete")):
        return folder
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(os.path.join(folder, "modules"))
    with tempfile.TemporaryDirectory(dir=cache) as work:
        try:
            run(["apt-get", "download", f"{name}={version}"], cwd=work)
        except (OSError, subprocess.CalledProcessError) as error:
            shutil.rmtree(folder, ignore_errors=True)
            detail = getattr(error, "stderr", "") or str(error)
            raise Unavailable(f"apt-get download {name} failed: {detail.strip().splitlines()[-1]}")
        deb = glob.glob(os.path.join(work, "*.deb"))[0]
        tree = os.path.join(work, "tree")
        run(["dpkg-deb", "-x", deb, tree])
        shutil.copy(glob.glob(os.path.join(tree, "boot", "vmlinuz-*"))[0],
                    os.path.join(folder, "vmlinuz"))
        for module in MODULES:
            # Module files use '-' or '_' as the module name does; newer kernels compress them,
            # and busybox insmod wants them plain.
            pattern = module.replace("-", "[-_]") + ".ko*"
            found = glob.glob(os.path.join(tree, "lib", "modules", "*", "kernel", "**", pattern),
                              recursive=True)
            if not found:
                shutil.rmtree(folder, ignore_errors=True)
                raise Unavailable(f"{name} has no module {module}")
            data = open(found[0], "rb").read()
            if found[0].endswith(".xz"):
                data = lzma.decompress(data)
            elif found[0].endswith(".zst"):
                data = subprocess.run(["zstd", "-dc", found[0]], check=True,
                                      capture_output=True).stdout
            with open(os.path.join(folder, "modules", module + ".ko"), "wb") as out:
                out.write(data)
    open(os.path.join(folder, "complete"), "w").write(f"{name} {version}\n")
    return folder


def busybox_static():
    """The initramfs runs busybox without any library, so it must be the static build."""
    try:
        status = run(["dpkg-query", "-W", "-f=${Status}", "busybox-static"])
    except (OSError, subprocess.CalledProcessError):
        return False
    return status.endswith("installed") and os.path.exists(BUSYBOX)


def cpio_newc(entries):
    """An uncompressed initramfs archive of (name, bytes, mode) entries."""
    out = bytearray()
    for inode, (name, data, mode) in enumerate(entries + [("TRAILER!!!", b"", 0)], start=1):
        encoded = name.encode() + b"\0"
        fields = [inode, mode, 0, 0, 1, 0, len(data), 0, 0, 0, 0, len(encoded), 0]
        out += b"070701" + "".join(f"{v:08x}" for v in fields).encode() + encoded
        out += b"\0" * (-(110 + len(encoded)) % 4)
        out += data + b"\0" * (-len(data) % 4)
    return bytes(out)


def initramfs(kernel, source):
    """busybox, the init script and the modules; made again when any of them changes."""
    init = open(os.path.join(source, "tests", "kernel", "guest_init.sh"), "rb").read()
    busybox = open(BUSYBOX, "rb").read()
    key = hashlib.sha256(init + busybox).hexdigest()[:16]
    path = os.path.join(kernel, f"initramfs-{key}.cpio")
    if os.path.exists(path):
        return path
    directory = stat.S_IFDIR | 0o755
    entries = [(d, b"", directory) for d in ("bin", "dev", "proc", "sys", "host", "modules")]
    entries.append(("bin/busybox", busybox, stat.S_IFREG | 0o755))
    entries.append(("init", init, stat.S_IFREG | 0o755))
    for module in MODULES:
        data = open(os.path.join(kernel, "modules", module + ".ko"), "rb").read()
        entries.append((f"modules/{module}.ko", data, stat.S_IFREG | 0o644))
    for old in glob.glob(os.path.join(kernel, "initramfs-*.cpio")):
        os.remove(old)
    with open(path + ".tmp", "wb") as out:
        out.write(cpio_newc(entries))
    os.rename(path + ".tmp", path)
    return path


def compiled_hwdb(cache, source):
    """This machine's hwdb with the product's entry added, compiled for the guest's udevd.
    The guest's control case uses this machine's own hwdb.bin, which lacks the entry."""
    ours = open(os.path.join(source, "packaging", "70-halvane.hwdb"), "rb").read()
    system = sorted(glob.glob("/lib/udev/hwdb.d/*.hwdb"))
    digest = hashlib.sha256(ours)
    for path in system:
        digest.update(path.encode() + open(path, "rb").read())
    root = os.path.join(cache, "hwdb-" + digest.hexdigest()[:16])
    binary = os.path.join(root, "etc", "udev", "hwdb.bin")
    if os.path.exists(binary):
        return binary
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(os.path.join(root, "etc", "udev", "hwdb.d"))
    os.makedirs(os.path.join(root, "lib", "udev", "hwdb.d"))
    for path in system:
        shutil.copy(path, os.path.join(root, "lib", "udev", "hwdb.d"))
    open(os.path.join(root, "etc", "udev", "hwdb.d", "70-halvane.hwdb"), "wb").write(ours)
    run(["systemd-hwdb", "update", "--strict", "--root", root])
    return binary


def boot(kernel, initrd, results, cases, timeout):
    console = os.path.join(results, "console.log")
    # TCG unless asked: these machines offer a /dev/kvm that QEMU opens but whose guests hang
    # in the firmware, which no cheap probe tells apart from a working one.
    accel = "kvm" if os.environ.get("HALVANE_KERNEL_KVM") == "1" else "tcg"
    command = [
        QEMU, "-machine", "q35", "-accel", accel, "-cpu", "max", "-smp", "1", "-m", "1536",
        "-nographic", "-no-reboot", "-nic", "none",
        "-kernel", os.path.join(kernel, "vmlinuz"), "-initrd", initrd,
        "-append", f"console=ttyS0 quiet panic=-1 halvane.results={results} "
                   f"halvane.cases={cases}",
        "-virtfs", "local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap",
        "-virtfs", f"local,path={results},mount_tag=results,security_model=none,multidevs=remap",
    ]
    started = time.monotonic()
    with open(console, "wb") as log:
        try:
            subprocess.run(command, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                           timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
    return time.monotonic() - started


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--results", required=True)
    parser.add_argument("--mode", choices=("cases", "bench"), default="cases")
    parser.add_argument("--timeout", type=float, default=400)
    options = parser.parse_args()
    results = os.path.abspath(options.results)
    shutil.rmtree(results, ignore_errors=True)
    os.makedirs(results)
    cache = os.path.join(os.path.abspath(options.build), "kernel-cache")
    os.makedirs(cache, exist_ok=True)

    try:
        for path in (options.source, options.build, results):
            if any(os.path.abspath(path).startswith(hidden) for hidden in GUEST_OWN):
                raise Unavailable(f"{path} lies where the guest has folders of its own")
        if not shutil.which(QEMU):
            raise Unavailable(f"{QEMU} is not installed (scripts/packages/tests-kernel.list)")
        if not busybox_static():
            raise Unavailable("busybox-static is not installed (scripts/packages/tests-kernel.list)")
        kernel = fetch_kernel(cache)
        initrd = initramfs(kernel, options.source)
        hwdb = compiled_hwdb(cache, options.source)
    except Unavailable as why:
        line = f"kernel tier skipped: {why}"
        open(os.path.join(results, "skipped"), "w").write(line + "\n")
        print(line)
        return 0

    config = {
        "mode": options.mode,
        "source": os.path.abspath(options.source),
        "build": os.path.abspath(options.build),
        "results": results,
        "hwdb": hwdb,
        "kernel": open(os.path.join(kernel, "complete")).read().strip(),
    }
    json.dump(config, open(os.path.join(results, "config.json"), "w"), indent=1)
    cases = os.path.join(config["source"], "tests", "kernel", "guest_cases.py")
    took = boot(kernel, initrd, results, cases, options.timeout)
    console = open(os.path.join(results, "console.log"), errors="replace").read()
    if took is None or not os.path.exists(os.path.join(results, "done")):
        why = "did not finish in time" if took is None else "stopped before the end"
        print(f"the guest {why}; its console:\n" + console[-6000:])
        return 1
    print(f"guest ({config['kernel']}) ran for {took:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
