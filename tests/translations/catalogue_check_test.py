#!/usr/bin/env python3
"""The catalogue check finds each kind of fault in small catalogues and sources of its own, and
passes them once the fault is gone."""
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
import catalogue_check  # noqa: E402

LUPDATE = sys.argv.pop(1) if len(sys.argv) > 1 else "lupdate"

HEADER = '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' \
         '<TS version="2.1" language="{language}" sourcelanguage="en">\n'


def catalogue(folder, language, *messages, context="Window"):
    body = "".join(m if m.startswith("<message") else f"<message>{m}</message>\n"
                   for m in messages)
    text = HEADER.format(language=language) + \
        f"<context><name>{context}</name>\n{body}</context>\n</TS>\n"
    (Path(folder) / f"halvane_{language}.ts").write_text(text, encoding="utf-8")


def message(source, translation=None, numerus=None):
    if numerus is not None:
        forms = "".join(f"<numerusform>{f}</numerusform>" for f in numerus)
        return f'<message numerus="yes"><source>{source}</source>' \
               f'<translation>{forms}</translation></message>'
    if translation is None:
        return f'<source>{source}</source><translation type="unfinished"></translation>'
    return f"<source>{source}</source><translation>{translation}</translation>"


class CatalogueCheckFindsFaults(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.dir = self.folder.name

    def test_placeholders_and_accelerator_counts(self):
        cases = [
            (message("Waits %1 ms", "Wartet ms"), 1),
            (message("Waits %1 ms", "Wartet %L1 ms"), 1),
            (message("&amp;Quit", "Beenden"), 1),
            (message("Drag &amp;&amp; drop", "Ziehen &amp;&amp; ablegen"), 0),
            (message("%n steps", numerus=["%n Schritt", "Schritte"]), 1),
            (message("Waits %1 ms", "Wartet %1 ms"), 0),
            (message("Waits %1 ms"), 0),
        ]
        for text, faults in cases:
            with self.subTest(text=text):
                catalogue(self.dir, "de", text)
                self.assertEqual(len(catalogue_check.check_placeholders(self.dir)), faults)

    def test_duplicate_accelerators_in_one_context(self):
        cases = [
            ([message("&amp;Open", "&amp;Öffnen"), message("&amp;Quit", "&amp;Beenden")], 0),
            ([message("&amp;Open", "&amp;Öffnen"), message("&amp;Quit", "B&amp;eenden")], 0),
            ([message("&amp;Open", "Ö&amp;ffnen"), message("&amp;Find", "&amp;Finden")], 1),
            ([message("&amp;Open"), message("&amp;options")], 2),
        ]
        for messages, faults in cases:
            with self.subTest(messages=messages):
                catalogue(self.dir, "de", *messages)
                self.assertEqual(len(catalogue_check.check_accelerators(self.dir)), faults)

    def test_unfinished_messages(self):
        catalogue(self.dir, "de", message("Open", "Öffnen"), message("Quit"))
        self.assertEqual(len(catalogue_check.check_finished(self.dir)), 1)
        catalogue(self.dir, "de", message("Open", "Öffnen"), message("Quit", "Beenden"))
        self.assertEqual(catalogue_check.check_finished(self.dir), [])

    def test_catalogues_out_of_step_with_the_sources(self):
        sources = Path(self.dir) / "src"
        sources.mkdir()
        (sources / "Window.cpp").write_text(
            'void f() { QCoreApplication::translate("Window", "Open"); }\n')
        ts = Path(self.dir) / "ts"
        ts.mkdir()

        def faults(languages=("de",)):
            return catalogue_check.check_current(ts, list(languages), LUPDATE, sources,
                                                 ["-locations", "none", "."])

        catalogue(ts, "en")  # English holds only plural forms; the sources have none yet
        catalogue(ts, "de", message("Open", "Öffnen"), message("Close", "Schließen"))
        self.assertEqual(len(faults()), 1, "a vanished text")
        catalogue(ts, "de", message("Close", "Schließen"), context="Other")
        self.assertEqual(len(faults()), 2, "a missing and a vanished text")
        catalogue(ts, "de", message("Open", "Öffnen"))
        self.assertEqual(faults(), [])
        self.assertEqual(len(faults(("de", "fr"))), 1, "a missing catalogue")
        (sources / "Window.cpp").write_text(
            'void f(int n) { QCoreApplication::translate("Window", "Open");\n'
            '  QCoreApplication::translate("Window", "%n files", "", n); }\n')
        catalogue(ts, "de", message("Open", "Öffnen"),
                  message("%n files", numerus=["%n Datei", "%n Dateien"]))
        self.assertEqual(len(faults()), 1, "a plural text missing from English")
        catalogue(ts, "en", message("%n files", numerus=["%n file", "%n files"]))
        self.assertEqual(faults(), [])
        (sources / "Window.cpp").write_text(
            'class Window { void f() { tr("Open"); } };\n')
        self.assertTrue(any("lupdate" in f for f in faults()), "a text lupdate cannot place")


if __name__ == "__main__":
    unittest.main()
