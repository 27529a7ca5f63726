#!/usr/bin/env python3
"""Checks the translation catalogues (translations/halvane_<lang>.ts).

  catalogue_check.py current <ts dir> <languages> <lupdate> <source dir> -- <lupdate arguments>
      the catalogues are those of the languages and hold exactly the texts of the sources:
      lupdate, run over the sources into copies, finds nothing new and nothing vanished, and
      warns of no text it cannot place
  catalogue_check.py placeholders <ts dir>
      every translation keeps its source's placeholders (%1..%9, %L1, %n) and accelerator count
  catalogue_check.py accelerators <ts dir>
      within one context (a window, dialog or menu) no two texts share an accelerator, in English
      and in each language
  catalogue_check.py finished <ts dir>
      every text of every language is translated

Prints one line per fault and exits 1 when there is one.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?[1-9]|%n")
# "&&" is a literal ampersand; "&x" marks x as the accelerator.
ACCELERATOR = re.compile(r"&(.)")


class Message:
    def __init__(self, context, element):
        self.context = context
        self.source = element.findtext("source") or ""
        self.comment = element.findtext("comment") or ""
        self.extra = element.findtext("extracomment") or ""
        self.numerus = element.get("numerus") == "yes"
        translation = element.find("translation")
        self.type = translation.get("type", "") if translation is not None else "unfinished"
        if translation is None:
            self.forms = []
        elif self.numerus:
            self.forms = [form.text or "" for form in translation.findall("numerusform")]
        else:
            self.forms = [translation.text or ""]

    def key(self):
        return (self.context, self.source, self.comment)

    def name(self):
        comment = f" ({self.comment})" if self.comment else ""
        return f"{self.context}: \"{self.source}\"{comment}"

    def translated(self):
        return self.type not in ("unfinished", "vanished", "obsolete") and all(self.forms) and \
            bool(self.forms)


def read_catalogue(path):
    root = ElementTree.parse(path).getroot()
    messages = []
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        messages += [Message(name, element) for element in context.findall("message")]
    return root.get("language", ""), messages


SOURCE_LANGUAGE = "en"


def catalogues(folder):
    return sorted(Path(folder).glob("halvane_*.ts"))


def accelerators(text):
    return ACCELERATOR.findall(text.replace("&&", ""))


def check_current(folder, languages, lupdate, source_dir, arguments):
    faults = []
    files = catalogues(folder)
    # The source language's catalogue holds only plural forms (lupdate -pluralonly).
    expected = {f"halvane_{language}.ts" for language in [*languages, SOURCE_LANGUAGE]}
    present = {path.name for path in files}
    faults += [f"{name}: missing" for name in sorted(expected - present)]
    faults += [f"{name}: not a language of the build" for name in sorted(present - expected)]
    for path in files:
        language, _ = read_catalogue(path)
        if f"halvane_{language}.ts" != path.name:
            faults.append(f"{path.name}: language=\"{language}\" does not match its name")
    with tempfile.TemporaryDirectory() as temporary:
        copies = []
        for path in files:
            copies.append(Path(temporary) / path.name)
            shutil.copy(path, copies[-1])
        if not copies:
            return faults
        plural_only = [c for c in copies if c.name == f"halvane_{SOURCE_LANGUAGE}.ts"]
        translated = [c for c in copies if c not in plural_only]
        for group, extra in ((translated, []), (plural_only, ["-pluralonly"])):
            if not group:
                continue
            run = subprocess.run([lupdate, "-silent", *arguments, *extra, "-ts", *map(str, group)],
                                 cwd=source_dir, capture_output=True, text=True)
            if run.returncode != 0:
                return faults + [f"lupdate failed: {run.stderr.strip()}"]
            faults += [f"lupdate: {line}" for line in run.stderr.splitlines() if line.strip()]
        for path, copy in zip(files, copies):
            _, committed = read_catalogue(path)
            _, refreshed = read_catalogue(copy)
            old = {m.key(): m for m in committed if m.type not in ("vanished", "obsolete")}
            new = {m.key(): m for m in refreshed if m.type not in ("vanished", "obsolete")}
            faults += [f"{path.name}: {m.name()} is no longer in the sources"
                       for m in committed if m.type in ("vanished", "obsolete")]
            faults += [f"{path.name}: {new[k].name()} is missing"
                       for k in new if k not in old]
            faults += [f"{path.name}: {old[k].name()} is no longer in the sources"
                       for k in old if k not in new]
            faults += [f"{path.name}: {new[k].name()} has a changed comment or plural form"
                       for k in new if k in old and
                       (old[k].extra, old[k].numerus) != (new[k].extra, new[k].numerus)]
    return faults


def check_placeholders(folder):
    faults = []
    for path in catalogues(folder):
        _, messages = read_catalogue(path)
        for message in messages:
            wanted = set(PLACEHOLDER.findall(message.source))
            count = len(accelerators(message.source))
            for form in filter(None, message.forms):
                found = set(PLACEHOLDER.findall(form))
                if found != wanted:
                    faults.append(f"{path.name}: {message.name()} has placeholders "
                                  f"{sorted(found)} instead of {sorted(wanted)}: \"{form}\"")
                if len(accelerators(form)) != count:
                    faults.append(f"{path.name}: {message.name()} has "
                                  f"{len(accelerators(form))} accelerators instead of {count}: "
                                  f"\"{form}\"")
    return faults


def duplicate_accelerators(label, texts_by_context):
    faults = []
    for context, texts in texts_by_context.items():
        seen = {}
        for text in texts:
            for key in accelerators(text):
                key = key.lower()
                if key in seen and seen[key] != text:
                    faults.append(f"{label}: {context}: \"{seen[key]}\" and \"{text}\" share "
                                  f"the accelerator {key}")
                seen.setdefault(key, text)
    return faults


def check_accelerators(folder):
    faults = []
    files = catalogues(folder)
    if files:
        _, messages = read_catalogue(files[0])
        english = {}
        for message in messages:
            english.setdefault(message.context, []).append(message.source)
        faults += duplicate_accelerators("English", english)
    for path in files:
        _, messages = read_catalogue(path)
        shown = {}
        for message in messages:
            texts = message.forms if message.translated() else [message.source]
            shown.setdefault(message.context, []).extend(texts)
        faults += duplicate_accelerators(path.name, shown)
    return faults


def check_finished(folder):
    faults = []
    for path in catalogues(folder):
        _, messages = read_catalogue(path)
        left = [m for m in messages if not m.translated()]
        faults += [f"{path.name}: {m.name()} is not translated" for m in left]
    return faults


def main(argv):
    check, folder = argv[1], argv[2]
    if check == "current":
        separator = argv.index("--")
        languages, lupdate, source_dir = argv[3].split(";"), argv[4], argv[5]
        faults = check_current(folder, languages, lupdate, source_dir, argv[separator + 1:])
    else:
        faults = {"placeholders": check_placeholders, "accelerators": check_accelerators,
                  "finished": check_finished}[check](folder)
    for fault in faults:
        print(fault)
    if check == "current" and faults:
        print("Refresh the catalogues: cmake --build build --target halvane_lupdate")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
