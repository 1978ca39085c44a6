#!/usr/bin/env python3
"""Times the whole-plan move, the other large edits and the sheet repaints of two source trees,
taking turns between them, and prints the medians side by side.

  bench/beforeafter.py [--rounds 1] [--reps 5] [--cpus 6,7 --cpus all] [--checkout REF]
                       [--sync-bench] [--no-build] [--out DIR] BEFORE_TREE AFTER_TREE

Each tree is a checkout with its own build/ (RelWithDebInfo, configured here when missing); the
arkweld_bench target is built in both first. For every round, set of cores and benchmark, the two
programs run one after the other (the first one changing each time), each as one process with
--benchmark_repetitions=REPS. The one-minute load average is noted before every run. Printed per
benchmark row (each number of threads a row of its own, as ".../threads:4") and set of cores:
the median over all repetitions of each tree, their ratio, and the loads seen (and the smallest
repetition of each, for a loaded machine); the move_per_open, cpu_ms, move_cpu_ms and open_cpu_ms
counters get rows of their own.

--checkout REF first puts AFTER_TREE on REF, detached (for instance main, to time the newest).
--sync-bench first copies AFTER_TREE's benchmark sources (bench/*.cpp, bench/support/*,
bench/CMakeLists.txt) into BEFORE_TREE, so that both time the same benchmarks; the older tree is
meant to be a throwaway worktree for that.
--filter TEXT times only the benchmarks whose name (as in the table) holds TEXT.
The raw Google Benchmark JSON of every run and the table (summary.md) are kept in --out.
"""
import argparse, glob, json, os, shutil, statistics, subprocess, sys, time

EDITS = ["RotateInPlace", "MirrorInPlace", "MoveAndLock", "WholeMove", "EraseHalf",
         "AutoDimensions"]
REPAINTS = ["ReadPaintSheetTall", "PaintSheetTall", "ReadPaintSheet", "PaintSheet"]
# Counters given rows of their own: the move's time over the open's, and the processor time of
# all painting threads (less swayed than the wall-clock time when other work shares the cores).
COUNTERS = {"move_per_open": "move/open", "cpu_ms": "cpu_ms", "move_cpu_ms": "move_cpu_ms",
            "open_cpu_ms": "open_cpu_ms"}
BENCHMARKS = ([f"WholePlanMoveVsOpen/{n}" for n in (20000, 200000)]
              + [f"{e}/200000" for e in EDITS]
              + [f"{r}/{n}" for r in REPAINTS for n in (20000, 200000)])


def build(tree):
    env = dict(os.environ, CCACHE_BASEDIR="/work", CCACHE_DIR="/work/.ccache",
               CMAKE_CXX_COMPILER_LAUNCHER="ccache")
    out = os.path.join(tree, "build")
    if not os.path.exists(os.path.join(out, "build.ninja")):
        subprocess.run(["cmake", "-S", tree, "-B", out, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], check=True, env=env,
                       stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", out, "--target", "arkweld_bench"], check=True, env=env,
                   stdout=subprocess.DEVNULL)


def sync_bench(source, target):
    for pattern in ("bench/*.cpp", "bench/support/*", "bench/CMakeLists.txt"):
        for path in glob.glob(os.path.join(source, pattern)):
            relative = os.path.relpath(path, source)
            shutil.copy2(path, os.path.join(target, relative))


