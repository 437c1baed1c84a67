#!/usr/bin/env bash
# Builds the long-use check and runs it at its full size: random commands on
# a large diary in one process, the file checked after every save. Tells how
# long it took. CI runs the same check at a small size with the suite.
#   scripts/long-use.sh             100,000 cards, 10,000 commands
#   scripts/long-use.sh --sanitize  the same under the address sanitizer
#                                   (some ten times slower), leaks checked
# ORVANE_LONG_USE_CARDS, ORVANE_LONG_USE_COMMANDS and ORVANE_LONG_USE_SEED
# set another size or repeat a run (its seed is printed).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-long"
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_BENCH=OFF)
if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-long-asan"
  args=(-DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S "$here" -B "$build" -G Ninja "${args[@]}" >/dev/null
cmake --build "$build" --target test_long_use -j"$(nproc)"

# A home of its own, as under CTest: the check never sees the user's diary.
home=$(mktemp -d "${TMPDIR:-/tmp}/orvane-long-use.XXXXXX")
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen TZ=Europe/Rome \
  LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
export ORVANE_LONG_USE_CARDS="${ORVANE_LONG_USE_CARDS:-100000}"
export ORVANE_LONG_USE_COMMANDS="${ORVANE_LONG_USE_COMMANDS:-10000}"

start=$(date +%s)
status=0
"$build/tests/test_long_use" || status=$?
elapsed=$(( $(date +%s) - start ))
printf 'long use: %s cards, %s commands: %dm%02ds, %s\n' "$ORVANE_LONG_USE_CARDS" "$ORVANE_LONG_USE_COMMANDS" \
  $((elapsed / 60)) $((elapsed % 60)) "$([ $status -eq 0 ] && echo passed || echo FAILED)"
exit $status
