#!/usr/bin/env python3
"""Peer comparison: opening text recordings with a pandas read_csv loop.

Reads every P-*.txt of FOLDER (the files bench_files writes into $KARVELO_BENCH_FILES)
in natural name order with pandas.read_csv (tab separated, no header), checks the time
column is uniform and stacks the amplitudes into one float32 array, as opening them in
Karvelo does. Prints one line: Open1000TextFiles MEDIAN_MS.

    python3 bench/peer_read_text.py FOLDER [--repeat N]
"""

import argparse
import os
import re
import statistics
import time

import numpy as np
import pandas as pd


def natural_key(name):
    return [int(part) if part.isdigit() else part for part in re.split(r"(\d+)", name)]


def open_line(paths):
    traces = []
    for path in paths:
        frame = pd.read_csv(path, sep="\t", header=None, dtype=np.float64)
        time_column = frame[0].to_numpy()
        steps = np.diff(time_column)
        mean = (time_column[-1] - time_column[0]) / (len(time_column) - 1)
        if np.any(np.abs(steps - mean) > 0.01 * mean):
            raise ValueError(path + ": time column not uniform")
        traces.append(frame[1].to_numpy(dtype=np.float32))
    return np.stack(traces)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    names = sorted((n for n in os.listdir(args.folder) if n.endswith(".txt")), key=natural_key)
    paths = [os.path.join(args.folder, n) for n in names]
    times = []
    for _ in range(args.repeat):
        start = time.perf_counter()
        open_line(paths)
        times.append((time.perf_counter() - start) * 1000.0)
    print("Open1000TextFiles %.2f" % statistics.median(times))


if __name__ == "__main__":
    main()
