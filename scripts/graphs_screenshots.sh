#!/bin/sh
# Pictures of the graph windows, at 96 and 144 DPI, into docs/screenshots/.
# Usage: scripts/graphs_screenshots.sh [build folder]   (default build/release)
exec "$(dirname "$0")/screenshots.sh" Graph "$@"
