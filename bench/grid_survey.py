#!/usr/bin/env python3
"""Times `karvelo-cli grid` as a whole process against a numpy script doing the same
work, on the generated survey grid (251 recordings of 2000 samples).

    python3 bench/grid_survey.py CLI GRID_DIR [--repeat N]

The peer reads each file as plain numbers with NumPy's own parser (np.fromstring, several
times faster than pandas.read_csv on such files), removes nothing (the grid is computed
with the form's defaults, as the command is), resamples fivefold by linear interpolation,
takes scipy.fft.rfft, normalises, finds the strongest local maximum in 2000..20000 Hz,
refines it by Gaussian interpolation, on two worker processes as the command uses two
threads, and draws the cells into an RGB array written as PNG with
matplotlib.image.imsave. It prints the median whole-run times, the ratio, and how many
cells the two agree on within one bin.
"""

import csv
import glob
import multiprocessing
import os
import statistics
import subprocess
import sys
import tempfile
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.image
import numpy as np
import scipy.fft

FMIN, FMAX = 2000, 20000


def cell(path):
    """The refined dominant frequency of one recording, keyed by its row and column."""
    with open(path, "rb") as f:
        data = np.fromstring(f.read(), sep=" ").reshape(-1, 2)
    t, x = data[:, 0], data[:, 1]
    n = len(x)
    fine = np.linspace(t[0], t[-1], 5 * n)
    spectrum = np.abs(scipy.fft.rfft(np.interp(fine, t, x)))
    spectrum = (spectrum / spectrum.max()).astype(np.float32)
    step = (5 * n - 1) / (5 * n * (n - 1) * (t[1] - t[0]))
    freqs = np.arange(len(spectrum)) / (n * (t[1] - t[0]))
    inner = spectrum[1:-1]
    peaks = np.nonzero((inner > spectrum[:-2]) & (inner > spectrum[2:]))[0] + 1
    peaks = peaks[(freqs[peaks] >= FMIN) & (freqs[peaks] <= FMAX)]
    if len(peaks) == 0:
        return None
    k = peaks[np.argmax(spectrum[peaks])]
    l, c, r = np.log(spectrum[k - 1 : k + 2].astype(np.float64))
    offset = 0.5 * (l - r) / (l - 2 * c + r)
    name = os.path.basename(path)
    return (name[0], int(name[2:4])), (k + offset) * step


def peer(files, png, pool):
    cells = dict(found for found in pool.map(cell, files, chunksize=16) if found is not None)
    rows = sorted({row for row, _ in cells})
    columns = sorted({column for _, column in cells})
    values = np.array(list(cells.values()))
    low, high = values.min(), values.max()
    image = np.full((720, 1280, 3), 255, np.uint8)
    for (row, column), value in cells.items():
        y, x = 40 + rows.index(row) * 26, 60 + columns.index(column) * 44
        level = int((value - low) * 255 / (high - low)) if high > low else 128
        image[y : y + 26, x : x + 44] = (level, 255 - abs(2 * level - 255), 255 - level)
    matplotlib.image.imsave(png, image)
    return cells


def median_time(run, repeat):
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        run()
        times.append(time.perf_counter() - start)
    return statistics.median(times)


def main(argv):
    cli, grid = argv[0], argv[1]
    repeat = int(argv[argv.index("--repeat") + 1]) if "--repeat" in argv else 5
    files = sorted(glob.glob(os.path.join(grid, "*.txt")))
    with tempfile.TemporaryDirectory() as out:
        png, table = os.path.join(out, "m.png"), os.path.join(out, "m.csv")
        command = [cli, "grid", "--files", *files, "--fmin", str(FMIN), "--fmax", str(FMAX),
                   "--png", png, "--csv", table]
        karvelo = median_time(lambda: subprocess.run(command, check=True,
                                                     stdout=subprocess.DEVNULL), repeat)
        cells = {}
        with multiprocessing.Pool(2) as pool:
            python = median_time(
                lambda: cells.update(peer(files, os.path.join(out, "p.png"), pool)), repeat)
        with open(table, newline="") as f:
            rows = list(csv.reader(f))
        agree = 0
        for record in rows[1:]:
            for column, value in zip(rows[0][1:], record[1:]):
                peer_value = cells.get((record[0], int(column)))
                if value and peer_value is not None and abs(float(value) - peer_value) < 100:
                    agree += 1
    print("grid of %d files: karvelo-cli %.0f ms, numpy peer %.0f ms (%.1fx), "
          "%d of %d cells agree within one bin" % (len(files), karvelo * 1e3, python * 1e3,
                                                  python / karvelo, agree, len(cells)))


if __name__ == "__main__":
    main(sys.argv[1:])
