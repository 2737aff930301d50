#!/usr/bin/env bash
# Executions per second of each fuzz target over its kept corpus, one fixed-seed run each.
#   bench/fuzz-rate.sh [SECONDS] [FOLDER...]
# FOLDER holds fuzz_* binaries (default build/fuzz/tests/fuzz); several folders are measured
# one after the other in the same run, for a before/after table. New inputs go to a scratch
# folder, never into the kept corpus; a target that fails leaves its log and the failing input
# in $TMPDIR (or /tmp) as lexoro-fuzz_<name>*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(build/fuzz/tests/fuzz)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf "%-42s %-10s %10s %12s  %s\n" folder target runs exec/s result
for folder in "${folders[@]}"; do
  for binary in "$folder"/fuzz_*; do
    [ -x "$binary" ] || continue
    target=$(basename "$binary")
    format=${target#fuzz_}
    rm -rf "$work/new" && mkdir "$work/new"
    log="$work/$target.log"
    program=$(realpath "$binary")
    corpus=$(realpath "tests/fuzz/corpus/$format")
    keep="${TMPDIR:-/tmp}/lexoro-$target"
    (cd "$work" && "$program" -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$keep-" "$work/new" "$corpus") >"$log" 2>&1 || true
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    result=ok
    if grep -q -e '^==[0-9]*==ERROR' -e 'deadly signal' -e 'ALARM: working on the last Unit' "$log"; then
      cp "$log" "$keep.log"
      result="FAILED: $keep.log"
    fi
    printf "%-42s %-10s %10s %12s  %s\n" "$folder" "$format" "${runs:-?}" "${rate:-?}" "$result"
  done
done
