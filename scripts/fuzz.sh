#!/usr/bin/env bash
# Runs each libFuzzer target of fuzz/ for a while, seeded from fuzz/corpus/<target>/.
# New inputs go to build/fuzz/corpus/<target>/ (not into the tree); a crash, leak or hang is
# written to build/fuzz/findings/ and fails the run. Keep a fixed finding as a seed.
# Usage: scripts/fuzz.sh [seconds per target, default 25] [target...]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-25}; shift || true
scripts/build.sh fuzz "${@:-qb_fuzz}" >/dev/null || { scripts/build.sh fuzz "${@:-qb_fuzz}"; exit 1; }
bin="$root/build/fuzz/bin"
findings="$root/build/fuzz/findings"
mkdir -p "$findings"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

# A generous time-out per input: on a busy machine an input may simply wait for a processor.
status=0
for target in "${targets[@]}"; do
  work="$root/build/fuzz/corpus/$target"
  mkdir -p "$work" "fuzz/corpus/$target"
  log="$root/build/fuzz/$target.log"
  if ASAN_OPTIONS=detect_leaks=1 "$bin/$target" -max_total_time="$seconds" -timeout="${QB_FUZZ_TIMEOUT:-60}" -rss_limit_mb=1024 \
       -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
       "$work" "fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    echo "fuzz: $target: ${runs:-?} inputs in ${seconds}s, nothing found"
  else
    status=1
    echo "fuzz: $target: FOUND something (log $log, inputs in $findings):"
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5
  fi
done
exit $status
