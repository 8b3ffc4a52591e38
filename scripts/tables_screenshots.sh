#!/bin/sh
# Pictures of the tables screen and its dialogs, at 96 DPI, into docs/screenshots/.
# Usage: scripts/tables_screenshots.sh [build folder]   (default build/release)
AMORTIX_SCREENSHOT_DPIS=96 exec "$(dirname "$0")/screenshots.sh" Tables "$@"
