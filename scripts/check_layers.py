#!/usr/bin/env python3
"""Checks that the source tree keeps its layers (docs/ARCHITECTURE.md).

    check_layers.py <source folder> [<link graph>]

Reads every C++ file under src/, tests/, tools/ and bench/ and, when given, the link graph that
CMake writes into the build folder (cmake/Modules.cmake, cfg_write_link_graph). Fails, listing
each finding, on:
  - a Qt include outside src/platform/ui/qt (benchmarks may include Qt for their baseline);
  - an include from a lower layer into a higher one (the fuzz harnesses stand at the top);
  - a GUI include (Qt, X11, the widget framework and what stands on it) in a GUI-free folder;
  - a cycle between folders;
  - an include of another folder whose library the including folder's target does not link;
  - a target that links a library of a higher layer, or a GUI-free target that links Qt.
"""

from __future__ import annotations

import re
import sys
from dataclasses import dataclass
from pathlib import Path

# Layers from the bottom up; the longest matching prefix decides. Tests mirror src/.
LAYERS = {
    "src/platform/rtl": 1,
    "src/platform/xml": 1,
    "src/platform/sys": 1,
    "src/platform/office": 1,
    "src/common": 2,
    "src/core": 2,
    "src/core/tables": 2,  # the rule-table engine, with src/core/tables/<family> for the descriptors
    "src/core/tables/canopen": 2,  # the CANopen tables and the EDS export
    "src/core/iec61850": 2,  # the SCL decoder and the IEC 61850 client's model
    "src/platform/ui": 3,  # with its Qt backend in src/platform/ui/qt
    "src/grid": 4,
    "src/controls": 4,
    "src/dialogs": 5,
    "src/tables": 5,
    "src/app": 5,
    "src/tables/canopen": 5,
    "src/core/tables/opcua": 2,  # the OPC UA tables, model and browse
    "src/tables/opcua": 5,  # their windows
    "src/core/tables/mqtt_snmp": 2,  # MQTT and SNMP tables, the MIB export
    "src/tables/mqtt_snmp": 5,
}
GUI_FREE_TOP = 2  # layers 1 and 2 use no widget code and no Qt

# Programs shipped beside the configurator: they may use the GUI-free layers only, except the
# folders that hold their windows (with their tests), which stand where the shell stands.
TOOLS_LAYER = GUI_FREE_TOP
# (tests/tools/window mirrors tools/ethernet_update/window)
TOOL_WINDOW_FOLDERS = ("tools/ethernet_update/window", "tools/window")
TOOL_WINDOW_LAYER = 5
QT_BACKEND = "src/platform/ui/qt"
# Fuzz harnesses drive the parser of one layer each (the shell's settings reader the highest), and
# the updater stand-in's job reader: the folder stands at the top and may include the tools.
FUZZ = "tests/fuzz"
FUZZ_LAYER = max(LAYERS.values())
# Shared by every test: any test may include it, and it includes GUI-free code only.
TEST_SUPPORT = "tests/support"
SCANNED = ("src", "tests", "tools", "bench")
SOURCE_SUFFIXES = {".cpp", ".h", ".hpp", ".cc"}

INCLUDE_RE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
QT_HEADER_RE = re.compile(r"^(Qt\w*/)?Q\w+(\.h)?$|^Qt\w*/q\w+\.h$")
GUI_HEADER_RE = re.compile(r"^(X11|xcb|gtk|gdk|GL|EGL|wayland[\w-]*)(/|$)|^wayland[\w-]*\.h$")


@dataclass(frozen=True)
class Include:
    file: str  # including file, relative to the source folder
    line: int
    name: str  # as written
    target: str | None  # the project file it resolves to, or None for a system header


def folder_of(path: str) -> str:
    return path.rsplit("/", 1)[0] if "/" in path else ""


