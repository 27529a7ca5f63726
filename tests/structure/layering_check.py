#!/usr/bin/env python3
"""Checks the include structure the build relies on but cannot see for itself.

- platform/ groups: system/ includes nothing of desktop/ or input/; desktop/ nothing of input/.
- No cycle between platform service folders (a folder's library may not need itself).
- platform/ and shared/ include nothing of helper/, HalvanePrefPanel/ or tools/.
- helper/ and HalvanePrefPanel/ include no Linux, X11, Wayland, xkbcommon or udev header.
Prints one line per finding and exits 1 when there is any.
"""
import os
import re
import subprocess
import sys

GROUP_RANK = {"system": 0, "desktop": 1, "input": 2}
SYSTEM_HEADERS = re.compile(r"(linux/|X11/|xcb/|wayland-|xkbcommon/|libudev\.h|sys/)")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def folder_of(path):
    """'platform/<group>/<service>' for a platform file, else None."""
    parts = path.split("/")
    if len(parts) >= 4 and parts[0] == "platform" and parts[1] in GROUP_RANK:
        return "/".join(parts[:3])
    return None


def find_cycle(graph):
    state, stack = {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def check(root, files):
    findings, graph = [], {}
    for path in files:
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            text = f.read()
        top = path.split("/")[0]
        here = folder_of(path)
        for kind, target in INCLUDE.findall(text):
            if kind == "<":
                if top in ("helper", "HalvanePrefPanel") and SYSTEM_HEADERS.match(target):
                    findings.append(f"{path}: includes the system header <{target}>")
                continue
            if top in ("platform", "shared") and target.split("/")[0] in (
                    "helper", "HalvanePrefPanel", "tools"):
                findings.append(f"{path}: includes {target} from above the platform layer")
            there = folder_of(target)
            if here and there and here != there:
                graph.setdefault(here, set()).add(there)
                if GROUP_RANK[there.split("/")[1]] > GROUP_RANK[here.split("/")[1]]:
                    findings.append(f"{path}: includes {target}, from a group built on this one")
    cycle = find_cycle(graph)
    if cycle:
        findings.append("folders include each other: " + " -> ".join(cycle))
    return findings


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    files = subprocess.run(["git", "-C", root, "ls-files", "*.cpp", "*.h"], check=True,
                           capture_output=True, text=True).stdout.split()
    findings = check(root, files)
    for line in findings:
        print(line)
    print(f"{len(files)} files checked, {len(findings)} findings")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
