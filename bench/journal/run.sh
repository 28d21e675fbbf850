#!/usr/bin/env bash
# Runs the journaling benchmark under Wine.
# Usage: bench/journal/run.sh <win64 bin folder> [rounds]
exec "$(dirname "$0")/../run_in_wine.sh" qb_bench_journal.exe "$@"