def layer_of(folder: str) -> int | None:
    """Layer of a folder, None for folders outside the layers (bench/)."""
    if folder.startswith("tests/"):
        rest = folder[len("tests/") :]
        if rest == "support" or rest.startswith("support/"):
            return GUI_FREE_TOP  # shared by every test, the GUI-free ones included
        if rest == "tools" or rest.startswith("tools/"):
            return layer_of(rest)
        if folder == FUZZ or folder.startswith(FUZZ + "/"):
            return FUZZ_LAYER
        return layer_of("src/" + rest)
    if any(folder == w or folder.startswith(w + "/") for w in TOOL_WINDOW_FOLDERS):
        return TOOL_WINDOW_LAYER
    if folder == "tools" or folder.startswith("tools/"):
        return TOOLS_LAYER
    best = None
    for prefix, layer in LAYERS.items():
        if folder == prefix or folder.startswith(prefix + "/"):
            if best is None or len(prefix) > len(best[0]):
                best = (prefix, layer)
    return best[1] if best else None


def is_gui_free(folder: str) -> bool:
    layer = layer_of(folder)
    return layer is not None and layer <= GUI_FREE_TOP


def scan(root: Path) -> tuple[list[str], list[Include]]:
    files = sorted(
        p.relative_to(root).as_posix()
        for top in SCANNED
        if (root / top).is_dir()
        for p in (root / top).rglob("*")
        if p.suffix in SOURCE_SUFFIXES and p.is_file()
    )
    known = set(files)
    includes = []
    for f in files:
        text = (root / f).read_text(encoding="utf-8", errors="replace")
        for m in INCLUDE_RE.finditer(text):
            name = m.group(2).strip()
            line = text.count("\n", 0, m.start()) + 1
            includes.append(Include(f, line, name, resolve(f, name, known)))
    return files, includes


def resolve(including: str, name: str, known: set[str]) -> str | None:
    # The including folder first, then the include folders the build gives every target.
    here = folder_of(including)
    for base in (here, "src", "tests", "tests/support", "tools/ethernet_update", "tools/ethernet_update/window"):
        candidate = normalise(f"{base}/{name}" if base else name)
        if candidate in known:
            return candidate
    return None


def normalise(path: str) -> str:
    parts: list[str] = []
    for part in path.split("/"):
        if part in ("", "."):
            continue
        if part == ".." and parts:
            parts.pop()
        else:
            parts.append(part)
    return "/".join(parts)


def check_includes(files: list[str], includes: list[Include]) -> list[str]:
    findings = []
    for f in files:
        folder = folder_of(f)
        if f.startswith(("src/", "tests/", "tools/")) and layer_of(folder) is None:
            findings.append(f"{f}: folder {folder} has no layer (add it to LAYERS in scripts/check_layers.py)")
    for inc in includes:
        where = f"{inc.file}:{inc.line}: #include {inc.name}"
        src_folder = folder_of(inc.file)
        if inc.target is None:
            is_qt = QT_HEADER_RE.search(inc.name) is not None
            in_backend = src_folder == QT_BACKEND or src_folder.startswith(QT_BACKEND + "/")
            if is_qt and not in_backend and not inc.file.startswith("bench/"):
                findings.append(f"{where}: Qt include outside {QT_BACKEND}")
            elif (is_qt or GUI_HEADER_RE.search(inc.name)) and is_gui_free(src_folder):
                findings.append(f"{where}: GUI include in a GUI-free folder")
            continue
        dst_folder = folder_of(inc.target)
        src_layer, dst_layer = layer_of(src_folder), layer_of(dst_folder)
        if src_layer is None or dst_layer is None or src_folder == dst_folder or dst_folder == TEST_SUPPORT:
            continue
        if dst_layer > src_layer:
            gui = src_layer <= GUI_FREE_TOP < dst_layer
            kind = "GUI include in a GUI-free folder" if gui else "upward include"
            findings.append(f"{where}: {kind} (layer {src_layer} {src_folder} -> layer {dst_layer} {dst_folder})")
        elif inc.target.startswith("tools/") and not inc.file.startswith(("tools/", "tests/tools", FUZZ + "/")):
            findings.append(f"{where}: only the tools and their tests include the tools")
        elif inc.file.startswith("src/") and not inc.target.startswith("src/"):
            findings.append(f"{where}: the program includes a file from outside src/")
    return findings


