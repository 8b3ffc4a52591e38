#!/bin/sh
# Pictures of the comparison screen, at 96 and 144 DPI, into docs/screenshots/.
# Usage: scripts/comparison_screenshots.sh [build folder]   (default build/release)
exec "$(dirname "$0")/screenshots.sh" Comparison "$@"
