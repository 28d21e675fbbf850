#!/usr/bin/env bash
# Runs the exclusions benchmark under Wine.
# Usage: bench/exclusions/run.sh <win64 bin folder> [entries] [rounds]
exec "$(dirname "$0")/../run_in_wine.sh" qb_bench_exclusions.exe "$@"
