#!/usr/bin/env python3
"""Peer comparison: the form's actions done with numpy, scipy and matplotlib.

Reads the profile image that `karvelo-cli dump-image` wrote and, for each action the
C++ benchmark bench_actions measures, does the same work and renders an equivalent
picture (Agg canvas, 1280 x 720): traces of the point, spectrum or profile map, labels.
Prints one line per action: NAME MEDIAN_MS.

    python3 bench/peer_actions.py IMAGE [--repeat N]
"""

import argparse
import statistics
import struct
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from scipy.interpolate import RegularGridInterpolator  # noqa: E402
from scipy.signal import argrelmax  # noqa: E402

FILE_HEADER = 3600
RECORD = 8432
TRACE_HEADER = 240


def read_profile(path):
    data = open(path, "rb").read()
    traces, = struct.unpack_from("<H", data, 3212)
    interval, = struct.unpack_from("<H", data, 3216)
    samples, = struct.unpack_from("<H", data, 3220)
    records = np.empty((traces, samples))
    for r in range(traces):
        start = FILE_HEADER + RECORD * r + TRACE_HEADER
        records[r] = np.frombuffer(data, dtype="<i4", count=samples, offset=start)
    return records, interval


def amplitude(trace, interval):
    n = trace.size
    t = np.arange(n) * float(interval)
    fine = np.linspace(t[0], t[-1], 5 * n)
    return np.abs(np.fft.rfft(np.interp(fine, t, trace)))


def figure():
    fig = plt.figure(figsize=(12.8, 7.2), dpi=100)
    return fig, fig.add_axes([0.18, 0.57, 0.7, 0.35])


def draw_traces(ax, traces, density):
    if density:
        ax.imshow(traces.T, aspect="auto", cmap="gray_r", interpolation="bilinear")
    else:
        for k, trace in enumerate(traces):
            ax.plot(k + trace / np.ptp(traces[0]), np.arange(trace.size), "k", linewidth=0.5)
    ax.set_xlabel("Trace number")
    ax.set_ylabel("Time, mks.")


def render(fig):
    fig.canvas.draw()
    plt.close(fig)


def product_spectrum(records, interval, point, per_point, density):
    fig, ax = figure()
    traces = records[point * per_point:(point + 1) * per_point]
    draw_traces(ax, traces, density)
    spectrum = None
    for trace in traces:
        a = amplitude(trace, interval)
        a = a / a.max()
        spectrum = a if spectrum is None else spectrum * a
    df = 500000.0 / (records.shape[1] // 2 * interval)
    freqs = np.floor(np.arange(spectrum.size) * df)
    last = np.searchsorted(freqs, 3000)
    peaks = argrelmax(spectrum)[0]
    _ = [f"({int(freqs[i])};{spectrum[i]:.3e})" for i in peaks if i <= last]
    ax2 = fig.add_axes([0.18, 0.1, 0.3, 0.35])
    ax2.plot(freqs[:last + 1], spectrum[:last + 1], "k", linewidth=0.8)
    ax2.set_xlabel("Frequency,Hz.")
    ax2.set_ylabel("Amplitude")
    render(fig)


def profile_map(records, interval, per_point, contrast):
    fig, ax = figure()
    draw_traces(ax, records[:per_point], False)
    points = records.shape[0] // per_point
    df = 500000.0 / (records.shape[1] // 2 * interval)
    rows = []
    for p in range(points):
        row = None
        for trace in records[p * per_point:(p + 1) * per_point]:
            a = amplitude(trace, interval)
            row = a if row is None else row * a
        rows.append(row)
    freqs = np.floor(np.arange(rows[0].size) * df)
    last = np.searchsorted(freqs, 3000)
    band = np.array([r[:last + 1] / r[:last + 1].max() for r in rows])
    lo, hi = band.min(), band.max()
    grid = RegularGridInterpolator((np.arange(points), freqs[:last + 1]), band)
    cols = max(500, last + 1)
    pp, ff = np.meshgrid(np.linspace(0, points - 1, 800),
                         np.linspace(freqs[0], freqs[last], cols), indexing="ij")
    matrix = grid((pp, ff))
    np.clip(matrix, lo, hi - (hi - lo) * contrast, out=matrix)
    ax2 = fig.add_axes([0.25, 0.1, 0.63, 0.35])
    image = ax2.imshow(matrix.T, aspect="auto", cmap="jet")
    ax2.set_xlabel("Point number")
    ax2.set_ylabel("Frequency,Hz.")
    fig.colorbar(image, cax=fig.add_axes([0.03, 0.25, 0.15, 0.03]), orientation="horizontal")
    render(fig)


def correlation(records, interval):
    x, y = records[0], records[1]
    n = x.size
    c = np.correlate(x - x.mean(), y - y.mean(), mode="full") / n / (x.std() * y.std())
    lags = (np.arange(c.size) - (n - 1)) * interval
    fig = plt.figure(figsize=(7.75, 4.0), dpi=100)
    ax = fig.add_axes([0.2, 0.1, 0.65, 0.8])
    ax.plot(lags, c, "k", linewidth=0.8)
    ax.set_xlabel("Time, mks.")
    ax.set_ylabel("Amplitude")
    render(fig)


def median_ms(action, repeat):
    action()  # warm-up
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        action()
        times.append((time.perf_counter() - start) * 1000.0)
    return statistics.median(times)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("image")
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    records, interval = read_profile(args.image)
    per_point = 2  # both channels, one hit per point
    actions = {
        "SpectrumSettingsProductWiggle": lambda: product_spectrum(records, interval, 3, per_point, False),
        "SpectrumSettingsProductDensity": lambda: product_spectrum(records, interval, 3, per_point, True),
        "ProfileSpectrum": lambda: profile_map(records, interval, per_point, 0.0),
        "ContrastStep": lambda: profile_map(records, interval, per_point, 0.6),
        "CorrelationFullRange": lambda: correlation(records, interval),
    }
    for name, action in actions.items():
        print(f"{name} {median_ms(action, args.repeat):.2f}")
    sys.stdout.flush()


if __name__ == "__main__":
    main()
