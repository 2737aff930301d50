#!/usr/bin/env bash
# Every test of Lexoro: set up a fresh Debian machine, build the Linux, sanitizer and Windows
# configurations, run their test suites (the Windows one under Wine), and run each fuzz target
# for a bounded time. Exits non-zero when anything fails.
#   FUZZ_SECONDS=N   time per fuzz target (default 45; 0 skips fuzzing)
#   JOBS=N           parallel build and test jobs (default: the number of processors)
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh || exit 1
jobs=${JOBS:-$(nproc)}

logs=build/test-logs
mkdir -p "$logs"
status=0
passed=0
failed=0

run_suite() {  # preset
  local preset=$1
  echo "== $preset: configure and build =="
  if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$jobs"; } >"$logs/$preset-build.log" 2>&1; then
    tail -n 40 "$logs/$preset-build.log"
    echo "$preset: build FAILED"
    status=1
    failed=$((failed + 1))
    return
  fi
  echo "== $preset: tests =="
  ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$logs/$preset-test.log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  local line
  line=$(grep -E "tests passed, [0-9]+ tests? failed out of" "$logs/$preset-test.log" | tail -n 1)
  if [ -n "$line" ]; then
    local total bad
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  else
    status=1
  fi
}

run_suite native
run_suite native-asan
run_suite windows

fuzz_seconds=${FUZZ_SECONDS:-45}
if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== fuzz: build =="
  if { cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j "$jobs"; } >"$logs/fuzz-build.log" 2>&1; then
    for target in build/fuzz/tests/fuzz/fuzz_*; do
      [ -x "$target" ] || continue
      name=$(basename "$target")
      format=${name#fuzz_}
      work="build/fuzz/work/$format"
      mkdir -p "$work"
      echo "== fuzz: $name for ${fuzz_seconds}s =="
      if "$target" -max_total_time="$fuzz_seconds" -max_len=16384 -timeout=10 -rss_limit_mb=4096 \
           -artifact_prefix="$work/" "$work" "tests/fuzz/corpus/$format" >"$logs/$name.log" 2>&1; then
        tail -n 1 "$logs/$name.log"
        passed=$((passed + 1))
      else
        tail -n 30 "$logs/$name.log"
        echo "$name: FAILED (the failing input is in $work; keep it in tests/fuzz/corpus/$format once fixed)"
        status=1
        failed=$((failed + 1))
      fi
    done
  else
    tail -n 40 "$logs/fuzz-build.log"
    echo "fuzz: build FAILED"
    status=1
    failed=$((failed + 1))
  fi
fi

echo
echo "total: $passed passed, $failed failed"
exit $status
