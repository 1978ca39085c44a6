#!/usr/bin/env bash
# Builds Arkweld and every test (installing what they need) and runs the tests headless. What
# passes is only counted; what fails is printed with its output (scripts/runtests.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh" "$here/build"
# Off a terminal ninja would print a line per file: only what the compiler says is kept.
quiet=()
[ -t 1 ] || quiet=(-- --quiet)
cmake --build "$here/build" "${quiet[@]}"
"$here/scripts/runtests.sh" "$here/build" "$@"
