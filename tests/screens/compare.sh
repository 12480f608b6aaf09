#!/bin/sh
# Compares two folders of window screenshots pixel by pixel.
#   compare.sh BEFORE AFTER
# Prints one line per window that differs or is missing and exits 1 if any does.
set -u
before=$1
after=$2
status=0
for png in "$before"/*.png; do
  name=$(basename "$png")
  if [ ! -f "$after/$name" ]; then
    echo "missing: $name"
    status=1
    continue
  fi
  pixels=$(compare -metric AE "$png" "$after/$name" null: 2>&1)
  if [ "$pixels" != "0" ]; then
    echo "differs: $name ($pixels pixels)"
    status=1
  fi
done
for png in "$after"/*.png; do
  [ -f "$before/$(basename "$png")" ] || { echo "new: $(basename "$png")"; status=1; }
done
[ $status -eq 0 ] && echo "identical: $(ls "$before"/*.png | wc -l) windows"
exit $status
