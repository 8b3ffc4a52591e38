#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree a desktop and
# a user rely on: both programs start from there, the desktop entry and the
# AppStream metadata validate, the file types name the three globs, the icons
# and manual pages are in place, and nothing else (tests, libraries) comes along.
# Usage: install_tree_test.sh BUILD_DIR GUI(0|1)
set -euo pipefail
build=$1
gui=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
id=org.amortix.Amortix

# Exactly these files, so test programs or static libraries never ship.
expected="usr/bin/amortix-cli
usr/share/applications/$id.desktop
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/amortix-cli.1
usr/share/metainfo/$id.metainfo.xml
usr/share/mime/packages/$id.xml"
[ "$gui" = 1 ] && expected=$(printf '%s\nusr/bin/amortix\nusr/share/man/man1/amortix.1' "$expected")
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$(sort <<<"$expected")" ] || fail "installed files differ:
$(diff <(sort <<<"$expected") <(echo "$actual") || true)"

# The command line from the installed tree.
# (Outputs are read whole: grep -q would stop reading early and break the pipe.)
version=$("$usr/bin/amortix-cli" --version)
grep -Eqx 'amortix-cli [0-9]+\.[0-9]+' <<<"$version" || fail "amortix-cli --version: $version"
help=$("$usr/bin/amortix-cli" --help)
grep -q 'Exit status' <<<"$help" || fail "amortix-cli --help names the exit statuses"
schedule=$("$usr/bin/amortix-cli" schedule --principal 100000 --rate 10.125 --years 25 \
  --compounding semiannual --format json)
grep -q '"payment": "     \$902.91"' <<<"$schedule" || fail "amortix-cli schedule from the installed tree"

# The window program starts and keeps running until it is stopped.
if [ "$gui" = 1 ]; then
  set +e
  XDG_CONFIG_HOME=$root/config QT_QPA_PLATFORM=offscreen timeout 2 "$usr/bin/amortix" >/dev/null 2>&1
  status=$?
  set -e
  [ "$status" = 124 ] || fail "amortix ended with status $status instead of running"
  # Its manual page documents --version.
  version=$(XDG_CONFIG_HOME=$root/config QT_QPA_PLATFORM=offscreen "$usr/bin/amortix" --version 2>&1)
  grep -Eqx 'Amortix [0-9]+\.[0-9]+' <<<"$version" || fail "amortix --version: $version"
fi

# The manual pages format without a warning (groff comes with man where
# manual pages are read at all).
if command -v groff >/dev/null; then
  for page in "$usr"/share/man/man1/*.1; do
    warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  done
fi

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry"
grep -qx 'Exec=amortix %f' "$usr/share/applications/$id.desktop" || fail "desktop entry opens a file"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "metainfo: $(appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml")"

mime=$usr/share/mime/packages/$id.xml
xmllint --noout "$mime" || fail "MIME XML is not well formed"
globs=$(xmllint --xpath "//*[local-name()='glob']/@pattern" "$mime" | tr -s ' \n' '\n' | sed '/^$/d' | sort | tr '\n' ' ')
[ "$globs" = 'pattern="*.qcd" pattern="*.qld" pattern="*.qmd" pattern="*.qqd" ' ] || fail "MIME globs: $globs"

for icon in scalable/apps/$id.svg 48x48/apps/$id.png 256x256/apps/$id.png; do
  [ -s "$usr/share/icons/hicolor/$icon" ] || fail "icon $icon"
done
xmllint --noout "$usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "SVG icon"
echo "installed tree OK"
