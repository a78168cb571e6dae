#!/usr/bin/env python3
"""Cases of the layering check: a tiny tree each, with the finding it must produce (or none)."""

import contextlib
import io
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
import check_layers  # noqa: E402

# Files every case starts from: one header per layer, each including the one below.
BASE = {
    "src/platform/rtl/Str.h": "#pragma once\n#include <string>\n",
    "src/common/Texts.h": '#include "platform/rtl/Str.h"\n',
    "src/core/Bank.h": '#include "common/Texts.h"\n',
    "src/platform/ui/Controls.h": '#include "platform/rtl/Str.h"\n',
    "src/platform/ui/qt/Backend.cpp": '#include <QWidget>\n#include "platform/ui/Controls.h"\n',
    "src/grid/base/Grid.h": '#include "platform/ui/Controls.h"\n',
    "src/dialogs/Dlg.cpp": '#include "core/Bank.h"\n#include "grid/base/Grid.h"\n',
    "tests/core/BankTest.cpp": '#include "core/Bank.h"\n#include "ScratchDir.h"\n',
    "tests/support/ScratchDir.h": "#include <filesystem>\n",
}
LINKS = {
    "platform_rtl": ("src/platform/rtl", ""),
    "common": ("src/common", "platform_rtl"),
    "core": ("src/core", "common"),
    "platform_ui": ("src/platform/ui", "platform_rtl"),
    "platform_ui_qt": ("src/platform/ui/qt", "platform_ui;Qt6::Widgets"),
    "grid_base": ("src/grid/base", "platform_ui"),
    "dialogs": ("src/dialogs", "core;grid_base"),
    "test_support": ("tests/support", "GTest::gtest"),
    "test_core": ("tests/core", "core;test_support;GTest::gtest_main"),
}

INCLUDE_CASES = [
    # (what the case shows, files added to the base tree, expected finding or None)
    ("the base tree is clean", {}, None),
    ("Qt in the core", {"src/core/Ui.cpp": "#include <QString>\n"}, "Qt include outside"),
    ("Qt in a control", {"src/grid/base/Paint.cpp": "#include <QtGui/QPainter>\n"}, "Qt include outside"),
    ("Qt by its file name", {"src/grid/base/P.cpp": "#include <QtGui/qpainter.h>\n"}, "Qt include outside"),
    ("Qt in a test", {"tests/core/QtTest.cpp": "#include <QTest>\n"}, "Qt include outside"),
    ("Qt baseline of a benchmark", {"bench/grid/GridBench.cpp": "#include <QStandardItemModel>\n"}, None),
    ("Qt backend header by path", {"tests/platform/ui/T.cpp": '#include "platform/ui/qt/Backend.cpp"\n'}, None),
    ("framework includes a control", {"src/platform/ui/Form.cpp": '#include "grid/base/Grid.h"\n'}, "upward include"),
    ("control includes a dialog", {"src/grid/base/G.cpp": '#include "dialogs/Dlg.cpp"\n'}, "upward include"),
    ("core includes the framework", {"src/core/Job.cpp": '#include "platform/ui/Controls.h"\n'}, "GUI include"),
    ("as a project path in <>", {"src/common/A.cpp": "#include <platform/ui/Controls.h>\n"}, "GUI include"),
    ("runtime includes X11", {"src/platform/rtl/Clip.cpp": "#include <X11/Xlib.h>\n"}, "GUI include"),
    ("core test includes a grid", {"tests/core/GridTest.cpp": '#include "grid/base/Grid.h"\n'}, "GUI include"),
    ("runtime includes the core", {"src/platform/rtl/B.cpp": '#include "core/Bank.h"\n'}, "upward include"),
    ("shared test helper includes the framework",
     {"tests/support/Ui.h": '#include "platform/ui/Controls.h"\n'}, "GUI include"),
    ("relative include upward", {"src/common/R.cpp": '#include "../grid/base/Grid.h"\n'}, "GUI include"),
    ("tools include the core", {"tools/upd/main.cpp": '#include "core/Bank.h"\n'}, None),
    ("fuzz harnesses include the shell and a tool",
     {"tests/fuzz/FuzzJob.cpp": '#include "dialogs/Dlg.cpp"\n#include "../../tools/upd/Job.h"\n',
      "tools/upd/Job.h": ""}, None),
    ("tools include the framework", {"tools/upd/main.cpp": '#include "platform/ui/Controls.h"\n'}, "GUI include"),
    ("program includes a tool", {"src/core/U.cpp": '#include "../../tools/upd/Job.h"\n', "tools/upd/Job.h": ""},
     "only the tools"),
    ("folders include each other",
     {"src/grid/extras/E.h": '#include "grid/base/Grid.h"\n', "src/grid/base/X.cpp": '#include "grid/extras/E.h"\n'},
     "cycle between folders"),
    ("folder without a layer", {"src/widgets/W.cpp": "\n"}, "has no layer"),
]

LINK_CASES = [
    # (what the case shows, links changed from LINKS, expected finding or None)
    ("the base graph is clean", {}, None),
    ("core links the framework", {"core": ("src/core", "common;platform_ui")}, "links platform_ui"),
    ("core links it through another", {"common": ("src/common", "platform_rtl;grid_base")}, "links grid_base"),
    ("core links Qt", {"common": ("src/common", "platform_rtl;$<LINK_ONLY:Qt6::Core>")}, "links Qt"),
    ("core test links the framework", {"test_core": ("tests/core", "core;platform_ui_qt")}, "links platform_ui"),
    ("an include without its link", {"core": ("src/core", "platform_rtl")}, "does not link common"),
]


def run_check(files, links):
    with tempfile.TemporaryDirectory() as tmp:
        root = Path(tmp)
        for name, text in files.items():
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            (root / name).write_text(text)
        graph = root / "link-graph.txt"
        graph.write_text("".join(f"{t}\tSTATIC_LIBRARY\t{d}\t{l}\n" for t, (d, l) in links.items()))
        all_files, includes = check_layers.scan(root)
        findings = check_layers.check_includes(all_files, includes)
        findings += [" <-> ".join(g) + " cycle between folders" for g in check_layers.folder_cycles(includes)]
        findings += check_layers.check_links(check_layers.read_link_graph(graph), includes)
        return findings


class LayeringCheck(unittest.TestCase):
    def check_cases(self, cases, make):
        for what, change, expected in cases:
            with self.subTest(what):
                findings = run_check(*make(change))
                if expected is None:
                    self.assertEqual(findings, [])
                else:
                    self.assertTrue(any(expected in f for f in findings), findings)

    def test_includes(self):
        self.check_cases(INCLUDE_CASES, lambda files: ({**BASE, **files}, LINKS))

    def test_links(self):
        self.check_cases(LINK_CASES, lambda links: (BASE, {**LINKS, **links}))

    def test_whole_run_fails_with_a_listed_finding(self):
        with tempfile.TemporaryDirectory() as tmp:
            root = Path(tmp)
            (root / "src/core").mkdir(parents=True)
            (root / "src/core/A.cpp").write_text("#include <QWidget>\n")
            out = io.StringIO()
            with contextlib.redirect_stdout(out):
                self.assertEqual(check_layers.main(["check_layers.py", str(root)]), 1)
                (root / "src/core/A.cpp").write_text("#include <string>\n")
                self.assertEqual(check_layers.main(["check_layers.py", str(root)]), 0)
            self.assertIn("src/core/A.cpp:1: #include QWidget: Qt include outside", out.getvalue())


if __name__ == "__main__":
    unittest.main()