def describe(tree):
    head = subprocess.run(["git", "-C", tree, "log", "-1", "--format=%h %s"], text=True,
                          capture_output=True).stdout.strip()
    changed = subprocess.run(["git", "-C", tree, "status", "--short", "--untracked-files=no"],
                             text=True, capture_output=True).stdout.split("\n")
    changed = [line[3:] for line in changed if line.strip()]
    return head[:70] + (f" (changed: {', '.join(changed)})" if changed else "")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=1)
    parser.add_argument("--reps", type=int, default=5)
    parser.add_argument("--cpus", action="append", help="taskset cpu list, or all")
    parser.add_argument("--checkout")
    parser.add_argument("--sync-bench", action="store_true")
    parser.add_argument("--no-build", action="store_true")
    parser.add_argument("--out", default=time.strftime("/tmp/beforeafter-%Y%m%d-%H%M%S"))
    parser.add_argument("--filter", default="", help="only benchmarks whose name holds this")
    parser.add_argument("before")
    parser.add_argument("after")
    args = parser.parse_args()
    cpus = args.cpus or ["6,7", "all"]
    trees = {"before": os.path.abspath(args.before), "after": os.path.abspath(args.after)}
    if args.checkout:
        subprocess.run(["git", "-C", trees["after"], "checkout", "--detach", args.checkout],
                       check=True)
    if args.sync_bench:
        sync_bench(trees["after"], trees["before"])
    if not args.no_build:
        for tree in trees.values():
            build(tree)
    os.makedirs(args.out, exist_ok=True)
    benchmarks = [b for b in BENCHMARKS if args.filter in b]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    values, loads, errors = {}, {}, []
    rows = {name: [] for name in benchmarks}
    turn = 0
    for round_ in range(args.rounds):
        for cores in cpus:
            for name in benchmarks:
                sides = ["before", "after"] if turn % 2 == 0 else ["after", "before"]
                turn += 1
                for side in sides:
                    load = os.getloadavg()[0]
                    tag = f"r{round_}-{cores.replace(',', '_')}-{name.replace('/', '_')}-{side}"
                    out = os.path.join(args.out, tag + ".json")
                    command = ([] if cores == "all" else ["taskset", "-c", cores]) + [
                        os.path.join(trees[side], "build/bin/arkweld_bench"),
                        f"--benchmark_filter=^BM_{name}/",
                        f"--benchmark_repetitions={args.reps}",
                        f"--benchmark_out={out}", "--benchmark_out_format=json"]
                    with open(os.path.join(args.out, tag + ".log"), "w") as log:
                        subprocess.run(command, env=env, check=True, stdout=log, stderr=log)
                    for run in json.load(open(out))["benchmarks"]:
                        if run.get("error_occurred"):
                            errors.append(f"{tag}: {run.get('error_message')}")
                        if run.get("run_type") != "iteration":
                            continue
                        # The row: the benchmark's name as run, its number of threads included.
                        row = run["run_name"].removeprefix("BM_")
                        if row not in rows[name]:
                            rows[name].append(row)
                        loads.setdefault((row, cores), []).append(load)
                        values.setdefault((row, cores, side), []).append(run["real_time"])
                        for counter, label in COUNTERS.items():
                            if counter in run:
                                values.setdefault((f"{row} {label}", cores, side), []).append(
                                    run[counter])
                    print(f"{tag} load {load:.1f}", file=sys.stderr)
    lines = [f"before: {trees['before']}: {describe(trees['before'])}",
             f"after:  {trees['after']}: {describe(trees['after'])}",
             f"{args.rounds} round(s) x {args.reps} repetitions; medians; times in ms", "",
             "| benchmark | cores | before | after | after/before | min before | min after | load |",
             "| --- | --- | ---: | ---: | ---: | ---: | ---: | --- |"]
    table_rows = [row for name in benchmarks for row in rows[name]]
    for cores in cpus:
        for run_row in table_rows:
            for row in [run_row] + [f"{run_row} {label}" for label in COUNTERS.values()]:
                before = values.get((row, cores, "before"))
                after = values.get((row, cores, "after"))
                if not before or not after:
                    continue
                b, a = statistics.median(before), statistics.median(after)
                seen = loads[(run_row, cores)]
                lines.append(f"| {row} | {cores} | {b:.3g} | {a:.3g} | {a / b:.2f} | "
                             f"{min(before):.3g} | {min(after):.3g} | "
                             f"{min(seen):.1f}-{max(seen):.1f} |")
    lines += [f"error: {e}" for e in errors]
    text = "\n".join(lines) + "\n"
    with open(os.path.join(args.out, "summary.md"), "w") as f:
        f.write(text)
    print(text, end="")
    print(f"raw results in {args.out}", file=sys.stderr)


if __name__ == "__main__":
    main()
