#!/usr/bin/env python3
"""Cases of the naming check: one line in one folder each, with the breach it must find (or none)."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
import check_names  # noqa: E402

CASES = [
    # (folder file, line, the breach's words or None)
    ("src/grid/base/Grid.h", "    int FColCount = 5;", None),
    ("src/controls/button/Button.h", "    bool FDown;", None),
    ("src/core/Bank.h", "    int FColCount = 5;", "F dialect outside the controls"),
    ("src/platform/ui/Forms.h", "    TColor FColor;", "F dialect outside the controls"),
    ("src/core/tables/Rules.h", "    TLimit FP{};", None),  # a word in capitals, not the F dialect
    ("src/grid/extras/Print.h", "    int pageWidth_ = 0, headerBand_ = 0;", None),
    ("src/grid/extras/Print.h", "    int gap_ = 0, Hh_ = 0;", "Hh_ is not lowerCamel_"),
    ("src/dialogs/UParGen.h", "    std::map<const A*, B*> next_octet_;  // chain", "next_octet_ is not lowerCamel_"),
    ("src/core/UComon.h", "bool Split_IP_Address(const std::string& text);", None),
    ("src/app/UProjects.cpp", "std::string TFMain::Set_Files(int a)", None),
    ("src/grid/base/Grid.h", "    void Move_Row(int from, int to);", "program units' dialect"),
    ("src/platform/rtl/Str.h", "inline std::string Upper_Case(std::string_view s)", "program units' dialect"),
    ("src/grid/base/GridDragDrop.h", "unsigned CF_RTF();", None),  # a constant's name
    ("src/grid/base/Grid.h", "    return Move_Row(1, 2);", None),  # a call, not a declaration
]


class NamesPerFolder(unittest.TestCase):
    def test_each_case_finds_its_breach_or_none(self):
        for path, line, breach in CASES:
            with self.subTest(path=path, line=line):
                found = check_names.breaches(path, line + "\n")
                if breach is None:
                    self.assertEqual(found, [])
                else:
                    self.assertEqual(len(found), 1, found)
                    self.assertIn(breach, found[0])


if __name__ == "__main__":
    unittest.main()
