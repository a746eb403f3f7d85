#!/usr/bin/env python3
"""Checks every source folder's includes against the "May call:" line of its README.md.

Each folder that holds C++ sources (.h, .cpp) has a README.md with exactly one list

    May call: `model/`, `platform/`, `shell/messages/`, `hlpkit/`, QtCore.

which may go on over the lines that follow it up to its full stop. Its items, separated by commas, are folders of this tree in backticks (ending in "/", the path
from the tree's root) and libraries by name (see LIBRARIES). A folder may always include its
own headers and the C and C++ standard and system headers. A quoted include names the folder
it comes from by its path ("model/CModes.h" is folder model/); an include in angle brackets of
Qt names its module (<QWidget> is QtWidgets), and the third-party headers below name their
library. The folders a line lists must exist and may not lead back to the folder itself through
other folders' lines: dependencies point down only.

Run: check_layers.py SOURCE_ROOT --qt-include QT_HEADER_FOLDER. Prints every breach, one per
line, and exits with 1 when there is any.
"""

import argparse
import os
import re
import sys

# Libraries a "May call:" line may name besides folders.
LIBRARIES = {"QtCore", "QtGui", "QtWidgets", "QtPrintSupport", "QtTest", "libarchive", "libxlsxwriter", "xcb"}

# Headers of the third-party libraries, by the first part of the included path.
THIRD_PARTY = {
    "archive.h": "libarchive",
    "archive_entry.h": "libarchive",
    "xlsxwriter.h": "libxlsxwriter",
    "xlsxwriter": "libxlsxwriter",
    "xcb": "xcb",
}

# Top-level folders that hold no product code: tests and benchmarks may use every layer.
NOT_CHECKED = {"build", "tests", "bench", "tools", "fuzz", "data", "samples", "docs", "screenshots"}

