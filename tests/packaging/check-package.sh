#!/bin/sh
# Checks an installed Quizwell and its Debian package:
#   tests/packaging/check-package.sh BUILD_FOLDER
# BUILD_FOLDER is a configured and built tree whose quizwell_*.deb cpack made.
# Installs into a fresh DESTDIR, compares the file list, then runs the
# desktop's validators and lintian. Exit status 0 when everything passes.
set -eu

build=${1:?usage: check-package.sh BUILD_FOLDER}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

# The files an install must hold; the engine's only when it is built.
expected=$root/expected
{
  for program in qwtestm qwtool; do echo "usr/bin/$program"; done
  echo usr/lib/quizwell/quizwell-scanner.so
  echo usr/share/applications/org.quizwell.Maker.desktop
  echo usr/share/metainfo/org.quizwell.Maker.metainfo.xml
  echo usr/share/mime/packages/quizwell.xml
  echo usr/share/icons/hicolor/scalable/apps/org.quizwell.Maker.svg
  for size in 16 32 48 64 128 256; do echo "usr/share/icons/hicolor/${size}x${size}/apps/org.quizwell.Maker.png"; done
  for page in qwtestm qwtool; do echo "usr/share/man/man1/$page.1.gz"; done
  echo usr/share/doc/quizwell/copyright
  echo usr/share/doc/quizwell/changelog.gz
  for test in CELLBIO FRACTIONS GEOGRAPHY; do echo "usr/share/quizwell/examples/$test.QWT"; done
  for page in home.html style.css support.html tips.html updates.html; do echo "usr/share/quizwell/help/web/$page"; done
  if [ -x "$build/bin/qwtest" ]; then
    echo usr/bin/qwtest
    echo usr/share/applications/org.quizwell.Engine.desktop
    echo usr/share/man/man1/qwtest.1.gz
  fi
} | sort >"$expected"
(cd "$root" && find usr ! -type d) | sort >"$root/actual"
diff -u "$expected" "$root/actual" || fail "installed files differ from the expected list"

for entry in "$root"/usr/share/applications/*.desktop; do
  desktop-file-validate "$entry" || fail "desktop-file-validate $(basename "$entry")"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/org.quizwell.Maker.metainfo.xml" ||
  fail "appstreamcli validate"
schema=/usr/share/mime/shared-mime-info.xsd
if [ -f "$schema" ]; then
  xmllint --noout --schema "$schema" "$root/usr/share/mime/packages/quizwell.xml" || fail "xmllint (schema)"
else
  xmllint --noout "$root/usr/share/mime/packages/quizwell.xml" || fail "xmllint"
fi

# The installed maker finds its web pages and samples from bin/../share.
[ -d "$root/usr/share/quizwell/help/web" ] || fail "no help/web beside share/quizwell"

set -- "$build"/quizwell_*.deb
[ -f "$1" ] || { fail "no quizwell_*.deb in $build (run make package)"; exit 1; }
dpkg-deb --ctrl-tarfile "$1" | tar -t | grep -qE 'postinst|postrm' && fail "the package carries maintainer scripts"
dpkg-deb --field "$1" Recommends | grep -q "hunspell-en-us" || fail "the package does not recommend a spelling dictionary"
lintian --fail-on error --tag-display-limit 0 "$1" || fail "lintian reports errors"

[ "$failed" -eq 0 ] && echo "package check passed"
exit "$failed"
