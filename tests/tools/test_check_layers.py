"""The layer check fails for every kind of wrong arrow and passes a tree that keeps to its lines."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

import check_layers  # noqa: E402

# A small tree in the shape of the program's: a model over a platform, a window folder on top.
TREE = {
    "platform/README.md": "# platform\n\nMay call: QtCore, libarchive.\n",
    "platform/Codec.h": "#include <QString>\n#include <cstdint>\n",
    "platform/Archive.cpp": '#include "platform/Codec.h"\n#include <archive.h>\n#include <unistd.h>\n',
    "model/README.md": "# model\n\nMay call: `platform/`,\nQtCore.\n",
    "model/CModes.h": '#include "platform/Codec.h"\n#include "Local.h"\n#include <QtCore/QList>\n',
    "model/Local.h": "#include <vector>\n",
    "editors/README.md": "# editors\n\nMay call: `model/`, `platform/`, QtCore, QtWidgets.\n",
    "editors/fParam.cpp": '#include "model/CModes.h"\n#include <QWidget>\n',
    "tests/model/tst_modes.cpp": '#include "editors/fParam.h"\n#include <QWidget>\n',
}

QT_HEADERS = {"QtCore": ["QString", "QList"], "QtWidgets": ["QWidget", "QLabel"], "QtGui": ["QFont"]}

# Each row: what is changed (path, text appended, or None to delete the file) and the breach expected.
BREACHES = [
    ("widget header in the model", "model/CModes.h", "#include <QWidget>\n",
     "model/CModes.h:4: includes <QWidget> (QtWidgets)"),
    ("widget module path in the model", "model/CModes.h", "#include <QtWidgets/QLabel>\n",
     "model/CModes.h:4: includes <QtWidgets/QLabel> (QtWidgets)"),
    ("gui header in the platform", "platform/Codec.h", "#include <QFont>\n",
     "platform/Codec.h:3: includes <QFont> (QtGui)"),
    ("workbook library in the model", "model/Local.h", "#include <xlsxwriter.h>\n",
     "model/Local.h:2: includes <xlsxwriter.h> (libxlsxwriter)"),
    ("upward include", "model/CModes.h", '#include "editors/fParam.h"\n',
     'model/CModes.h:4: includes "editors/fParam.h", but model/README.md does not list `editors/`'),
    ("skipping nothing listed", "platform/Archive.cpp", '#include "model/CModes.h"\n',
     "platform/Archive.cpp:4: includes \"model/CModes.h\""),
    ("a Qt header the installed Qt lacks", "model/Local.h", "#include <QFuture>\n",
     "includes <QFuture> (an unknown Qt module)"),
    ("no README", "model/README.md", None, "model/: no README.md with a 'May call:' line"),
    ("two lines", "model/README.md", "May call: QtCore.\n", "model/README.md: 2 'May call:' lines"),
]


def write_tree(root, files):
    for path, text in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as stream:
            stream.write(text)


def qt_folder(root):
    folder = os.path.join(root, "qt")
    for module, headers in QT_HEADERS.items():
        os.makedirs(os.path.join(folder, module))
        for header in headers:
            open(os.path.join(folder, module, header), "w").close()
    return folder


def check(files):
    with tempfile.TemporaryDirectory() as root:
        qt = qt_folder(root)
        source = os.path.join(root, "source")
        write_tree(source, files)
        return check_layers.Checker(source, qt).run()


class CheckLayersTest(unittest.TestCase):
    def test_tree_that_keeps_its_lines_passes(self):
        # Tests may include every layer; their folder is not checked.
        self.assertEqual(check(TREE), [])

    def test_each_wrong_arrow_is_reported(self):
        for name, path, added, expected in BREACHES:
            with self.subTest(name):
                files = dict(TREE)
                if added is None:
                    del files[path]
                else:
                    files[path] = files[path] + added
                problems = check(files)
                self.assertEqual(len(problems), 1, problems)
                self.assertIn(expected, problems[0])

    def test_lines_must_be_precise(self):
        cases = [
            ("prose in the list", "May call: `model/` (QtCore part), QtCore.\n",
             "'`model/` (QtCore part)' is neither a folder"),
            ("folder without backticks", "May call: model/, QtCore.\n", "'model/' is neither a folder"),
            ("no full stop", "May call: `model/`, QtCore\n", "ends with a full stop"),
            ("folder that does not exist", "May call: `model/`, `platform/`, `rules/`, QtCore, QtWidgets.\n",
             "lists `rules/`, which does not exist"),
            ("its own folder", "May call: `model/`, `platform/`, `editors/`, QtCore, QtWidgets.\n",
             "editors/README.md: lists its own folder"),
        ]
        for name, line, expected in cases:
            with self.subTest(name):
                files = dict(TREE)
                files["editors/README.md"] = "# editors\n\n" + line
                problems = check(files)
                self.assertTrue(any(expected in problem for problem in problems), problems)

    def test_circle_of_lines_is_reported(self):
        files = dict(TREE)
        files["platform/README.md"] = "# platform\n\nMay call: `editors/`, QtCore, libarchive.\n"
        problems = check(files)
        self.assertEqual(problems, ["the 'May call' lines point in a circle: editors -> model -> platform -> editors"])

if __name__ == "__main__":
    unittest.main()
