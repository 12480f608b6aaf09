#!/usr/bin/env python3
"""Checks the includes of src/, tests/, bench/ and fuzz/ against the layer
table of docs/CONVENTIONS.md.

Fails (exit 1, one line per fault) on:
- an include of a folder that the including folder may not use, directly or
  through the folders it uses (an upward or sideways include);
- an include that climbs out of its folder with "..", anywhere: a test,
  benchmark or fuzz target sees src/ only through the libraries it links, and
  "../src/..." would pass them by;
- a folder of src/ without a row in the table;
- an include cycle between units of src/, a unit being a header and its .cpp.

The table is the section "Layers" of docs/CONVENTIONS.md: each row names one
folder as `src/<folder>/` in its first cell and the folders it may use as
`<folder>` in its last cell; other words there (libraries) are ignored.

Usage: check-layers.py [ROOT]   (ROOT holds src/ and docs/; default: the
repository this script lies in)
"""

import os
import re
import sys
from pathlib import Path

SOURCE_SUFFIXES = {".h", ".cpp"}
# The folders of tests, benchmarks and fuzz targets, read beside src/.
OTHER_TREES = ("tests", "bench", "fuzz")

INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]+"([^"]+)"', re.MULTILINE)
ROW_FOLDER = re.compile(r"`src/([^`]+?)/?`")
USED_FOLDER = re.compile(r"`([a-z][a-z0-9_]*(?:/[a-z0-9_]+)*)`")


def read_table(conventions):
    """The table's folders, each with the folders it may use directly."""
    text = conventions.read_text(encoding="utf-8")
    section = re.search(r"^## Layers\n(.*?)(?=^## |\Z)", text, re.MULTILINE | re.DOTALL)
    if not section:
        raise SystemExit(f"{conventions}: no section \"## Layers\"")
    uses = {}
    for line in section.group(1).splitlines():
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if len(cells) < 2:
            continue
        folders = ROW_FOLDER.findall(cells[0])
        if len(folders) != 1:
            continue
        uses[folders[0]] = set(USED_FOLDER.findall(cells[-1]))
    if not uses:
        raise SystemExit(f"{conventions}: the section \"Layers\" has no table of folders")
    return uses


def closure(uses):
    """Each folder with every folder it may use, directly or not."""
    reach = {}
    for start in uses:
        seen, todo = set(), list(uses[start])
        while todo:
            folder = todo.pop()
            if folder not in seen:
                seen.add(folder)
                todo.extend(uses.get(folder, ()))
        reach[start] = seen
    return reach


def cycles(edges):
    """The strongly connected components of more than one unit (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(unit):
        index[unit] = low[unit] = counter[0]
        counter[0] += 1
        stack.append(unit)
        on_stack.add(unit)
        for other in sorted(edges.get(unit, ())):
            if other not in index:
                visit(other)
                low[unit] = min(low[unit], low[other])
            elif other in on_stack:
                low[unit] = min(low[unit], index[other])
        if low[unit] == index[unit]:
            component = []
            while True:
                other = stack.pop()
                on_stack.discard(other)
                component.append(other)
                if other == unit:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(max(1000, 4 * len(edges) + 100))
    for unit in sorted(edges):
        if unit not in index:
            visit(unit)
    return sorted(found)


def sources(tree):
    return sorted(p for p in tree.rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file())


def includes(path):
    """Each quoted include of path: its line and the name it gives."""
    text = path.read_text(encoding="utf-8", errors="replace")
    for match in INCLUDE.finditer(text):
        yield text.count("\n", 0, match.start()) + 1, match.group(1)


def resolve(included, path, src, tree):
    """The file an include names, below src/ or tree as it would be included
    from there (None: a generated file or one of the system's)."""
    for candidate in (src / included, tree / included, path.parent / included):
        if candidate.is_file():
            target = Path(os.path.normpath(candidate))
            for base in (src, tree):
                if base in target.parents:
                    return target.relative_to(base).as_posix()
            return target.name
    return None


def folder_of(name):
    return name.rsplit("/", 1)[0] if "/" in name else ""


def check(root):
    src = (root / "src").resolve()
    uses = read_table(root / "docs" / "CONVENTIONS.md")
    reach = closure(uses)
    problems, edges, unknown = [], {}, set()
    files = sources(src)
    for path in files:
        name = path.relative_to(src).as_posix()
        folder = path.parent.relative_to(src).as_posix()
        if folder not in uses:
            unknown.add(folder)
        unit = name.rsplit(".", 1)[0]
        edges.setdefault(unit, set())
        for line, included in includes(path):
            found = resolve(included, path, src, src)
            if found is None:
                continue
            target = found
            where = f"src/{name}:{line}"
            if ".." in Path(included).parts:
                problems.append(f'{where}: "{included}" climbs out of its folder; include it as "{target}"')
            target_folder = folder_of(target)
            if target_folder != folder and folder in uses and target_folder not in reach[folder]:
                allowed = ", ".join(sorted(reach[folder])) or "nothing outside its folder"
                problems.append(f"{where}: includes {target}, but {folder} may use only {allowed}")
            target_unit = target.rsplit(".", 1)[0]
            if target_unit != unit:
                edges[unit].add(target_unit)
    for tree_name in OTHER_TREES:
        tree = (root / tree_name).resolve()
        others = sources(tree) if tree.is_dir() else []
        files += others
        for path in others:
            name = path.relative_to(tree).as_posix()
            for line, included in includes(path):
                found = resolve(included, path, src, tree)
                if found is None:
                    continue
                if ".." in Path(included).parts:
                    problems.append(
                        f'{tree_name}/{name}:{line}: "{included}" climbs out of its folder; include it as "{found}"'
                    )
    for folder in sorted(unknown):
        problems.append(f"src/{folder}/: no row in the layer table of docs/CONVENTIONS.md")
    for component in cycles(edges):
        problems.append("include cycle between units: " + ", ".join(component))
    return problems, len(files)


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]
    problems, count = check(root)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} layer problem(s) in {count} files")
        return 1
    print(f"{count} files: every include follows the layers, no include cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
