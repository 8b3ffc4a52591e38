#!/usr/bin/env bash
# Random keys and clicks on every screen and dialog of the window program for
# MINUTES minutes (default 30), under AddressSanitizer and
# UndefinedBehaviorSanitizer; prints the number of events sent, the forms
# that took them and the files written. A sanitizer report, a crash or a
# window that will not close fails the run. AMORTIX_SOAK_SEED picks another
# sequence.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-30}"
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$(nproc)" --target amortix_gui_tests
AMORTIX_SOAK_SECONDS=$((minutes * 60)) \
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  build/asan/tests/gui/amortix_gui_tests --gtest_filter='Soak.*' 2>&1 | grep -v '^This plugin does not support'
