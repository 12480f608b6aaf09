#!/usr/bin/env python3
"""Checks that the programs start without the answer-sheet scanner's image
libraries, which come with the scanner's module at the first page read, and
that a scan without the module says so.

Fails (exit 1, one line per fault) when a program loads one of those libraries
on its start (as ldd lists what the loader brings in), or when a copy of
qwtool that has no module beside it neither refuses a scan with exit status 2
nor names the scanner that cannot be loaded.

Usage: check-startup.py QWTOOL [PROGRAM...]
"""

import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

SCANNER_LIBRARIES = re.compile(r"lib(?:opencv_imgcodecs|opencv_imgproc|opencv_calib3d|gdal|poppler-cpp|ZXing)\.so")
CANNOT_LOAD = "Cannot load the answer-sheet scanner"


def loaded_on_start(program):
    listing = subprocess.run(["ldd", program], capture_output=True, text=True, check=True).stdout
    return sorted(set(SCANNER_LIBRARIES.findall(listing)))


def scan_without_module(qwtool):
    """The problem with a scan by a copy of qwtool that has no module, or None."""
    with tempfile.TemporaryDirectory() as folder:
        copy = Path(folder) / "bin" / "qwtool"
        copy.parent.mkdir()
        shutil.copy2(qwtool, copy)
        page = Path(folder) / "page.png"
        page.write_bytes(b"\x89PNG\r\n\x1a\n")
        result = subprocess.run([str(copy), "scan", str(page)], capture_output=True, text=True, timeout=60)
        if result.returncode != 2 or CANNOT_LOAD not in result.stderr:
            return f"qwtool without the scanner's module: exit {result.returncode}, said {result.stderr.strip()!r}"
    return None


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    qwtool, programs = sys.argv[1], sys.argv[1:]
    problems = []
    for program in programs:
        libraries = loaded_on_start(program)
        if libraries:
            problems.append(f"{program} loads {', '.join(libraries)} on its start")
    problem = scan_without_module(qwtool)
    if problem:
        problems.append(problem)
    for problem in problems:
        print(problem)
    if not problems:
        print(f"{len(programs)} programs start without the scanner's libraries; a scan without them says so")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
