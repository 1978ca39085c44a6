# Sourced by the scripts that build Arkweld. `configure BUILD_DIR CMAKE_ARGUMENT...` configures a
# build directory (Ninja) unless it has been configured before. ARKWELD_WERROR=ON in the
# environment (.ci/run sets it) makes every compiler warning in the project's own code an error;
# it is also given to a build directory configured before, so that a used work tree builds as a
# fresh clone does.
configure() {
  local build=$1
  shift
  local source
  source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  local werror=()
  if [ -n "${ARKWELD_WERROR:-}" ]; then
    werror=(-DARKWELD_WERROR="$ARKWELD_WERROR")
  fi
  # Only what goes wrong is shown (CMake's warnings and errors go to the error output).
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$source" -B "$build" -G Ninja "$@" "${werror[@]}" >/dev/null
  elif [ ${#werror[@]} -gt 0 ]; then
    cmake "$build" "${werror[@]}" >/dev/null
  fi
}
