#!/bin/sh
# Pictures of the tables screen and its dialogs, under Xvfb, into docs/screenshots/.
# Usage: scripts/tables_screenshots.sh [build folder]   (default build/dev)
set -e
cd "$(dirname "$0")/.."
build=${1:-build/dev}
LANG=en_US.UTF-8 AMORTIX_SCREENSHOTS="$PWD/docs/screenshots" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$build/tests/gui/amortix_gui_tests" --gtest_filter='TablesScreenshots.*'