SOURCE_SUFFIXES = (".h", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
MAY_CALL = re.compile(r"^May call:(.*)$")
FOLDER_ITEM = re.compile(r"^`([A-Za-z0-9_]+(?:/[A-Za-z0-9_]+)*)/`$")


class Checker:
    def __init__(self, root, qt_include):
        self.root = os.path.abspath(root)
        self.qt_include = qt_include
        self.problems = []
        self._qt_modules = None

    def report(self, text):
        self.problems.append(text)

    def source_folders(self):
        """Folders (relative paths with "/") that directly hold .h or .cpp files."""
        folders = []
        for current, dirs, files in os.walk(self.root):
            relative = os.path.relpath(current, self.root).replace(os.sep, "/")
            if relative == ".":
                dirs[:] = sorted(d for d in dirs if d not in NOT_CHECKED and not d.startswith("."))
                continue
            dirs[:] = sorted(d for d in dirs if not d.startswith("."))
            if any(name.endswith(SOURCE_SUFFIXES) for name in files):
                folders.append(relative)
        return sorted(folders)

    def read_allowed(self, folder):
        """The folders and libraries of the folder's "May call:" line; None when it has none."""
        readme = os.path.join(self.root, folder, "README.md")
        if not os.path.isfile(readme):
            self.report(f"{folder}/: no README.md with a 'May call:' line")
            return None
        with open(readme, encoding="utf-8") as stream:
            lines = stream.read().splitlines()
        starts = [index for index, line in enumerate(lines) if MAY_CALL.match(line)]
        if len(starts) != 1:
            self.report(f"{folder}/README.md: {len(starts)} 'May call:' lines, exactly one wanted")
            return None
        # The list may go on over the following lines up to the full stop that ends it.
        start = starts[0]
        where = f"{folder}/README.md:{start + 1}"
        text = MAY_CALL.match(lines[start]).group(1).strip()
        end = start
        while not text.endswith(".") and end + 1 < len(lines) and lines[end + 1].strip():
            end += 1
            text += " " + lines[end].strip()
        if not text.endswith("."):
            self.report(f"{where}: the 'May call:' list ends with a full stop")
            return None
        folders, libraries = set(), set()
        for item in (part.strip() for part in text[:-1].split(",")):
            folder_match = FOLDER_ITEM.match(item)
            if folder_match:
                folders.add(folder_match.group(1))
            elif item in LIBRARIES:
                libraries.add(item)
            else:
                self.report(f"{where}: '{item}' is neither a folder in backticks ending in '/' "
                            f"nor one of {', '.join(sorted(LIBRARIES))}")
        return folders, libraries

    def qt_module(self, header):
        """The Qt module of an angle-bracket include, or None when it is no Qt header."""
        first = header.split("/")[0]
        if self._qt_modules is None:
            self._qt_modules = {}
            if self.qt_include and os.path.isdir(self.qt_include):
                for module in sorted(os.listdir(self.qt_include)):
                    module_dir = os.path.join(self.qt_include, module)
                    if module.startswith("Qt") and os.path.isdir(module_dir):
                        self._qt_modules[module] = module
                        for name in os.listdir(module_dir):
                            self._qt_modules.setdefault(name, module)
        if "/" in header:
            return first if first.startswith("Qt") and first in self._qt_modules else None
        if header in self._qt_modules:
            return self._qt_modules[header]
        if header.startswith("Q") and header[1:2].isupper():
            # A Qt header the installed Qt does not have is still a Qt header, and no module
            # can be told for it: it must be named precisely.
            return "an unknown Qt module"
        return None

    def check_includes(self, folder, folders, libraries):
        directory = os.path.join(self.root, folder)
        for name in sorted(os.listdir(directory)):
            if not name.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(directory, name)
            with open(path, encoding="utf-8", errors="replace") as stream:
                for number, line in enumerate(stream, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    bracket, header = match.groups()
                    where = f"{folder}/{name}:{number}"
                    if bracket == '"':
                        included = os.path.dirname(header)
                        if included and included != folder and included not in folders:
                            self.report(f'{where}: includes "{header}", but {folder}/README.md '
                                        f"does not list `{included}/` under 'May call'")
                        continue
                    library = THIRD_PARTY.get(header.split("/")[0]) or self.qt_module(header)
                    if library and library not in libraries:
                        self.report(f"{where}: includes <{header}> ({library}), but {folder}/README.md "
                                    f"does not list {library} under 'May call'")

    def check_arrows(self, allowed):
        """The listed folders exist, and no folder reaches itself through the lines."""
        for folder, (folders, _) in sorted(allowed.items()):
            for target in sorted(folders):
                if target == folder:
                    self.report(f"{folder}/README.md: lists its own folder")
                elif not os.path.isdir(os.path.join(self.root, target)):
                    self.report(f"{folder}/README.md: lists `{target}/`, which does not exist")
        state = {}

        def visit(folder, path):
            state[folder] = "visiting"
            for target in sorted(allowed.get(folder, (set(), set()))[0]):
                if target == folder:
                    continue
                if state.get(target) == "visiting":
                    cycle = path[path.index(target):] + [target] if target in path else [folder, target]
                    self.report("the 'May call' lines point in a circle: " + " -> ".join(cycle))
                elif target not in state:
                    visit(target, path + [target])
            state[folder] = "done"

        for folder in sorted(allowed):
            if folder not in state:
                visit(folder, [folder])

    def run(self):
        allowed = {}
        for folder in self.source_folders():
            lines = self.read_allowed(folder)
            if lines is None:
                continue
            allowed[folder] = lines
            self.check_includes(folder, *lines)
        self.check_arrows(allowed)
        return self.problems


def main(arguments):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", help="the source tree")
    parser.add_argument("--qt-include", required=True, help="the folder holding QtCore/, QtWidgets/, ...")
    options = parser.parse_args(arguments)
    if not os.path.isdir(os.path.join(options.qt_include, "QtCore")):
        print(f"check_layers: no QtCore folder in {options.qt_include}", file=sys.stderr)
        return 2
    problems = Checker(options.root, options.qt_include).run()
    for problem in problems:
        print(problem)
    print(f"check_layers: {len(problems)} breach(es) of the 'May call' lines")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
