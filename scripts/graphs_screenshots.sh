#!/bin/sh
# Pictures of the graph windows, under Xvfb at 96 and 144 DPI, into docs/screenshots/.
# Usage: scripts/graphs_screenshots.sh [build folder]   (default build/release, which the release preset makes)
set -e
cd "$(dirname "$0")/.."
build=${1:-build/release}
for dpi in 96 144; do
  suffix=""
  [ "$dpi" = 96 ] || suffix="-${dpi}dpi"
  LANG=en_US.UTF-8 AMORTIX_SCREENSHOTS="$PWD/docs/screenshots" AMORTIX_SCREENSHOT_SUFFIX="$suffix" \
    QT_QPA_PLATFORM=xcb QT_FONT_DPI=$dpi \
    xvfb-run -a -s "-screen 0 2400x1600x24" \
    "$build/tools/screenshots/amortix_screenshots" --gtest_filter='GraphScreenshots.*'
done
