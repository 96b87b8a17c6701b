#!/usr/bin/env python3
"""Two builds of bench_actions measured in pairs: the old and the new program run one after
the other, round after round, so that both meet the same load; per action the minimum and
median over all rounds, and new / old.

    python3 bench/paired_actions.py OLD_BENCH_ACTIONS NEW_BENCH_ACTIONS [--rounds N]

Each run is the benchmark's own repetitions, reported as their min and median; over the
rounds the smallest min and the median of the medians are printed.
"""

import json
import statistics
import subprocess
import sys
import tempfile


def run(binary):
    """Per action, (min, median) in ms of one run's repetitions."""
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        subprocess.run([binary, "--benchmark_out=" + out.name, "--benchmark_out_format=json",
                        "--benchmark_format=console"], check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        report = json.load(open(out.name))
    figures = {}
    for bench in report["benchmarks"]:
        name = bench["run_name"].split("/")[0].removeprefix("BM_")
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[bench["time_unit"]]
        figures.setdefault(name, {})[bench.get("aggregate_name", "")] = bench["real_time"] * scale
    return {name: (f["min"], f["median"]) for name, f in figures.items()
            if "min" in f and "median" in f}


def main(argv):
    old, new = argv[0], argv[1]
    rounds = int(argv[argv.index("--rounds") + 1]) if "--rounds" in argv else 3
    collected = {"old": {}, "new": {}}
    for _ in range(rounds):
        for label, binary in (("old", old), ("new", new)):
            for name, figures in run(binary).items():
                collected[label].setdefault(name, []).append(figures)
    print("%-28s %17s %17s %13s" % ("action", "old min / median", "new min / median",
                                     "new / old"))
    for name, old_runs in collected["old"].items():
        new_runs = collected["new"].get(name)
        if not new_runs:
            continue
        o_min, o_med = min(r[0] for r in old_runs), statistics.median(r[1] for r in old_runs)
        n_min, n_med = min(r[0] for r in new_runs), statistics.median(r[1] for r in new_runs)
        print("%-28s %7.3f / %7.3f %7.3f / %7.3f %5.3f / %5.3f" % (
            name, o_min, o_med, n_min, n_med, n_min / o_min, n_med / o_med))


if __name__ == "__main__":
    main(sys.argv[1:])
