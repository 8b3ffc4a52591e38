#!/bin/sh
# Pictures of the tables screen and its dialogs, under Xvfb, into docs/screenshots/.
# Usage: scripts/tables_screenshots.sh [build folder]   (default build/release, which the release preset makes)
set -e
cd "$(dirname "$0")/.."
build=${1:-build/release}
LANG=en_US.UTF-8 AMORTIX_SCREENSHOTS="$PWD/docs/screenshots" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$build/tools/screenshots/amortix_screenshots" --gtest_filter='TablesScreenshots.*'
