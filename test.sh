#!/usr/bin/env bash
# Builds Arkweld and every test (installing what they need) and runs the tests headless.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh" "$here/build"
cmake --build "$here/build"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
cd "$here/build"
ctest --output-on-failure -j"$(nproc)" "$@"
