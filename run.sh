#!/usr/bin/env bash
# Builds Arkweld (installing what it needs) and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh" "$here/build"
cmake --build "$here/build" --target arkweld
. "$here/scripts/runtime-dir.sh"
"$here/build/bin/arkweld" "$@"
