#!/usr/bin/env python3
"""Times the whole-plan move of a large plan against an open, as whole arkweld-script processes.

Each round runs, for every program given, (a) an open of HOUSE in a 1000 x 1000 window, (b) the
same open followed by the whole plan selected (Edit/Move or Rotate dragged over the window), the
reference and target clicks and Enter with its repaint, and (c) the same open followed by five
repaints of the whole window, each in a fresh copy of the program directory. The programs take
turns first from round to round. Printed per program: the medians of (a) and (b) and of the ratio
(b - a) / a, the move's cost over an open's, and of one repaint ((c - a) / 5), in wall-clock time
and in processor time (user and system, of all the process's threads).

  bench/wholeplanmove.py --plan DIR [--rounds 7] [--cpus 6,7] [--client 1000x700] LABEL=PATH/arkweld-script ...

DIR is a program directory holding DWGS/HOUSE.DB0, as build/bin/arkweld_writeplan DIR writes it
(the plan of the repaint benchmarks), or as `arkweld_writeplan DIR 200000 20000` writes the
text-heavy plan, whose every text is a short name of its own.
"""
import argparse, os, resource, shutil, statistics, subprocess, sys, tempfile, time

REPAINTS = 5


def scripts_for(width, height):
    """The open, the open and the whole-plan move, the open and REPAINTS repaints."""
    opened = f"client {width} {height}\nopen HOUSE\n"
    move = opened + (f"command edit/move or rotate\nldown 0 0\nat {width - 1} {height - 1}\n"
                     f"lup {width - 1} {height - 1}\nclick {width // 2} {height // 2}\n"
                     f"click {width // 2 + 10} {height // 2}\nkey ENTER\n")
    return {"open": opened, "move": move, "repaint": opened + "paint\n" * REPAINTS}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--plan", required=True)
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--cpus", default="", help="taskset cpu list; empty for all")
    parser.add_argument("--client", default="1000x1000", help="the window, WIDTHxHEIGHT pixels")
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    width, height = (int(v) for v in args.client.split("x"))
    programs = [p.split("=", 1) for p in args.programs]
    work = tempfile.mkdtemp(prefix="wholeplanmove-")
    scripts = {}
    for name, text in scripts_for(width, height).items():
        scripts[name] = os.path.join(work, name + ".aws")
        with open(scripts[name], "w") as f:
            f.write(text)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    pre = ["taskset", "-c", args.cpus] if args.cpus else []
    times = {label: {name: [] for name in scripts} for label, _ in programs}
    cpu = {label: {name: [] for name in scripts} for label, _ in programs}

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
            times[label]["repaint"].append(run(label, program, "repaint"))
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
            each = [(rr - oo) / REPAINTS * 1000 for rr, oo in zip(figures[label]["repaint"], o)]
            print(f"{label:8s} {kind:4s} repaint {statistics.median(each):.0f} ms "
                  f"({min(each):.0f}-{max(each):.0f})")


if __name__ == "__main__":
    main()
