#!/usr/bin/env python3
"""The naming dialect of each source folder (docs/STYLE.md, "Names per folder").

Two dialects live side by side, each in its own folders:
- the program's units (src/common, src/core, src/dialogs, src/tables, src/app, tools) name their
  routines as the program does, words joined by underscores (`Split_IP_Address`, `Save_EDE_File`);
- the controls (src/grid, src/controls) keep the fields behind the program's properties as the
  program does, `F` and the property's name (`FColCount`).
Everything else is the house style: PascalCase functions, `lowerCamel_` data members.

Checked here:
1. A data member named `F<Name>` appears only in the controls' folders.
2. A data member with a trailing underscore is `lowerCamel_` everywhere.
3. A function declared or defined with underscores between capitalised words appears only in the
   program's units (names in capitals, such as the clipboard formats `CF_RTF`, are constants' names).
Prints each breach as file:line and exits 1 when there is one.
"""
from __future__ import annotations

import re
import sys
from pathlib import Path

CONTROL_FOLDERS = ("src/grid/", "src/controls/")
PROGRAM_UNIT_FOLDERS = ("src/common/", "src/core/", "src/dialogs/", "src/tables/", "src/app/", "tools/")
SCANNED = ("src", "tools")
SUFFIXES = {".h", ".cpp"}

TYPE = r"(?:const\s+)?[\w:]+(?:<[^;()]*>)?[\s*&]+"
F_MEMBER = re.compile(r"^\s+(?:mutable\s+|static\s+)?" + TYPE + r"(F[A-Z][a-z]\w*)\s*(?:=[^;]*|\{[^;]*\})?;")
DECLARATION = re.compile(r"^\s+(?:mutable\s+|static\s+)?" + TYPE + r"(\w+_\s*[=,{\[;].*)$")
DECLARED_NAME = re.compile(r"(?:^|,)\s*(\w+_)\s*(?=[=,{\[;])")
LOWER_CAMEL_ = re.compile(r"^[a-z][a-zA-Z0-9]*_$")
SNAKE_FUNCTION = re.compile(
    r"^\s*(?:static\s+|inline\s+|virtual\s+|constexpr\s+|\[\[nodiscard\]\]\s+)*"
    + TYPE
    + r"(?:\w+::)*([A-Z][A-Za-z0-9]*(?:_[A-Za-z0-9]+)+)\s*\("
)


def breaches(path: str, text: str) -> list[str]:
    found = []
    in_controls = path.startswith(CONTROL_FOLDERS)
    in_program_units = path.startswith(PROGRAM_UNIT_FOLDERS)
    for number, line in enumerate(text.splitlines(), 1):
        code = line.split("//", 1)[0]
        if "return " in code or "#" in code.lstrip()[:1]:
            continue
        m = F_MEMBER.match(code)
        if m and not in_controls:
            found.append(f"{path}:{number}: field {m.group(1)} in the F dialect outside the controls")
        m = DECLARATION.match(code)
        if m and code.rstrip().endswith(";"):
            for name in DECLARED_NAME.findall(re.sub(r"\{[^}]*\}|=[^,;]*", "", m.group(1))):
                if not LOWER_CAMEL_.match(name):
                    found.append(f"{path}:{number}: data member {name} is not lowerCamel_")
        m = SNAKE_FUNCTION.match(code)
        if m and not in_program_units and not m.group(1).isupper():
            found.append(f"{path}:{number}: function {m.group(1)} in the program units' dialect")
    return found


def main(argv: list[str]) -> int:
    root = Path(argv[1]) if len(argv) > 1 else Path(__file__).resolve().parent.parent
    found = []
    for top in SCANNED:
        for file in sorted((root / top).rglob("*")):
            if file.suffix in SUFFIXES and file.is_file():
                rel = file.relative_to(root).as_posix()
                found += breaches(rel, file.read_text(encoding="utf-8", errors="replace"))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} name(s) off their folder's dialect (docs/STYLE.md, Names per folder)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
