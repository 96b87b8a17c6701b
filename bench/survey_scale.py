#!/usr/bin/env python3
"""Times `karvelo-cli grid` as a whole process over a large generated survey (one
recording of 2000 samples per position), median and minimum of several runs, with the
peak memory of the process, on one and on two survey threads' worth of cores.

    python3 bench/survey_scale.py CLI GRID_DIR [--repeat N] [--floor BENCH_SURVEY_FLOOR_JSON]

With --floor (the JSON output of bench_survey_floor over the same folder) it also prints
the run's minimum and median against the floor's.
"""

import glob
import json
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(command):
    start = time.perf_counter()
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return time.perf_counter() - start, cpu, after.ru_maxrss


def main(argv):
    cli, grid = argv[0], argv[1]
    repeat = int(argv[argv.index("--repeat") + 1]) if "--repeat" in argv else 5
    files = sorted(glob.glob(os.path.join(grid, "*.txt")))
    with tempfile.TemporaryDirectory() as out:
        command = [cli, "grid", "--files", *files, "--fmin", "2000", "--fmax", "20000",
                   "--csv", os.path.join(out, "m.csv")]
        runs = [run_once(command) for _ in range(repeat)]
    walls = [wall for wall, _, _ in runs]
    cpus = [cpu for _, cpu, _ in runs]
    peak = max(rss for _, _, rss in runs)
    print("grid of %d positions: min %.2f s, median %.2f s wall; median %.2f s CPU; "
          "peak memory %.0f MB (load %s)"
          % (len(files), min(walls), statistics.median(walls), statistics.median(cpus),
             peak / 1024.0, open("/proc/loadavg").read().split()[0]))
    if "--floor" in argv:
        report = json.load(open(argv[argv.index("--floor") + 1]))
        floor = {b.get("aggregate_name", ""): b["real_time"] for b in report["benchmarks"]
                 if b["run_name"].startswith("BM_SurveyFloorTwoThreads")}
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[report["benchmarks"][0]["time_unit"]]
        if "median" in floor:
            print("against the floor (median %.2f s): %.2fx by minimum, %.2fx by median"
                  % (floor["median"] * scale, min(walls) / (floor["median"] * scale),
                     statistics.median(walls) / (floor["median"] * scale)))


if __name__ == "__main__":
    main(sys.argv[1:])
