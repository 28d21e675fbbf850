#!/usr/bin/env bash
# Runs the monitor benchmark under Wine on a virtual display, in a prefix of its own.
# Usage: bench/monitor/run.sh <win64 bin folder> [seconds, default 60]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$1; shift
export WINEPREFIX=$(mktemp -d /tmp/qb-bench-monitor.XXXXXX)
. "$root/scripts/wine-env.sh"
. "$root/scripts/xvfb.sh"
qb_start_xvfb "${QB_BENCH_DISPLAY:-95}" || exit 1
trap 'qb_stop_xvfb; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
qb_prepare_prefix
(cd "$bin" && wine ./qb_bench_monitor.exe "$@")
