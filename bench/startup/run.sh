#!/usr/bin/env bash
# Runs the start-up benchmark under Wine on a virtual display, in a prefix of its own.
# Usage: bench/startup/run.sh <win64 bin folder> [warm starts of each, default 5]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$1; shift
export WINEPREFIX=$(mktemp -d /tmp/qb-bench-startup.XXXXXX)
. "$root/scripts/wine-env.sh"
. "$root/scripts/xvfb.sh"
qb_start_xvfb "${QB_BENCH_DISPLAY:-96}" || exit 1
trap 'qb_stop_xvfb; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
qb_prepare_prefix
(cd "$bin" && wine ./qb_bench_startup.exe "$@")
