#!/usr/bin/env python3
"""Cases of the function-length scanner: a small source each, with the functions it must find."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
import check_function_length  # noqa: E402

CASES = [
    # (what the case shows, source, [(name, first line, length)] the scanner must find)
    ("a free function", "int F(int a)\n{\n    return a;\n}\n", [("F", 1, 4)]),
    ("members in a namespace and a class", "namespace gx {\nstruct S {\n    int A() const { return 1; }\n};\n"
     "void S::B(int x)\n{\n}\n}  // namespace gx\n", [("A", 3, 1), ("S::B", 5, 3)]),
    ("blocks and lambdas belong to their function",
     "void F()\n{\n    if (a) {\n        auto l = [](int x) {\n            return x;\n        };\n    }\n}\n",
     [("F", 1, 8)]),
    ("braces in strings, characters and comments",
     'void F()\n{\n    s = "}{";\n    c = \'}\';\n    // }\n    /* { */\n}\n', [("F", 1, 7)]),
    ("a raw string", 'void F()\n{\n    s = R"x(}\n})x";\n}\n', [("F", 1, 5)]),
    ("a constructor's initialiser list", "T::T(int a)\n    : a_(a), b_{2}\n{\n}\n", [("T::T", 1, 4)]),
    ("a head over several lines starts at the name",
     "void TLong::Name(int a,\n                 int b) const\n{\n    x();\n}\n", [("TLong::Name", 1, 5)]),
    ("no function: a brace initialiser, an enum, a table",
     "int a{1};\nenum E { x, y };\nconst int t[] = {1, 2};\nstruct P { int x; };\n", []),
    ("access labels end a head", "class C {\npublic:\n    void G() {}\n};\n", [("G", 3, 1)]),
]


class FunctionLengths(unittest.TestCase):
    def test_each_source_gives_its_functions(self):
        for what, source, expected in CASES:
            with self.subTest(what):
                found = check_function_length.functions("src/grid/x.cpp", source)
                self.assertEqual([(f.name, f.line, f.length) for f in found], expected)

    def test_a_long_function_fails_the_check(self):
        import tempfile

        with tempfile.TemporaryDirectory() as root:
            folder = Path(root) / "src/grid"
            folder.mkdir(parents=True)
            # 151 and 150 lines from the name to the closing brace.
            (folder / "Long.cpp").write_text("void Long()\n{\n" + "    x();\n" * 148 + "}\n")
            (folder / "Short.cpp").write_text("void Short()\n{\n" + "    x();\n" * 147 + "}\n")
            self.assertEqual(check_function_length.main(["check", root]), 1)
            (folder / "Long.cpp").unlink()
            self.assertEqual(check_function_length.main(["check", root]), 0)


if __name__ == "__main__":
    unittest.main()
