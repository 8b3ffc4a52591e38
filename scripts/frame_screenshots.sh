#!/usr/bin/env bash
# Pictures of the frame with the menu and the tables screen under a window
# manager: at the smallest (design) frame, the start size and maximised, at
# 96 and 144 DPI, in the C and en_GB locales.
# Usage: scripts/frame_screenshots.sh [build folder] [output folder]
#   (defaults build/release and /tmp/amortix-frame-shots)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=${2:-/tmp/amortix-frame-shots}
program="$PWD/$build/src/gui/amortix"
mkdir -p "$out"
display=:57

Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
sleep 1

shot() { DISPLAY=$display import -window root "$out/$1.png"; }

for dpi in 96 144; do
  for locale in C en_GB; do
    work=$(mktemp -d)
    (cd "$work" && DISPLAY=$display LANG=$locale.UTF-8 LC_ALL= QT_QPA_PLATFORM=xcb QT_FONT_DPI=$dpi \
      exec "$program" >/dev/null 2>&1) &
    app=$!
    window=""
    for _ in $(seq 50); do
      window=$(DISPLAY=$display xdotool search --name "Amortix Menu" 2>/dev/null | head -1) && [ -n "$window" ] && break
      sleep 0.2
    done
    sleep 1
    tag="$locale-$dpi"
    shot "menu-start-$tag"
    DISPLAY=$display xdotool windowactivate --sync "$window" key --clearmodifiers alt+t
    sleep 1
    shot "tables-start-$tag"
    # The smallest frame: the design size, 9615 x 6810 twips.
    w=$((9615 * dpi / 1440)); h=$((6810 * dpi / 1440))
    DISPLAY=$display xdotool windowsize --sync "$window" "$w" "$h"
    sleep 1
    shot "tables-smallest-$tag"
    DISPLAY=$display xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" 100% 100%
    sleep 1
    shot "tables-maximised-$tag"
    DISPLAY=$display xdotool key --clearmodifiers alt+x
    sleep 1
    shot "menu-maximised-$tag"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    rm -rf "$work"
  done
done
echo "pictures in $out"
