#!/usr/bin/env python3
"""How fast `qlt check` reads a large batch file, against reading it at all.

Generates a file of about --mb megabytes with the corpus generator's --big
option, then times, in the same run and on the same file: `wc -l` (the floor:
reading the bytes and counting lines), `qlt check` with the text report and with
the JSON report (output to /dev/null), and with the classic rules for
comparison, each the best of --runs (taking turns), and the peak
resident memory of each qlt run as /usr/bin/time -v reports it. Prints a
Markdown table of the figures and the ratios to the floor, and exits 1 when a
ratio is over its goal (text 8x, JSON 12x, memory 3x the file size).

usage: bench/check_speed.py QLT GEN_CORPUS_PY [--mb 10] [--runs 15] [--work DIR]
"""
import argparse
import os
import re
import resource
import subprocess
import sys
import tempfile
import time

GOALS = {"text": 8.0, "json": 12.0}
MEMORY_GOAL = 3.0


def one_time(command):
    """The wall time and the CPU time (user + system, all threads) of one run."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return wall, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def best_times(commands, runs):
    """The best wall and CPU time of each command over `runs` rounds, the commands
    taking turns within a round so that a change of load hits them all alike."""
    best = [[float("inf"), float("inf")] for _ in commands]
    for _ in range(runs):
        for i, command in enumerate(commands):
            wall, cpu = one_time(command)
            best[i][0] = min(best[i][0], wall)
            best[i][1] = min(best[i][1], cpu)
    return [(wall, max(cpu, 1e-3)) for wall, cpu in best]


def peak_resident_kb(command):
    done = subprocess.run(["/usr/bin/time", "-v"] + command, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, text=True, check=False)
    found = re.search(r"Maximum resident set size \(kbytes\): (\d+)", done.stderr)
    return int(found.group(1)) if found else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("qlt")
    parser.add_argument("generator")
    parser.add_argument("--mb", type=int, default=10)
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--work")
    args = parser.parse_args()
    work = args.work or tempfile.mkdtemp(prefix="qlt-bench-")
    big = os.path.join(work, "big.bat")
    if not os.path.exists(big):
        subprocess.run([sys.executable, args.generator, "--files", "1", "--big", str(args.mb), work],
                       check=True, stdout=subprocess.DEVNULL)
    size_kb = os.path.getsize(big) / 1024
    # The file gets the command interpreter's rules (Automatic); the classic
    # rules, checked in parts on every core, are timed for comparison only.
    variants = (("text", []), ("json", ["--format", "json"]), ("text, classic rules", ["--rules", "classic"]))
    commands = [["wc", "-l", big]] + [[args.qlt, "check"] + extra + [big] for _, extra in variants]
    times = best_times(commands, args.runs)
    floor_wall, floor_cpu = times[0]
    rows = [("wc -l (floor)", floor_wall, floor_cpu, None)]
    failed = False
    for (name, _), command, (wall, cpu) in zip(variants, commands[1:], times[1:]):
        resident = peak_resident_kb(command)
        rows.append((f"qlt check ({name})", wall, cpu, resident))
        goal = GOALS.get(name)
        failed = failed or (goal is not None and wall / floor_wall > goal) or resident > MEMORY_GOAL * size_kb
    load = os.getloadavg()[0]
    print(f"file: {size_kb / 1024:.1f} MB, best of {args.runs} runs, load average {load:.1f} on {os.cpu_count()} cores\n")
    print("| command | wall s | x floor | CPU s (all threads) | x floor | peak resident | x file size |")
    print("|---|---|---|---|---|---|---|")
    for name, wall, cpu, resident in rows:
        memory = f"{resident / 1024:.1f} MB | {resident / size_kb:.2f}" if resident else "- | -"
        print(f"| {name} | {wall:.4f} | {wall / floor_wall:.1f} | {cpu:.3f} | {cpu / floor_cpu:.1f} | {memory} |")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
