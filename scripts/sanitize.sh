#!/usr/bin/env bash
# Builds Arkweld and every test with AddressSanitizer and UndefinedBehaviorSanitizer in a build
# directory of their own and runs the whole test suite there. Any sanitizer report fails the run:
# UBSan halts on the first error, ASan and LSan end the test with an error status, and the
# end-to-end runner fails on a report in the program's error output.
# Usage: scripts/sanitize.sh [BUILD_DIR] [ctest arguments...]   (default BUILD_DIR: build-asan)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-asan}
[ $# -gt 0 ] && shift

# Packages first (the normal set-up installs them), then the sanitizer build's own configuration.
"$here/scripts/setup.sh" ""

sanitizers="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all"
# -O1 keeps the build and the suite quick while the reports keep their line numbers; the
# library's own assertions catch indexing past the end of std::array and std::vector.
. "$here/scripts/configure.sh"
configure "$build" -DCMAKE_BUILD_TYPE=Sanitize \
  -DCMAKE_CXX_COMPILER=g++ \
  -DCMAKE_CXX_FLAGS_SANITIZE="-O1 -g -fno-omit-frame-pointer $sanitizers -D_GLIBCXX_ASSERTIONS" \
  -DCMAKE_EXE_LINKER_FLAGS_SANITIZE="$sanitizers" \
  -DCMAKE_SHARED_LINKER_FLAGS_SANITIZE="$sanitizers" \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
quiet=()
[ -t 1 ] || quiet=(-- --quiet)
cmake --build "$build" "${quiet[@]}"

# ctest hands its environment to the test programs, to the test discovery that runs each program
# before its tests, and to the end-to-end runner's arkweld-script.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
"$here/scripts/runtests.sh" "$build" "$@"
