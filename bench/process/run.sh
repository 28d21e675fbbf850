#!/usr/bin/env bash
# Runs the process-list benchmark under Wine.
# Usage: bench/process/run.sh <win64 bin folder>
exec "$(dirname "$0")/../run_in_wine.sh" qb_bench_process.exe "$@"
