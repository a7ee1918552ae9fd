#!/usr/bin/env python3
"""Fails on any #include under a source tree that points up the layers of the program.

Usage: check-layers.py [SRC]   (SRC defaults to the src/ folder beside this script's folder)

Every quoted include names a folder of src/; a file may include its own folder and the folders
its row below allows. The engine's private headers may be included from inside the engine only,
and Qt only from the platform folders that wrap it (and the program's main()).
"""
import pathlib
import re
import sys

TEXT = {"platform/text"}
VALUES = {"platform/values"} | TEXT
BASICS = {"platform/files", "platform/services", "platform/graphics"} | VALUES
UI = {"platform/ui", "platform/graphics", "platform/files"} | VALUES
SCRIPT = {"platform/script"} | VALUES
GLUE = {"glue", "platform/script", "platform/ui", "platform/services"} | BASICS
CONVERTER = {"converter", "platform/files"} | VALUES
SHELL = {"shell"} | UI
WINDOW = {"window"} | SHELL | GLUE | CONVERTER

ALLOWED = {
    "app": {"app"} | WINDOW,
    "shell": SHELL,
    "window": WINDOW,
    "glue": GLUE,
    "converter": CONVERTER,
    "platform/qt": {"platform/qt"} | UI,
    "platform/headless": {"platform/headless"} | UI,
    "platform/ui": UI,
    "platform/script": SCRIPT,
    "platform/services": {"platform/services"} | VALUES,
    "platform/graphics": {"platform/graphics"} | VALUES,
    "platform/files": {"platform/files"} | VALUES,
    "platform/values": VALUES,
    "platform/text": TEXT,
}

# What code outside the engine may know of it.
SCRIPT_PUBLIC = {"ScriptEngine.h", "ScriptContext.h", "ScriptLanguage.h", "Limits.h"}
# The folders that may include Qt headers; the program's main() may too, to start Qt.
QT_FOLDERS = {"platform/text", "platform/values", "platform/files", "platform/services",
              "platform/graphics", "platform/qt"}
QT_FILES = {"app/main.cpp"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(relative):
    parts = relative.split("/")
    if parts[0] == "platform" and len(parts) > 2:
        return "platform/" + parts[1]
    return parts[0]


def problems_in(src, path):
    relative = path.relative_to(src).as_posix()
    here = folder_of(relative)
    allowed = ALLOWED.get(here)
    if allowed is None:
        yield 0, f"the folder {here} has no row in the layering table"
        return
    for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        kind, target = match.groups()
        if kind == "<":
            if target.startswith("Q") and here not in QT_FOLDERS and relative not in QT_FILES:
                yield number, f"<{target}>: Qt belongs to the platform folders"
            continue
        there = folder_of(target)
        if there == "platform/qt" and relative in QT_FILES:
            continue
        if there not in allowed:
            yield number, f'"{target}": {here} may not include {there}'
        elif (there == "platform/script" and here != "platform/script"
              and target.split("/")[-1] not in SCRIPT_PUBLIC):
            yield number, f'"{target}": outside the engine\'s public face'


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parent.parent / "src")
    count = 0
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        for number, message in problems_in(src, path):
            print(f"{path.relative_to(src).as_posix()}:{number}: {message}")
            count += 1
    if count:
        print(f"{count} include(s) against the layers")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
