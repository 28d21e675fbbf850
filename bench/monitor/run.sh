#!/usr/bin/env bash
# Runs the monitor benchmark under Wine.
# Usage: bench/monitor/run.sh <win64 bin folder> [seconds, default 60]
exec "$(dirname "$0")/../run_in_wine.sh" qb_bench_monitor.exe "$@"
