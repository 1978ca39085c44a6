#!/usr/bin/env python3
"""Times the whole-plan move of a large plan against an open, as whole arkweld-script processes.

Each round runs, for every program given, (a) an open of HOUSE in a 1000 x 1000 window and (b) the
same open followed by the whole plan selected (Edit/Move or Rotate dragged over the window), the
reference and target clicks and Enter with its repaint, each in a fresh copy of the program
directory. The programs take turns first from round to round. Printed per program: the medians of
(a) and (b) and of the ratio (b - a) / a, the move's cost over an open's, in wall-clock time and
in processor time (user and system, of all the process's threads).

  bench/wholeplanmove.py --plan DIR [--rounds 7] [--cpus 6,7] LABEL=PATH/arkweld-script ...

DIR is a program directory holding DWGS/HOUSE.DB0, as build/bin/arkweld_writeplan DIR writes it.
"""
import argparse, os, resource, shutil, statistics, subprocess, sys, tempfile, time

OPEN = "client 1000 1000\nopen HOUSE\n"
MOVE = OPEN + ("command edit/move or rotate\nldown 0 0\nat 999 999\nlup 999 999\n"
               "click 500 500\nclick 510 500\nkey ENTER\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--plan", required=True)
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--cpus", default="", help="taskset cpu list; empty for all")
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    programs = [p.split("=", 1) for p in args.programs]
    work = tempfile.mkdtemp(prefix="wholeplanmove-")
    scripts = {}
    for name, text in (("open", OPEN), ("move", MOVE)):
        scripts[name] = os.path.join(work, name + ".aws")
        with open(scripts[name], "w") as f:
            f.write(text)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    pre = ["taskset", "-c", args.cpus] if args.cpus else []
    times = {label: {"open": [], "move": []} for label, _ in programs}
    cpu = {label: {"open": [], "move": []} for label, _ in programs}

    def children_cpu():
        used = resource.getrusage(resource.RUSAGE_CHILDREN)
        return used.ru_utime + used.ru_stime

    def run(label, program, script):
        directory = os.path.join(work, "dir")
        shutil.rmtree(directory, ignore_errors=True)
        shutil.copytree(args.plan, directory)
        # The copy goes to the disk first: a sync in the timed run must not wait for it.
        os.sync()
        start = time.perf_counter()
        started = children_cpu()
        done = subprocess.run(pre + [program, "--dir", directory, scripts[script]], env=env,
                              capture_output=True)
        elapsed = time.perf_counter() - start
        if done.returncode != 0:
            sys.exit(f"{label} {script} failed: {done.stdout[-300:]} {done.stderr[-300:]}")
        cpu[label][script].append(children_cpu() - started)
        return elapsed

    for r in range(args.rounds):
        order = programs if r % 2 == 0 else programs[::-1]
        for label, program in order:
            times[label]["open"].append(run(label, program, "open"))
            times[label]["move"].append(run(label, program, "move"))
        with open("/proc/loadavg") as f:
            print(f"round {r + 1} done, load {f.read().split()[0]}", file=sys.stderr)
    shutil.rmtree(work, ignore_errors=True)
    for label, _ in programs:
        for kind, figures in (("wall", times), ("cpu", cpu)):
            o, m = figures[label]["open"], figures[label]["move"]
            ratios = [(mm - oo) / oo for mm, oo in zip(m, o)]
            print(f"{label:8s} {kind:4s} open {statistics.median(o) * 1000:.0f} ms "
                  f"({min(o) * 1000:.0f}-{max(o) * 1000:.0f}), "
                  f"open+move {statistics.median(m) * 1000:.0f} ms ({min(m) * 1000:.0f}-{max(m) * 1000:.0f}), "
                  f"ratio median {statistics.median(ratios):.2f} ({min(ratios):.2f}-{max(ratios):.2f}), "
                  f"of medians {(statistics.median(m) - statistics.median(o)) / statistics.median(o):.2f}")


if __name__ == "__main__":
    main()
