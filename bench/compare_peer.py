#!/usr/bin/env python3
"""Prints, per action, Karvelo's time (a benchmark's JSON), the peer's, optionally the
floor's (bench_floor's JSON), and the ratios peer / Karvelo and Karvelo / floor, each
as min and median of the repetitions of this one run. Actions that neither the peer
nor the floor measures are left out; a missing min (a benchmark without that statistic) falls back to the
median.

    python3 bench/compare_peer.py BENCH_JSON PEER_TXT [FLOOR_JSON]

PEER_TXT holds lines NAME MIN_MS MEDIAN_MS (or NAME MEDIAN_MS).
"""

import json
import sys


def benchmark_times(path):
    """{action: (min_ms, median_ms)} from a Google Benchmark JSON file (wall times)."""
    found = {}
    for entry in json.load(open(path))["benchmarks"]:
        aggregate = entry.get("aggregate_name")
        if aggregate not in ("min", "median"):
            continue
        name = entry["run_name"].split("/")[0].removeprefix("BM_")
        found.setdefault(name, {})[aggregate] = entry["real_time"]  # ms, the benchmarks' unit
    return {name: (t.get("min", t["median"]), t["median"]) for name, t in found.items()}


def peer_times(path):
    times = {}
    for line in open(path):
        fields = line.split()
        if fields:
            values = [float(v) for v in fields[1:]]
            times[fields[0]] = (values[0], values[-1])
    return times


def main():
    karvelo = benchmark_times(sys.argv[1])
    peer = peer_times(sys.argv[2])
    floor = benchmark_times(sys.argv[3]) if len(sys.argv) > 3 else {}
    header = f"{'action':32} {'karvelo ms':>13} {'peer ms':>13}"
    if floor:
        header += f" {'floor ms':>13}"
    header += f" {'peer/karvelo':>13}"
    if floor:
        header += f" {'karvelo/floor':>13}"
    print(header)
    print(f"{'':32} {'min / median':>13} {'min / median':>13}" +
          (f" {'min / median':>13}" if floor else "") + f" {'min / median':>13}" +
          (f" {'min / median':>13}" if floor else ""))

    def pair(values, digits):
        return f"{values[0]:.{digits}f} / {values[1]:.{digits}f}"

    for name, ms in karvelo.items():
        if name not in peer and name not in floor:
            continue  # measured on the C++ side only
        mine = peer.get(name)
        row = f"{name:32} {pair(ms, 2):>13} {pair(mine, 2) if mine else '-':>13}"
        if floor:
            row += f" {pair(floor[name], 2) if name in floor else '-':>13}"
        ratio = (mine[0] / ms[0], mine[1] / ms[1]) if mine else None
        row += f" {pair(ratio, 1) if ratio else '-':>13}"
        if floor:
            ratio = (ms[0] / floor[name][0], ms[1] / floor[name][1]) if name in floor else None
            row += f" {pair(ratio, 2) if ratio else '-':>13}"
        print(row)

if __name__ == "__main__":
    main()
