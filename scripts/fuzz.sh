#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) in a build directory of their own and runs both at once.
#
# Without SECONDS (what CI runs) the answer is the same for the same commit: each target first
# replays every input kept under tests/fuzz/corpus/<target>/, then fuzzes from a fixed seed for a
# fixed number of runs (about a minute each on the CI machine), starting from an empty corpus and
# the files the repository holds: the kept inputs, the shipped settings files and the drawings
# and settings files the end-to-end tests compare against.
#
# With SECONDS it explores: random seeds for that long, from the corpus earlier explorations grew
# in BUILD_DIR/corpus/ and also from the files the last end-to-end run of the normal build left.
#
# A failing input stops its target with the reason and is saved as
# BUILD_DIR/findings/<target>-crash-...: keep it under tests/fuzz/corpus/<target>/ under a name
# that says what it holds (the model tests replay it) and mend the reader.
# Usage: scripts/fuzz.sh [BUILD_DIR] [SECONDS]   (default BUILD_DIR: build-fuzz)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-fuzz}
seconds=${2:-}
if [ -n "$seconds" ] && ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "SECONDS must be a whole number of seconds, not '$seconds'" >&2
  exit 2
fi

# The fixed runs: the number of inputs each target ran in 60 s on the CI machine, and the seed.
declare -A ci_runs=([drawingfile]=48000 [settings]=4500)
ci_seed=1

"$here/scripts/setup.sh" "" clang libclang-rt-14-dev

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
. "$here/scripts/configure.sh"
configure "$build" -DCMAKE_BUILD_TYPE=Fuzz -DARKWELD_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS_FUZZ="-O1 -g -fno-omit-frame-pointer $flags" \
  -DCMAKE_EXE_LINKER_FLAGS_FUZZ="$flags" \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
cmake --build "$build" --target fuzz_drawingfile fuzz_settings

# The starting inputs, gathered afresh: the files the repository holds, and when exploring what
# the last end-to-end run of the normal build left behind, named by test.
seeds=$build/seeds
rm -rf "$seeds" "$build/findings"
mkdir -p "$seeds/drawingfile" "$seeds/settings" "$build/findings"
cp "$here"/tests/fuzz/corpus/drawingfile/* "$here"/tests/e2e/golden/*.db0 "$seeds/drawingfile/"
cp "$here"/tests/fuzz/corpus/settings/* "$here"/resources/CFG/* "$here"/tests/e2e/golden/*.cfg "$seeds/settings/"
if [ -n "$seconds" ]; then
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
fi

# The targets' program directories, removed however the targets end.
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm=${TMPDIR:-/tmp}
export ARKWELD_FUZZ_BASE=$(mktemp -d "$shm/arkweld-fuzz-run-XXXXXX")
trap 'rm -rf "$ARKWELD_FUZZ_BASE"' EXIT

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# What else steers the fuzzing is kept the same from run to run where the machine allows it: the
# addresses (an edit keeps its objects in a table hashed by address; setarch -R turns the layout's
# randomization off), and the process id that the temporary names of the targets' writes hold (a
# process namespace of its own, as root).
fixed=()
if [ -z "$seconds" ]; then
  if setarch -R true 2>/dev/null; then
    fixed+=(setarch -R)
  fi
  if unshare --pid --fork true 2>/dev/null; then
    fixed+=(unshare --pid --fork sh -c '"$@"; exit $?' sh)
  fi
fi

status=0
pids=()
for target in drawingfile settings; do
  log=$build/fuzz_$target.log
  common=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$target-")
  if [ -n "$seconds" ]; then
    mkdir -p "$build/corpus/$target"
    "$build/bin/fuzz_$target" "${common[@]}" -max_total_time="$seconds" \
      "$build/corpus/$target" "$seeds/$target" >"$log" 2>&1 &
  else
    # The corpus the fixed run grows starts empty each time, and is not re-read from the disk.
    corpus=$build/ci-corpus/$target
    rm -rf "$corpus"
    mkdir -p "$corpus"
    ( "${fixed[@]}" "$build/bin/fuzz_$target" "${common[@]}" "$here"/tests/fuzz/corpus/$target/* &&
      "${fixed[@]}" "$build/bin/fuzz_$target" "${common[@]}" -seed=$ci_seed -runs="${ci_runs[$target]}" \
        -reload=0 "$corpus" "$seeds/$target" ) >"$log" 2>&1 &
  fi
  pids+=($!)
done
i=0
for target in drawingfile settings; do
  log=$build/fuzz_$target.log
  if wait "${pids[$i]}"; then
    runs=$(grep -E '^stat::number_of_executed_units' "$log" | tail -n 1 | awk '{print $2}')
    if [ -n "$seconds" ]; then
      echo "fuzz_$target: $runs inputs in $seconds s, no failure"
    else
      echo "fuzz_$target: $(ls "$here"/tests/fuzz/corpus/$target | wc -l) kept inputs, then $runs inputs from seed $ci_seed, no failure"
    fi
  else
    status=1
    echo "fuzz_$target FAILED; its log:"
    tail -n 60 "$log"
    ls "$build/findings/$target-"* 2>/dev/null | sed 's/^/  failing input: /'
  fi
  i=$((i + 1))
done
exit $status
