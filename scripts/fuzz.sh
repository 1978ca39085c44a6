#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in a build directory of their own and runs each for a bounded
# time, both at once. The fuzzing starts from the inputs kept under tests/fuzz/corpus/, the shipped
# settings files, the drawings and settings files the end-to-end tests compare against and those
# the last end-to-end run left. A failing input stops its target with the reason and is saved as
# BUILD_DIR/findings/<target>-crash-...: keep it under tests/fuzz/corpus/<target>/, where the
# model tests replay it, and mend the reader.
# Usage: scripts/fuzz.sh [BUILD_DIR] [SECONDS]   (defaults: build-fuzz, 60)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-fuzz}
seconds=${2:-60}

"$here/scripts/setup.sh" "" clang libclang-rt-14-dev

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Fuzz -DARKWELD_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS_FUZZ="-O1 -g -fno-omit-frame-pointer $flags" \
    -DCMAKE_EXE_LINKER_FLAGS_FUZZ="$flags" \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
fi
cmake --build "$build" --target fuzz_drawingfile fuzz_settings

# The starting inputs, gathered afresh; the corpus a run grows stays in the build directory.
seeds=$build/seeds
rm -rf "$seeds" "$build/findings"
mkdir -p "$seeds/drawingfile" "$seeds/settings" "$build/findings"
cp "$here"/tests/fuzz/corpus/drawingfile/* "$here"/tests/e2e/golden/*.db0 "$seeds/drawingfile/"
cp "$here"/tests/fuzz/corpus/settings/* "$here"/resources/CFG/* "$here"/tests/e2e/golden/*.cfg "$seeds/settings/"
# What the last end-to-end run of the normal build left behind, named by test.
for work in "$here"/build/tests/e2e/work/*/; do
  [ -d "$work" ] || continue
  name=$(basename "$work")
  for f in "$work"DWGS/*.DB0 "$work"LIBS/*; do
    [ -f "$f" ] && cp "$f" "$seeds/drawingfile/e2e-$name-$(basename "$f")"
  done
  for f in "$work"CFG/*; do
    [ -f "$f" ] && cp "$f" "$seeds/settings/e2e-$name-$(basename "$f")"
  done
done

# The targets' program directories, removed however the targets end.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=${TMPDIR:-/tmp}
export ARKWELD_FUZZ_BASE=$(mktemp -d "$shm/arkweld-fuzz-run-XXXXXX")
trap 'rm -rf "$ARKWELD_FUZZ_BASE"' EXIT

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
status=0
pids=()
for target in drawingfile settings; do
  mkdir -p "$build/corpus/$target"
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "$seeds/$target" \
    >"$build/fuzz_$target.log" 2>&1 &
  pids+=($!)
done
for i in 0 1; do
  target=$([ $i -eq 0 ] && echo drawingfile || echo settings)
  if wait "${pids[$i]}"; then
    echo "fuzz_$target: $(grep -E '^stat::number_of_executed_units' "$build/fuzz_$target.log" | awk '{print $2}') inputs in ${seconds} s, no failure"
  else
    status=1
    echo "fuzz_$target FAILED; its log:"
    tail -n 60 "$build/fuzz_$target.log"
    ls "$build/findings/$target-"* 2>/dev/null | sed 's/^/  failing input: /'
  fi
done
exit $status
