#!/usr/bin/env python3
"""The layer check on a tiny tree: it reports each kind of fault, and nothing
that the table allows."""

import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECK = Path(__file__).with_name("check-layers.py")

TABLE = """# Conventions

## Layers

| folder | holds | may use |
|---|---|---|
| `src/low/` | the bottom | the standard library |
| `src/mid/` | the middle | `low`, zlib |
| `src/high/` | the top | `mid` |

## Next section

| `src/extra/` | not a layer row, being outside the section | `high` |
"""

# low/A and low/B form a cycle only through B's .cpp; high reaches low
# through mid, which the table allows.
CLEAN = {
    "low/A.h": '#include "low/B.h"\n',
    "low/B.h": "#pragma once\n",
    "low/B.cpp": '#include "low/B.h"\n#include <vector>\n',
    "mid/M.h": '#include "low/B.h"\n',
    "high/H.cpp": '#include "high/H.h"\n#include "low/A.h"\n#include "mid/M.h"\n#include "H.moc"\n',
    "high/H.h": '#include "mid/M.h"\n',
    "tests/high/HTest.cpp": '#include "high/H.h"\n#include "support/Fixture.h"\n',
    "tests/support/Fixture.h": '#include "low/B.h"\n',
}

FAULTS = {
    "low/B.cpp": '#include "low/B.h"\n#include "low/A.h"\n',
    "mid/M.h": '#include "low/B.h"\n\n#include "high/H.h"\n',
    "high/H.cpp": '#include "../mid/M.h"\n',
    "extra/E.h": '#include "low/B.h"\n',
    # A test that passes its library by and a benchmark that climbs to a file
    # of its own tree.
    "tests/high/HTest.cpp": '#include "../../src/high/H.h"\n',
    "bench/B.cpp": '#include "../bench/B.h"\n',
    "bench/B.h": "#pragma once\n",
}


def run_check(files):
    with tempfile.TemporaryDirectory() as root:
        (Path(root) / "docs").mkdir()
        (Path(root) / "docs" / "CONVENTIONS.md").write_text(TABLE)
        for name, text in files.items():
            path = Path(root) / (name if name.split("/")[0] in ("tests", "bench") else "src/" + name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        result = subprocess.run([sys.executable, str(CHECK), root], capture_output=True, text=True)
        return result.returncode, result.stdout.splitlines()


class LayerCheckTest(unittest.TestCase):
    def test_a_tree_that_follows_the_table_passes(self):
        code, lines = run_check(CLEAN)
        self.assertEqual(code, 0, lines)

    def test_each_fault_is_reported_once(self):
        code, lines = run_check({**CLEAN, **FAULTS})
        self.assertEqual(code, 1)
        self.assertEqual(
            lines[:-1],
            [
                "src/high/H.cpp:1: \"../mid/M.h\" climbs out of its folder; include it as \"mid/M.h\"",
                "src/mid/M.h:3: includes high/H.h, but mid may use only low",
                "tests/high/HTest.cpp:1: \"../../src/high/H.h\" climbs out of its folder; include it as \"high/H.h\"",
                "bench/B.cpp:1: \"../bench/B.h\" climbs out of its folder; include it as \"B.h\"",
                "src/extra/: no row in the layer table of docs/CONVENTIONS.md",
                "include cycle between units: high/H, mid/M",
                "include cycle between units: low/A, low/B",
            ],
        )


if __name__ == "__main__":
    unittest.main()
