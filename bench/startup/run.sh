#!/usr/bin/env bash
# Runs the start-up benchmark under Wine.
# Usage: bench/startup/run.sh <win64 bin folder> [warm starts of each, default 5]
exec "$(dirname "$0")/../run_in_wine.sh" qb_bench_startup.exe "$@"
