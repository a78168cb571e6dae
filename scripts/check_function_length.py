#!/usr/bin/env python3
"""Function bodies stay short enough to read (docs/STYLE.md, "Function length").

    check_function_length.py [<repository root>] [--folder src/grid] [--limit 150] [--list N]

Finds every function body in the C++ files under the folder (by default src/grid) and fails,
listing each as file:line, name and length, when one is longer than the limit. A function's
length runs from the line of its name to the line of its closing brace. Lambdas and local
classes count as part of the function that holds them. `--list N` prints the N longest instead
of checking.

The scanner needs no compiler: comments, strings and character literals are blanked out, then
every brace that opens at namespace or class level after a parameter list (and what may stand
between it and the body: const, noexcept, override, an initialiser list) is a function body.
"""
from __future__ import annotations

import argparse
import re
import sys
from dataclasses import dataclass
from pathlib import Path

SUFFIXES = {".cpp", ".h"}
# What opens a scope that holds functions rather than being one.
SCOPE_HEAD = re.compile(r"\b(namespace|class|struct|union|enum)\b[^;{}()]*$|extern\s*\"C\"\s*$")
# The end of a function's head: its parameter list, then qualifiers, a trailing return type or an
# initialiser list.
FUNCTION_HEAD = re.compile(r"([~\w:<>]+|operator\s*[^\s(]+)\s*\([^;{}]*\)[^;{}()]*(\([^;{}]*\)[^;{}()]*)*$", re.S)
# A brace that initialises a member in a constructor's initialiser list: `) : a_(1), b_{`.
INIT_LIST_BRACE = re.compile(r"\)\s*(?:noexcept\s*)?:(?!:)[^;{}]*\b(?!(?:const|override|final|noexcept|try)\b)\w+\s*$")
NOT_FUNCTIONS = {"if", "for", "while", "switch", "catch", "return", "sizeof", "decltype", "alignas"}


@dataclass(frozen=True)
class Function:
    file: str
    line: int
    name: str
    length: int


def blank_literals(text: str) -> str:
    """Comments, strings and character literals become spaces (line breaks stay)."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^(\s]*)\(', text[i:])
            if m:
                end = text.find(")" + m.group(1) + '"', i)
                j = n if end < 0 else end + len(m.group(1)) + 2
                out.append(re.sub(r"[^\n]", " ", text[i:j]))
                i = j
            else:
                out.append(c)
                i += 1
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():  # digit separator 1'000
                out.append(" ")
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(" " * (j - i))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def functions(path: str, text: str) -> list[Function]:
    code = blank_literals(text)
    # Preprocessor lines do not take part in the braces.
    code = re.sub(r"(?m)^[ \t]*#.*(\\\n.*)*$", lambda m: re.sub(r"[^\n]", " ", m.group(0)), code)
    found = []
    stack: list[tuple[str, int, str]] = []  # ("scope" | "function" | "block", start offset, name)
    head_start = 0  # where the text since the last ; { or } at scope level starts
    for i, c in enumerate(code):
        if c == "{":
            in_function = any(kind == "function" for kind, _, _ in stack)
            if in_function:
                stack.append(("block", i, ""))
                continue
            # Members initialised with braces are blanked out of the head (offsets kept).
            raw = re.sub(r"\{[^{}]*\}", lambda b: " " * len(b.group(0)), code[head_start:i])
            head = raw.strip()
            if INIT_LIST_BRACE.search(code[head_start:i].rstrip()):
                stack.append(("init", i, ""))
                continue
            m = FUNCTION_HEAD.search(head) if not SCOPE_HEAD.search(head) else None
            name = m.group(1).split("::")[-1] if m else ""
            if m and name not in NOT_FUNCTIONS and not head.endswith("="):
                # The function starts on the line of its name.
                name_at = head_start + (len(raw) - len(raw.lstrip())) + m.start(1)
                stack.append(("function", name_at, m.group(1)))
            else:
                stack.append(("scope" if SCOPE_HEAD.search(head) else "block", i, ""))
            head_start = i + 1
        elif c == "}":
            kind = ""
            if stack:
                kind, start, name = stack.pop()
                if kind == "function":
                    first = code.count("\n", 0, start) + 1
                    last = code.count("\n", 0, i) + 1
                    found.append(Function(path, first, name, last - first + 1))
            # The head of what follows starts here, unless the brace closed a member's initialiser.
            if kind != "init" and not any(k in ("function", "init") for k, _, _ in stack):
                head_start = i + 1
        elif c == ";" and not any(kind in ("function", "init") for kind, _, _ in stack):
            head_start = i + 1
        elif c == ":" and not any(kind == "function" for kind, _, _ in stack):
            # An access label (public:) ends a head; a scope operator or initialiser list does not.
            if re.search(r"\b(public|private|protected)\s*$", code[head_start:i]):
                head_start = i + 1
    return found


def scan(root: Path, folder: str) -> list[Function]:
    result = []
    for file in sorted((root / folder).rglob("*")):
        if file.suffix in SUFFIXES and file.is_file():
            rel = file.relative_to(root).as_posix()
            result += functions(rel, file.read_text(encoding="utf-8", errors="replace"))
    return result


def main(argv: list[str]) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", nargs="?", default=str(Path(__file__).resolve().parent.parent))
    parser.add_argument("--folder", default="src/grid")
    parser.add_argument("--limit", type=int, default=150)
    parser.add_argument("--list", type=int, default=0)
    args = parser.parse_args(argv[1:])
    found = scan(Path(args.root), args.folder)
    if args.list:
        for f in sorted(found, key=lambda f: -f.length)[: args.list]:
            print(f"{f.length:5}  {f.file}:{f.line}  {f.name}")
        return 0
    long = [f for f in found if f.length > args.limit]
    for f in sorted(long, key=lambda f: (f.file, f.line)):
        print(f"{f.file}:{f.line}: {f.name} is {f.length} lines (limit {args.limit})")
    if long:
        print(f"{len(long)} function(s) in {args.folder} over {args.limit} lines: cut them into named steps")
        return 1
    print(f"{len(found)} functions in {args.folder}, none over {args.limit} lines")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
