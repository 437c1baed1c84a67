#!/bin/sh
# Times the import of a 1,000,000-reading sensor export, each case in a
# process of its own (so that the peak memory is the case's alone even where
# the benchmark cannot reset it). Extra arguments go to the benchmark, e.g.
#   bench/run_sensor_import.sh build --benchmark_repetitions=5
set -e
build=${1:-build}
[ $# -gt 0 ] && shift
for case in BM_ImportIntoEmptyStore BM_ImportAgain; do
    "$build/bench/bench_sensor_import" --benchmark_filter="^$case/" "$@"
done
