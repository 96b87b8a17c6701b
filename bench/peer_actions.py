#!/usr/bin/env python3
"""Peer comparison: the form's actions as a numpy programmer who knows the library writes them.

Reads the profile image that `karvelo-cli dump-image` wrote and, for each action the C++
benchmark bench_actions measures, does the same computation and draws the same kinds of
pixels into a 1280 x 720 numpy RGB32 array: frames and ticks, wiggle lines or the grey
density image, the spectrum curve, the profile-spectrum map in palette 2 with its colour
bar, and labels blitted from glyphs rendered once at start. The work is batched over the
traces: one fivefold resampling through positions found once, one scipy.fft.rfft over all
traces of the action, a separable bilinear interpolation, pixels written by fancy
indexing. No figure library is involved.

Prints one line per action: NAME MIN_MS MEDIAN_MS.

    python3 bench/peer_actions.py IMAGE [--repeat N]
"""

import argparse
import statistics
import struct
import sys
import time

import numpy as np
import scipy.fft
import scipy.signal

FILE_HEADER = 3600
RECORD = 8432
TRACE_HEADER = 240
WIDTH, HEIGHT = 1280, 720
WHITE = np.uint32(0xFFFFFFFF)
BLACK = np.uint32(0xFF000000)
INSET = 50
TICK = 10
TICK_SPACING = 50
LABEL_OFFSET = 25
BAND_HZ = (0, 3000)
MATRIX_ROWS, MIN_COLUMNS = 800, 500


def read_profile(path):
    data = open(path, "rb").read()
    traces, = struct.unpack_from("<H", data, 3212)
    interval, = struct.unpack_from("<H", data, 3216)
    samples, = struct.unpack_from("<H", data, 3220)
    body = np.frombuffer(data, dtype=np.uint8, count=traces * RECORD, offset=FILE_HEADER)
    words = body.reshape(traces, RECORD)[:, TRACE_HEADER:TRACE_HEADER + 4 * samples]
    return np.ascontiguousarray(words).view("<i4").astype(np.float64), interval


def palette2():
    level = np.arange(1276)
    r = np.select([level <= 765, level <= 1020], [0, level - 765], 255)
    g = np.select([level <= 255, level <= 510, level <= 1020], [0, level - 255, 255],
                  1275 - level)
    b = np.select([level <= 255, level <= 510, level <= 765], [level, 255, 765 - level], 0)
    return (0xFF000000 | (r << 16) | (g << 8) | b).astype(np.uint32)


def greys():
    level = 255 - np.arange(256)
    return (0xFF000000 | (level << 16) | (level << 8) | level).astype(np.uint32)


def glyphs():
    """One 7 x 12 bitmap per character the labels use, rendered once."""
    rng = np.random.default_rng(7)
    chars = "0123456789.,-+e()ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ;"
    return {c: rng.random((12, 7)) < 0.35 for c in chars}


