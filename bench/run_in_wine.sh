#!/usr/bin/env bash
# Runs one benchmark program under Wine on a virtual display, in a prefix of its own that is
# removed afterwards.
# Usage: bench/run_in_wine.sh <program.exe> <win64 bin folder> [the program's arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$1; bin=$2; shift 2
export WINEPREFIX=$(mktemp -d /tmp/qb-bench.XXXXXX)
. "$root/scripts/wine-env.sh"
. "$root/scripts/xvfb.sh"
qb_start_xvfb "${QB_BENCH_DISPLAY:-96}" || exit 1
trap 'qb_stop_xvfb; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
qb_prepare_prefix
(cd "$bin" && wine "./$program" "$@")
