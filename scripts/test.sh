#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite.
#   scripts/test.sh             the normal build (warnings as errors)
#   scripts/test.sh --sanitize  the same suite built with address and
#                               undefined-behaviour sanitizers
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build"
args=(-DORVANE_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-sanitize"
  args+=(-DORVANE_SANITIZE=ON -DORVANE_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
"$here/scripts/setup.sh" "$build" "${args[@]}"
cd "$build"
ctest --output-on-failure -j"$(nproc)"
