#!/usr/bin/env bash
# Runs the cleaner benchmark under Wine in a prefix of its own, removed afterwards.
# Usage: bench/cleaner/run.sh <win64 bin folder> [entries per category]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$1; shift
export WINEPREFIX=$(mktemp -d /tmp/qb-bench-cleaner.XXXXXX)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
. "$root/scripts/wine-env.sh"
qb_prepare_prefix
wine "$bin/qb_bench_cleaner.exe" "$@"
