#!/bin/sh
# Pictures of the qualifying screen, at 96 and 144 DPI, into docs/screenshots/.
# Usage: scripts/qualify_screenshots.sh [build folder]   (default build/release)
exec "$(dirname "$0")/screenshots.sh" Qualify "$@"