class Canvas:
    def __init__(self):
        self.pixels = np.empty((HEIGHT, WIDTH), dtype=np.uint32)
        self.glyphs = glyphs()

    def clear(self):
        self.pixels.fill(WHITE)

    def text(self, x, y, label):
        for c in label:
            glyph = self.glyphs.get(c)
            if glyph is not None and 0 <= x and x + 7 <= WIDTH and 0 <= y and y + 12 <= HEIGHT:
                self.pixels[y:y + 12, x:x + 7][glyph] = BLACK
            x += 7

    def polyline(self, xs, ys):
        """The program's line rule for every segment at once: along the major axis each
        pixel from the start to just before the end, minor offset rounded half away."""
        x0, y0 = xs[:-1].astype(np.int64), ys[:-1].astype(np.int64)
        dx, dy = np.diff(xs).astype(np.int64), np.diff(ys).astype(np.int64)
        major = np.maximum(np.abs(dx), np.abs(dy))
        keep = major > 0
        x0, y0, dx, dy, major = x0[keep], y0[keep], dx[keep], dy[keep], major[keep]
        seg = np.repeat(np.arange(major.size), major)
        step = np.arange(seg.size) - np.repeat(np.cumsum(major) - major, major)
        xmaj = (np.abs(dx) >= np.abs(dy))[seg]
        length = major[seg]
        ddx, ddy = dx[seg], dy[seg]
        off_x = np.sign(ddx) * ((2 * step * np.abs(ddx) + length) // (2 * length))
        off_y = np.sign(ddy) * ((2 * step * np.abs(ddy) + length) // (2 * length))
        px = x0[seg] + np.where(xmaj, np.sign(ddx) * step, off_x)
        py = y0[seg] + np.where(xmaj, off_y, np.sign(ddy) * step)
        inside = (px >= 0) & (px < WIDTH) & (py >= 0) & (py < HEIGHT)
        self.pixels[py[inside], px[inside]] = BLACK

    def frame(self, left, top, width, height):
        l, t, r, b = left + INSET, top + INSET, left + width - INSET, top + height - INSET
        self.polyline(np.array([l, r, r, l, l]), np.array([t, t, b, b, t]))
        return l, t, r, b


def top_ticks(canvas, left, top, right, count, label_of):
    xs = np.linspace(left, right, count).astype(np.int64)
    for k, x in enumerate(xs):
        canvas.polyline(np.array([x, x]), np.array([top, top - TICK]))
        canvas.text(int(x), top - INSET + LABEL_OFFSET - 12, label_of(k))


def right_ticks(canvas, right, top, bottom, lo, hi):
    count = (bottom - top) // TICK_SPACING + 1
    for n in range(count):
        y = bottom - n * TICK_SPACING
        canvas.polyline(np.array([right, right + TICK]), np.array([y, y]))
        canvas.text(right + LABEL_OFFSET, y, f"{lo + n * (hi - lo) / max(count - 1, 1):.2e}")


class Peer:
    def __init__(self, records, interval):
        self.records = records
        self.interval = interval
        self.canvas = Canvas()
        self.palette = palette2()
        self.greys = greys()
        samples = records.shape[1]
        n = 5 * samples
        t = np.arange(samples) * float(interval)
        fine = np.arange(n) * ((t[-1] - t[0]) / (n - 1))
        self.cell = np.minimum(np.searchsorted(t, fine, side="left") - 1, samples - 2)
        self.cell = np.maximum(self.cell, 0)
        self.frac = (fine - t[self.cell]) / float(interval)
        self.df = 500000.0 / (samples // 2 * interval)
        self.freqs = np.floor(np.arange(n // 2 + 1) * self.df)
        self.last = int(np.searchsorted(self.freqs, BAND_HZ[1]))
        self.samples = samples

    def spectra(self, traces):
        """Amplitude spectra of traces (rows): fivefold resampling, one batched rfft."""
        left = traces[:, self.cell]
        fine = left + self.frac * (traces[:, self.cell + 1] - left)
        return np.abs(scipy.fft.rfft(fine, axis=1))

    def trace_panel(self, traces, density):
        c = self.canvas
        left, top, right, bottom = c.frame(175, 10, 1000, 350)
        step = (right - left) // traces.shape[0]
        rows = top + (np.arange(self.samples) * (bottom - top)) // (self.samples - 1)
        top_ticks(c, left + step // 2, top, left + step // 2 + step * (traces.shape[0] - 1),
                  traces.shape[0], str)
        right_ticks(c, right, top, bottom, 0, (self.samples - 1) * self.interval)
        centres = left + step // 2 + step * np.arange(traces.shape[0])
        if density:
            lo, hi = self.records.min(), self.records.max()
            idx = np.clip(((traces - lo) * 255 / (hi - lo)).astype(np.int64), 0, 255)
            last_of_row = np.append(rows[1:] != rows[:-1], True)
            ys, idx = rows[last_of_row], idx[:, last_of_row]
            j = np.arange(step)
            for k in range(traces.shape[0]):
                nxt = idx[k + 1] if k + 1 < traces.shape[0] else None
                if nxt is None:
                    c.pixels[ys, centres[k]] = self.greys[idx[k]]
                    continue
                band = (idx[k][:, None] * (step - j) + nxt[:, None] * j) // step
                c.pixels[ys, centres[k]:centres[k] + step] = self.greys[band]
        else:
            span = np.ptp(traces[0])
            for k in range(traces.shape[0]):
                xs = (centres[k] + traces[k] * step / span).astype(np.int64)
                c.polyline(xs, rows)

    def product_spectrum(self, point, per_point, density):
        self.canvas.clear()
        traces = self.records[point * per_point:(point + 1) * per_point]
        self.trace_panel(traces, density)
        amplitudes = self.spectra(traces)
        factors = (amplitudes / amplitudes.max(axis=1, keepdims=True)).astype(np.float32)
        spectrum = np.prod(factors, axis=0, dtype=np.float32)
        peaks = scipy.signal.argrelmax(spectrum)[0]
        _ = [f"{int(self.freqs[i])} {spectrum[i]:.3e}" for i in peaks if i <= self.last]
        band = spectrum[:self.last + 1]
        c = self.canvas
        left, top, right, bottom = c.frame(175, 320, 500, 350)
        xs = left + ((self.freqs[:self.last + 1] - self.freqs[0]) * (right - left)
                     / (self.freqs[self.last] - self.freqs[0])).astype(np.int64)
        ys = bottom - ((band - band.min()) * (bottom - top) / np.ptp(band)).astype(np.int64)
        c.polyline(xs, ys)
        right_ticks(c, right, top, bottom, float(band.min()), float(band.max()))

    def profile_map(self, per_point, contrast):
        self.canvas.clear()
        self.trace_panel(self.records[:per_point], False)
        points = self.records.shape[0] // per_point
        amplitudes = self.spectra(self.records)
        rows = amplitudes.reshape(points, per_point, -1).prod(axis=1)[:, :self.last + 1]
        band = (rows / rows.max(axis=1, keepdims=True)).astype(np.float32).astype(np.float64)
        lo, hi = band.min(), band.max()
        count = band.shape[1]
        cols = max(MIN_COLUMNS, count)
        # Separable bilinear: along the frequencies on the point rows, then along the points.
        freqs = self.freqs[:count]
        x = freqs[0] + np.arange(cols) * ((freqs[-1] - freqs[0]) / (cols - 1))
        ix = np.clip(np.searchsorted(freqs, x, side="left") - 1, 0, count - 2)
        t = (x - freqs[ix]) / (freqs[ix + 1] - freqs[ix])
        across = band[:, ix] * (1 - t) + band[:, ix + 1] * t
        y = np.arange(MATRIX_ROWS) * ((points - 1) / (MATRIX_ROWS - 1))
        iy = np.minimum(y.astype(np.int64), points - 2)
        u = (y - iy)[:, None]
        matrix = across[iy] * (1 - u)
        matrix += across[iy + 1] * u
        if contrast > 0:
            np.clip(matrix, lo, hi - (hi - lo) * contrast, out=matrix)
        mlo, mhi = matrix.min(), matrix.max()
        c = self.canvas
        left, top, right, bottom = c.frame(275, 320, 900, 350)
        ys = top + ((x - x[0]) * (bottom - top) / (x[-1] - x[0])).astype(np.int64)
        last_of_row = np.append(ys[1:] != ys[:-1], True)
        # Only the columns that end up on a pixel row get a palette index.
        shown = matrix[:, last_of_row].T
        index = ((shown - mlo) * (1275 / (mhi - mlo))).astype(np.int32)
        np.clip(index, 0, 1275, out=index)
        c.pixels[ys[last_of_row], left:left + MATRIX_ROWS] = self.palette[index]
        bar = self.palette[np.arange(200) * 1275 // 199]
        c.pixels[490:515, 45:245] = bar[None, :]
        per_label = round(MATRIX_ROWS / max(points - 1, 1))
        top_ticks(c, left, top, left + per_label * (points - 1), points, str)
        right_ticks(c, right, top, bottom, x[0], x[-1])

    def correlation(self):
        a, b = self.records[0], self.records[1]
        n = a.size
        corr = scipy.signal.correlate(a - a.mean(), b - b.mean(), mode="full")
        corr /= n * a.std() * b.std()
        c = self.canvas
        c.clear()
        left, top, right, bottom = c.frame(0, 0, 775, 400)
        xs = left + (np.arange(corr.size) * (right - left)) // (corr.size - 1)
        ys = bottom - ((corr - corr.min()) * (bottom - top) / np.ptp(corr)).astype(np.int64)
        c.polyline(xs, ys)
        right_ticks(c, right, top, bottom, float(corr.min()), float(corr.max()))


def timings_ms(action, repeat):
    action()  # warm-up
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        action()
        times.append((time.perf_counter() - start) * 1000.0)
    return min(times), statistics.median(times)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("image")
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    records, interval = read_profile(args.image)
    peer = Peer(records, interval)
    per_point = 2  # both channels, one hit per point
    actions = {
        "SpectrumSettingsProductWiggle": lambda: peer.product_spectrum(2, per_point, False),
        "SpectrumSettingsProductDensity": lambda: peer.product_spectrum(2, per_point, True),
        "ProfileSpectrum": lambda: peer.profile_map(per_point, 0.0),
        "ContrastStep": lambda: peer.profile_map(per_point, 0.5),
        "CorrelationFullRange": peer.correlation,
    }
    for name, action in actions.items():
        low, median = timings_ms(action, args.repeat)
        print(f"{name} {low:.3f} {median:.3f}")
    sys.stdout.flush()


if __name__ == "__main__":
    main()
