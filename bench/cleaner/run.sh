#!/usr/bin/env bash
# Runs the cleaner benchmark under Wine.
# Usage: bench/cleaner/run.sh <win64 bin folder> [entries per category]
exec "$(dirname "$0")/../run_in_wine.sh" qb_bench_cleaner.exe "$@"
