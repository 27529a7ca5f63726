#!/usr/bin/env python3
"""The layering check finds each kind of fault in a small tree, and nothing in a sound one."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layering_check  # noqa: E402


def tree(files):
    root = tempfile.mkdtemp()
    for path, text in files.items():
        os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
        with open(os.path.join(root, path), "w", encoding="utf-8") as f:
            f.write(text)
    return root, sorted(files)


class LayeringCheckTest(unittest.TestCase):
    CASES = [
        # (name, files, expected substring of a finding or None for a sound tree)
        ("sound", {
            "platform/system/log/Log.h": "#include <QString>\n",
            "platform/desktop/overlay/O.cpp": '#include "platform/system/log/Log.h"\n',
            "platform/input/posters/P.cpp": '#include "platform/desktop/wayland/W.h"\n',
            "helper/app/main.cpp": '#include "platform/input/posters/P.h"\n#include <memory>\n',
        }, None),
        ("system includes desktop", {
            "platform/system/control/C.cpp": '#include "platform/desktop/frontapp/F.h"\n',
        }, "from a group built on this one"),
        ("desktop includes input", {
            "platform/desktop/overlay/O.h": '#include "platform/input/keycodes/K.h"\n',
        }, "from a group built on this one"),
        ("cycle inside a group", {
            "platform/desktop/a/A.h": '#include "platform/desktop/b/B.h"\n',
            "platform/desktop/b/B.cpp": '#include "platform/desktop/a/A.h"\n',
        }, "folders include each other: platform/desktop/a -> platform/desktop/b"),
        ("helper includes a Linux header", {
            "helper/hidsystem/H.cpp": "#include <linux/input.h>\n",
        }, "system header <linux/input.h>"),
        ("pane includes X11", {
            "HalvanePrefPanel/widgets/W.cpp": "#  include <X11/Xlib.h>\n",
        }, "system header <X11/Xlib.h>"),
        ("platform includes the helper", {
            "platform/system/log/L.cpp": '#include "helper/controller/Controller.h"\n',
        }, "from above the platform layer"),
    ]

    def test_cases(self):
        for name, files, expected in self.CASES:
            with self.subTest(name):
                root, paths = tree(files)
                findings = layering_check.check(root, paths)
                if expected is None:
                    self.assertEqual(findings, [])
                else:
                    self.assertTrue(any(expected in f for f in findings), findings)


if __name__ == "__main__":
    unittest.main()
