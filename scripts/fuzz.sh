#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS [TARGET...]]
# Fuzzes every reader and the command line's options (or the targets named)
# for SECONDS each (default 600), growing the corpus in fuzz/grown/ (kept out
# of git) from the seeds in fuzz/corpus/, and prints per target the
# executions, the coverage reached and the findings (inputs that crashed,
# leaked, hung or broke a check, saved in fuzz/findings/).
# AMORTIX_FUZZ_JOBS targets run at once (default 1).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
jobs="${AMORTIX_FUZZ_JOBS:-1}"
scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

targets=(records numbers table_file comparison_file settings_file data_file state_file qualify_file cli_options)
[ $# -gt 1 ] && targets=("${@:2}")
logs=build/fuzz/logs
mkdir -p "$logs" fuzz/findings
run() {
  local name=$1
  local dictionary=()
  [ -f "fuzz/$name.dict" ] && dictionary=(-dict="fuzz/$name.dict")
  mkdir -p "fuzz/grown/$name"
  "build/fuzz/fuzz/${name}_fuzz" "fuzz/grown/$name" "fuzz/corpus/$name" "${dictionary[@]}" \
    -max_total_time="$seconds" -max_len=16384 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="fuzz/findings/${name}-" >"$logs/$name.log" 2>&1 || true
}
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run "$name" &
done
wait

printf '%-16s %14s %8s %8s %8s %9s\n' target executions exec/s cov features findings
status=0
for name in "${targets[@]}"; do
  log="$logs/$name.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  found=$(find fuzz/findings -name "${name}-*" | wc -l)
  [ "$found" -eq 0 ] || status=1
  printf '%-16s %14s %8s %8s %8s %9s\n' "$name" "${runs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "$found"
done
exit $status
