#!/usr/bin/env bash
# Checks the formatting, builds everything, lints src/ with clang-tidy and
# runs every test: once in Release, and once under AddressSanitizer and
# UndefinedBehaviorSanitizer with a short regression run of every fuzz target
# over its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
jobs=$(nproc)

scripts/format.sh --check

cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

# Over the Release build's compile commands without the precompiled headers,
# which clang cannot read; the generated moc files are not ours.
start=$SECONDS
mkdir -p build/release/tidy
python3 -c '
import json, re, sys
db = json.load(open(sys.argv[1]))
for entry in db:
    entry["command"] = re.sub(r" -Winvalid-pch| -include \S*cmake_pch\.hxx", "", entry["command"])
json.dump(db, open(sys.argv[2], "w"))
' build/release/compile_commands.json build/release/tidy/compile_commands.json
run-clang-tidy -quiet -p build/release/tidy -j "$jobs" '^(?!.*(_autogen|\.rcc)).*/src/.*\.cpp$' >build/release/clang-tidy.log 2>&1 || true
findings=$(sed 's/\x1b\[[0-9;]*m//g' build/release/clang-tidy.log | grep -E '(error|warning): .*\[' |
  grep -v clang-diagnostic | sort -u || true)
echo "clang-tidy: $(printf '%s' "$findings" | grep -c . || true) findings in $((SECONDS - start)) s"
if [ -n "$findings" ]; then
  printf '%s\n' "$findings"
  exit 1
fi

# One clang build: every test, and each fuzz target's regression run over its seeds.
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --preset asan -j "$jobs"
