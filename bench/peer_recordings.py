#!/usr/bin/env python3
"""Peer comparison: opening instrument recordings with pandas and scipy.

The same work as opening them in Karvelo, on the files bench_files writes into
$KARVELO_BENCH_FILES: the 1000 oscilloscope exports of scope/ (five header lines, then
"time amplitude" at 1.6 us) read with pandas.read_csv, the time column checked for an even
step, every trace resampled onto 3 us with scipy.signal.resample_poly (8 / 15, its
anti-aliasing filter) and stacked as float32; and grid.npy (121 x 2000 float64) read with
numpy.load and stacked as float32. Prints NAME MIN_MS MEDIAN_MS per action.

    python3 bench/peer_recordings.py FOLDER [--repeat N]
"""

import argparse
import os
import re

import numpy as np
import pandas as pd
from scipy.signal import resample_poly

from peer_actions import timings_ms


def natural_key(name):
    return [int(part) if part.isdigit() else part for part in re.split(r"(\d+)", name)]


def open_scope_exports(paths):
    traces = []
    for path in paths:
        frame = pd.read_csv(path, sep=" ", skiprows=5, header=None, dtype=np.float64)
        time_column = frame[0].to_numpy()
        steps = np.diff(time_column)
        mean = (time_column[-1] - time_column[0]) / (len(time_column) - 1)
        if np.any(np.abs(steps - mean) > 0.01 * mean):
            raise ValueError(path + ": time column not uniform")
        traces.append(resample_poly(frame[1].to_numpy(), 8, 15).astype(np.float32))
    return np.stack(traces)


def open_numpy(path):
    return np.load(path).astype(np.float32)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    scope = os.path.join(args.folder, "scope")
    paths = [os.path.join(scope, n) for n in sorted(os.listdir(scope), key=natural_key)]
    numpy_file = os.path.join(args.folder, "grid.npy")
    for name, action in (("Open1000ScopeExports", lambda: open_scope_exports(paths)),
                         ("OpenNumpy121x2000", lambda: open_numpy(numpy_file))):
        print("%s %.2f %.2f" % ((name,) + timings_ms(action, args.repeat)))


if __name__ == "__main__":
    main()
