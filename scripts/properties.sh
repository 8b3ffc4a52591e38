#!/usr/bin/env bash
# scripts/properties.sh [N]
# Runs every RapidCheck property (the test suites named *Properties) with N
# cases each (default 100000), one property after another, in a Release
# build, and prints per property the cases, the seconds and the outcome. A
# failure keeps RapidCheck's shrunk counter-example and its reproduce string
# in the property's log and makes the status 1.
# The properties that start a process a case, the command line's and the
# workbook's (unzip), run AMORTIX_CLI_PROPERTY_CASES cases (default N / 100,
# at least 100).
# AMORTIX_PROPERTY_SEED fixes the seed (default: a new one, printed);
# AMORTIX_PROPERTY_BUILD names the build folder (default build/properties).
set -euo pipefail
cd "$(dirname "$0")/.."
cases="${1:-100000}"
cli_cases="${AMORTIX_CLI_PROPERTY_CASES:-$((cases / 100 > 100 ? cases / 100 : 100))}"
seed="${AMORTIX_PROPERTY_SEED:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}"
build="${AMORTIX_PROPERTY_BUILD:-build/properties}"

scripts/deps.sh
# Without precompiled headers, as the Release preset: with them GCC 12 at -O3
# reports its own false positives inside the standard library as errors.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAMORTIX_BUILD_GUI=OFF \
  -DAMORTIX_BUILD_BENCH=OFF -DAMORTIX_BUILD_TOOLS=OFF -DAMORTIX_PCH=OFF >/dev/null
cmake --build "$build" --target amortix_core_tests amortix_cli_tests amortix-cli

logs="$build/property-logs"
mkdir -p "$logs"
echo "seed $seed, $cases cases a property ($cli_cases for those that start a process a case)"
printf '%-84s %9s %9s  %s\n' property cases seconds outcome
status=0
for binary in "$build/tests/amortix_core_tests" "$build/tests/amortix_cli_tests"; do
  # gtest lists "Suite." lines, then "  Test" lines under each.
  properties=$("$binary" --gtest_list_tests --gtest_filter='*Properties.*' |
    awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }')
  for property in $properties; do
    n=$cases
    [ "$(basename "$binary")" = amortix_cli_tests ] && n=$cli_cases
    case $property in ExportProperties.TheScheduleWorkbook*) n=$cli_cases ;; esac  # as tests/CMakeLists.txt has it
    log="$logs/$property.log"
    start=$(date +%s.%N)
    if RC_PARAMS="max_success=$n seed=$seed" "$binary" --gtest_filter="$property" >"$log" 2>&1; then
      outcome=passed
    else
      outcome="FAILED (see $log)"
      status=1
    fi
    seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
    printf '%-84s %9s %9.1f  %s\n' "$property" "$n" "$seconds" "$outcome"
  done
done
exit $status
