#!/usr/bin/env bash
# Installs what building and testing Arkweld needs on a Debian machine, then configures the build.
# Usage: scripts/setup.sh [BUILD_DIR [EXTRA_PACKAGE...]]
# An empty BUILD_DIR installs the packages only; the extra packages are installed besides the
# usual ones (the fuzzing build asks for clang and its runtime this way).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1-$here/build}
[ $# -gt 0 ] && shift

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev xvfb xauth fonts-dejavu-core fonts-dejavu-extra fonts-liberation2 locales
          poppler-utils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# A comma-decimal locale lets the tests check that settings files never follow the user's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if [ -f /etc/locale.gen ]; then
    $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen || true
    $sudo locale-gen >/dev/null 2>&1 || true
  fi
fi

if [ -n "$build" ]; then
  . "$here/scripts/configure.sh"
  configure "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