def folder_cycles(includes: list[Include]) -> list[list[str]]:
    """Groups of folders that include each other, directly or through others (Tarjan)."""
    graph: dict[str, set[str]] = {}
    for inc in includes:
        if inc.target is None:
            continue
        a, b = folder_of(inc.file), folder_of(inc.target)
        graph.setdefault(a, set())
        graph.setdefault(b, set())
        if a != b:
            graph[a].add(b)
    index: dict[str, int] = {}
    low: dict[str, int] = {}
    stack: list[str] = []
    on_stack: set[str] = set()
    groups: list[list[str]] = []

    def visit(v: str) -> None:
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    sys.setrecursionlimit(max(1000, 4 * len(graph)))
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return sorted(groups)


@dataclass
class Target:
    name: str
    kind: str
    folder: str
    links: list[str]


def read_link_graph(path: Path) -> dict[str, Target]:
    """One line per target of the tree: name, type, folder, linked libraries (';'-separated)."""
    targets = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        fields = line.split("\t")
        if len(fields) != 4:
            continue
        name, kind, folder, links = fields
        libs = [re.sub(r"^\$<LINK_ONLY:(.*)>$", r"\1", lib) for lib in links.split(";") if lib]
        targets[name] = Target(name, kind, folder, libs)
    return targets


def link_closure(name: str, targets: dict[str, Target]) -> set[str]:
    seen: set[str] = set()
    todo = list(targets[name].links)
    while todo:
        lib = todo.pop()
        if lib in seen:
            continue
        seen.add(lib)
        if lib in targets:
            todo.extend(targets[lib].links)
    return seen


def is_qt_library(lib: str) -> bool:
    return lib.startswith(("Qt6::", "Qt5::", "Qt::")) or re.search(r"(^|/)libQt\d", lib) is not None


def check_links(targets: dict[str, Target], includes: list[Include]) -> list[str]:
    findings = []
    closures = {name: link_closure(name, targets) for name in targets}
    for name, t in sorted(targets.items()):
        layer = layer_of(t.folder)
        if layer is None:
            continue
        for lib in sorted(closures[name]):
            dep = targets.get(lib)
            dep_layer = layer_of(dep.folder) if dep and dep.folder != TEST_SUPPORT else None
            if dep_layer is not None and dep_layer > layer:
                findings.append(f"target {name} (layer {layer}, {t.folder}) links {lib} (layer {dep_layer}, {dep.folder})")
            elif layer <= GUI_FREE_TOP and is_qt_library(lib):
                findings.append(f"GUI-free target {name} ({t.folder}) links Qt ({lib})")

    # Every include of a library's header is backed by a link to that library. Headers of tests and
    # of the shared test helpers are compiled into the test that includes them.
    by_folder: dict[str, list[str]] = {}
    for name, t in targets.items():
        by_folder.setdefault(t.folder, []).append(name)
    reported = set()
    for inc in includes:
        if inc.target is None:
            continue
        if not inc.target.startswith(("src/", "tools/")) or inc.file.startswith(TEST_SUPPORT + "/"):
            continue
        a, b = folder_of(inc.file), folder_of(inc.target)
        owners, providers = by_folder.get(a, []), by_folder.get(b, [])
        if a == b or len(owners) != 1 or len(providers) != 1 or (a, b) in reported:
            continue
        if providers[0] not in closures[owners[0]]:
            reported.add((a, b))
            findings.append(
                f"{inc.file}:{inc.line}: #include {inc.name}: target {owners[0]} does not link {providers[0]}"
            )
    return findings


def main(argv: list[str]) -> int:
    if len(argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    root = Path(argv[1]).resolve()
    files, includes = scan(root)
    findings = check_includes(files, includes)
    findings += [
        "cycle between folders: " + " <-> ".join(group) for group in folder_cycles(includes)
    ]
    if len(argv) == 3:
        findings += check_links(read_link_graph(Path(argv[2])), includes)
    for f in findings:
        print(f)
    if findings:
        print(f"{len(findings)} layering finding(s).")
        return 1
    print(f"Layers kept: {len(files)} files, {len(includes)} includes checked.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
