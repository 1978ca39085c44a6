#!/usr/bin/env bash
# Runs the tests of a build directory headless, on every core. Passing tests are counted, not
# listed: on a terminal ctest shows its progress on one line; elsewhere (a CI log) only the tests
# that fail are printed, each with its output, then ctest's summary (the share that passed and the
# list of those that failed).
# Usage: scripts/runtests.sh BUILD_DIR [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
. "$here/scripts/runtime-dir.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
if [ -t 1 ]; then
  ctest --output-on-failure --progress -j"$(nproc)" "$@"
else
  ctest --output-on-failure -j"$(nproc)" "$@" |
    grep --line-buffered -v -E '^ +Start +[0-9]+: |^ *[0-9]+/[0-9]+ +Test +#[0-9]+: .* +Passed +[0-9.]+ sec$'
fi
