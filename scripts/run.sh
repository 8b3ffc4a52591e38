#!/usr/bin/env bash
# Builds the program (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/src/gui/amortix ]; then
  exec build/release/src/gui/amortix "$@"
fi
# Until the window program is built, show the engine at work.
exec build/release/src/cli/amortix-cli schedule --compounding semiannual --frequency biweekly-acc
