#!/usr/bin/env python3
"""Checks that the student page speaks each of its languages whole.

    check-page-texts.py ROOT

Every English text the page shows (a t("...") or fill(..., "...") of page.js,
a data-t element of index.html, and every sentence the server sends as an
"error" from src/classroom) must have a translation in every language of
texts.js, keeping the same {0}, {1}... places; and texts.js must hold no text
nothing uses. Prints each fault and exits 1 on any."""
import json, pathlib, re, subprocess, sys

root = pathlib.Path(sys.argv[1])
page = root / "src/classroom/page"


def js_string(literal):
    return json.loads(literal)


shown = set()
script = (page / "page.js").read_text(encoding="utf-8")
for m in re.finditer(r'\b(?:t|fill\([^,()]+,)\(?\s*("(?:[^"\\]|\\.)*")', script):
    shown.add(js_string(m.group(1)))
html = (page / "index.html").read_text(encoding="utf-8")
for m in re.finditer(r'<(\w+)[^>]*?\bdata-t(?:="([^"]*)")?[^>]*>([^<]*)<', html):
    shown.add(m.group(2) if m.group(2) else " ".join(m.group(3).split()))
for source in (root / "src/classroom").glob("*.cpp"):
    for m in re.finditer(r'Error\(\d+,\s*("(?:[^"\\]|\\.)*")\)', source.read_text(encoding="utf-8")):
        shown.add(js_string(m.group(1)))

# texts.js is read by Node itself, so the check sees exactly what a browser does.
dump = subprocess.run(["node", "-e", "const fs=require('fs');eval(fs.readFileSync(process.argv[1],'utf8')+"
                       "';process.stdout.write(JSON.stringify(TEXTS))')", str(page / "texts.js")],
                      capture_output=True, text=True)
if dump.returncode != 0:
    print(dump.stderr.strip() or "texts.js cannot be read")
    sys.exit(1)
texts = json.loads(dump.stdout)

faults = []
places = lambda text: sorted(re.findall(r"\{\d\}", text))
for language, table in sorted(texts.items()):
    for english in sorted(shown - table.keys()):
        faults.append(f"{language}: no translation of {english!r}")
    for english in sorted(table.keys() - shown):
        faults.append(f"{language}: {english!r} is shown nowhere")
    for english, own in table.items():
        if places(english) != places(own):
            faults.append(f"{language}: {english!r} and its translation differ in their {{n}} places")
        if not own.strip():
            faults.append(f"{language}: the translation of {english!r} is empty")
for fault in faults:
    print(fault)
print(f"{len(shown)} texts, {len(texts)} languages, {len(faults)} fault(s)")
sys.exit(1 if faults else 0)
