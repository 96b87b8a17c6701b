#!/usr/bin/env python3
"""Peer comparison: the form's actions as a numpy programmer who knows the library writes them.

Reads the profile image that `karvelo-cli dump-image` wrote and, for each action the C++
benchmark bench_actions measures, does the same computation and draws the same picture
into a 1280 x 720 numpy RGB32 array, by the program's own pixel rules: the panels and
their frames, ticks and label positions, the line rule (end point left out, minor offset
rounded half away from the start), wiggle curves, the grey density image, the spectrum
curve, the profile-spectrum map in palette 2 with its colour bar and contrast clip, and
single precision where the program keeps it. Labels are blitted from glyphs rendered
once at start, inside the boxes where the program writes its text. The work is batched
over the traces: one fivefold resampling through positions found once, one
scipy.fft.rfft over all traces of the action (a contrast step reuses the point spectra
of the map before it, as the program does), the bilinear map a block of rows at a time,
pixels written by slices and fancy indexing. No figure library is involved.

Prints one line per action: NAME MIN_MS MEDIAN_MS.

    python3 bench/peer_actions.py IMAGE [--repeat N]

bench/check_peer_pictures.py compares these pictures with karvelo-cli's --png output.
"""

import argparse
import concurrent.futures
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
AXIS_LABEL_RAISE = 15
CAPTION_MARGIN = 5
Y_CAPTION_TOP = 10
CURVE_LABEL_STEP = 50
BAND_HZ = (0, 3000)
MATRIX_ROWS, MIN_COLUMNS = 800, 500
RESAMPLE = 5
SPECTRUM_MAX_INDEX, GREY_MAX_INDEX = 1275, 255
BAR_LEFT, BAR_TOP, BAR_COLUMNS, BAR_HEIGHT = 45, 490, 200, 25

# Panels: left, top, width, height.
TRACE_PANEL = (175, 10, 1000, 350)
SPECTRUM_PANEL = (175, 320, 500, 350)
MAP_PANEL = (275, 320, 900, 350)
CORRELATION_PANEL = (175, 20, 500, 350)

# Glyph cells of the peer's own labels: narrower and lower than any character of the
# program's font, so every label stays inside the box the program's text takes.
GLYPH_WIDTH, GLYPH_HEIGHT, GLYPH_TOP = 4, 7, 3


def read_profile(path):
    data = open(path, "rb").read()
    traces, = struct.unpack_from("<H", data, 3212)
    interval, = struct.unpack_from("<H", data, 3216)
    samples, = struct.unpack_from("<H", data, 3220)
    body = np.frombuffer(data, dtype=np.uint8, count=traces * RECORD, offset=FILE_HEADER)
    words = body.reshape(traces, RECORD)[:, TRACE_HEADER:TRACE_HEADER + 4 * samples]
    return np.ascontiguousarray(words).view("<i4").astype(np.float64), interval


def rgb32(r, g, b):
    return (0xFF000000 | (np.asarray(r) << 16) | (np.asarray(g) << 8) | np.asarray(b)).astype(
        np.uint32)


def palette2():
    """Black, blue, cyan, green, yellow, red: five ramps of 255 steps."""
    level = np.arange(SPECTRUM_MAX_INDEX + 1)
    r = np.select([level <= 765, level <= 1020], [0, level - 765], 255)
    g = np.select([level <= 255, level <= 510, level <= 765], [0, level - 255, 255],
                  np.where(level <= 1020, 255, 1275 - level))
    b = np.select([level <= 255, level <= 510, level <= 765], [level, 255, 765 - level], 0)
    return rgb32(r, g, b)


def greys():
    level = GREY_MAX_INDEX - np.arange(GREY_MAX_INDEX + 1)
    return rgb32(level, level, level)


def glyphs():
    """One GLYPH_WIDTH x GLYPH_HEIGHT bitmap per byte, rendered once (its last column
    stays blank as the gap to the next character)."""
    rng = np.random.default_rng(7)
    table = rng.random((256, GLYPH_HEIGHT, GLYPH_WIDTH)) < 0.4
    table[:, :, -1] = False
    table[ord(" ")] = False
    return table


def exponent_label(value, decimals):
    """printf's %.*e with at least three exponent digits, as the program writes it."""
    mantissa, exponent = f"{value:.{decimals}e}".split("e")
    return f"{mantissa}e{exponent[0]}{int(exponent[1:]):03d}"


class Canvas:
    def __init__(self):
        self.pixels = np.empty((HEIGHT, WIDTH), dtype=np.uint32)
        self.glyphs = glyphs()
        self.labels = []  # (x, y, text) of every label of the current picture
        self.inked = {}  # each label's inked pixels relative to its corner, found once

    def clear(self):
        self.pixels.fill(WHITE)
        self.labels.clear()

    def text(self, x, y, label):
        self.labels.append((x, y, label))
        inked = self.inked.get(label)
        if inked is None:
            codes = np.frombuffer(label.encode(), dtype=np.uint8)
            # The label's strip as one bitmap: its glyphs side by side.
            strip = self.glyphs[codes].transpose(1, 0, 2).reshape(GLYPH_HEIGHT, -1)
            inked = np.nonzero(strip)
            self.inked[label] = inked
        ys, xs = inked[0] + (y + GLYPH_TOP), inked[1] + x
        inside = (xs >= 0) & (xs < WIDTH) & (ys >= 0) & (ys < HEIGHT)
        self.pixels[ys[inside], xs[inside]] = BLACK

    def segments(self, x0, y0, x1, y1):
        """The program's line rule for many segments at once: along the major axis every
        pixel from the start to just before the end, the minor offset
        (2 i |minor| + major) // (2 major) away from the start."""
        x0, y0 = np.asarray(x0, dtype=np.int64), np.asarray(y0, dtype=np.int64)
        dx = np.asarray(x1, dtype=np.int64) - x0
        dy = np.asarray(y1, dtype=np.int64) - y0
        major = np.maximum(np.abs(dx), np.abs(dy))
        keep = major > 0
        x0, y0, dx, dy, major = x0[keep], y0[keep], dx[keep], dy[keep], major[keep]
        seg = np.repeat(np.arange(major.size), major)
        step = np.arange(seg.size) - np.repeat(np.cumsum(major) - major, major)
        xmaj = (np.abs(dx) >= np.abs(dy))[seg]
        length = major[seg]
        ddx, ddy = dx[seg], dy[seg]
        off_x = np.where(ddx >= 0, 1, -1) * ((2 * step * np.abs(ddx) + length) // (2 * length))
        off_y = np.where(ddy >= 0, 1, -1) * ((2 * step * np.abs(ddy) + length) // (2 * length))
        px = x0[seg] + np.where(xmaj, np.sign(ddx) * step, off_x)
        py = y0[seg] + np.where(xmaj, off_y, np.sign(ddy) * step)
        inside = (px >= 0) & (px < WIDTH) & (py >= 0) & (py < HEIGHT)
        self.pixels[py[inside], px[inside]] = BLACK

    def polyline(self, xs, ys):
        self.segments(xs[:-1], ys[:-1], xs[1:], ys[1:])

    def frame(self, panel):
        """The frame rectangle (a closed line-to path paints each border pixel once)."""
        left, top, width, height = panel
        l, t, r, b = left + INSET, top + INSET, left + width - INSET, top + height - INSET
        self.pixels[t, l:r + 1] = BLACK
        self.pixels[b, l:r + 1] = BLACK
        self.pixels[t:b + 1, l] = BLACK
        self.pixels[t:b + 1, r] = BLACK
        return l, t, r, b

    def captions(self, panel, x_caption, y_caption):
        left, top, width, _ = panel
        self.text(left + INSET, top + CAPTION_MARGIN, x_caption)
        self.text(left + width - CAPTION_MARGIN, top + Y_CAPTION_TOP, y_caption)

    def top_ticks(self, panel, xs, labels):
        """Ticks up from the frame's top edge (its pixel and the nine above), labelled
        above them."""
        top = panel[1]
        frame_top = top + INSET
        xs = np.asarray(xs, dtype=np.int64)
        self.pixels[frame_top - TICK + 1:frame_top + 1, xs] = BLACK
        for x, label in zip(xs.tolist(), labels):
            self.text(x, top + LABEL_OFFSET, label)

    def right_ticks(self, panel, ys, label_ys, labels):
        right = panel[0] + panel[2] - INSET
        ys = np.asarray(ys, dtype=np.int64)
        self.pixels[ys[:, None], np.arange(right, right + TICK)[None, :]] = BLACK
        for y, label in zip(label_ys, labels):
            self.text(right + LABEL_OFFSET, int(y), label)

    def axis_ticks(self, panel, along_top, first, count, axis_step):
        """The axis ticks: every 50 pixels along the top (curves) or down the right edge,
        integer labels stepping by the whole part of the single-precision label step."""
        extent = panel[2 if along_top else 3] - 2 * INSET
        step = np.float32(0.0)
        if extent > 0 and count >= 2:
            step = (np.float32(count - 1) * np.float32(axis_step) * np.float32(TICK_SPACING)
                    / np.float32(extent))
        whole = int(step)
        n = np.arange(extent // TICK_SPACING + 1)
        labels = [str(int(first) + k * whole) for k in n.tolist()]
        if along_top:
            self.top_ticks(panel, panel[0] + INSET + n * TICK_SPACING, labels)
        else:
            ys = panel[1] + INSET + n * TICK_SPACING
            self.right_ticks(panel, ys, ys - AXIS_LABEL_RAISE, labels)

    def curve(self, panel, captions, axis_step, axis, values):
        """A curve plot: axis values to the right, values up; its value ticks every 50
        pixels up the right edge."""
        l, t, r, b = self.frame(panel)
        plot_width, plot_height = r - l, b - t
        self.captions(panel, *captions)
        first = axis[0]
        self.axis_ticks(panel, True, first, axis.size, axis_step)
        vmin, vmax = values.min(), values.max()
        n = np.arange(plot_height // TICK_SPACING + 1)
        ys = b - n * TICK_SPACING
        self.right_ticks(panel, ys, ys, [
            exponent_label(vmin + k * CURVE_LABEL_STEP * (vmax - vmin) / plot_height, 3)
            for k in n.tolist()])
        # The bottom and left frame edges drawn again: the same pixels.
        span = axis.max() - first
        xs = (l + (axis - first) * plot_width / span).astype(np.int64)
        vspan = vmax - vmin
        if vspan == 0.0:
            ys = np.full(values.size, b - plot_height // 2, dtype=np.int64)
        else:
            ys = (b + (values - vmin) * -plot_height / vspan).astype(np.int64)
        self.polyline(xs, ys)


class Peer:
    def __init__(self, records, interval):
        self.records = records
        self.interval = interval
        self.canvas = Canvas()
        self.palette = palette2()
        self.greys = greys()
        self.sample_min, self.sample_max = records.min(), records.max()
        samples = records.shape[1]
        self.samples = samples
        # The resampling positions, found once: each fine time's interval and offset.
        n = RESAMPLE * samples
        knots = np.arange(samples) * float(interval)
        fine = np.arange(n) * ((knots[-1] - knots[0]) / (n - 1)) + knots[0]
        self.cell = np.clip(np.searchsorted(knots, fine, side="left") - 1, 0, samples - 2)
        self.offset = fine - knots[self.cell]
        self.df = 500000.0 / (samples // 2 * interval)
        self.bins = n // 2 + 1
        self.freqs = np.floor(np.arange(self.bins) * self.df)
        self.first_bin, self.last_bin = self.band(self.freqs, *BAND_HZ)
        self.kept = None
        # Two workers for the map's blocks of rows: NumPy lets go of the interpreter lock
        # inside each operation, so the two halves of the map are computed side by side,
        # as the program computes the point spectra on two threads.
        self.pool = concurrent.futures.ThreadPoolExecutor(max_workers=2)
        self.grid = np.empty((2, MATRIX_ROWS, max(MIN_COLUMNS, self.last_bin - self.first_bin
                                                  + 1)))

    @staticmethod
    def band(freqs, fmin, fmax):
        first = int(np.searchsorted(freqs, fmin, side="left"))
        if first == freqs.size:
            first = freqs.size - 1
        elif freqs[first] > fmin and first > 0:
            first -= 1
        last = min(int(np.searchsorted(freqs, fmax, side="left")), freqs.size - 1)
        return first, last

    def spectra(self, traces):
        """Amplitude spectra of traces (rows): fivefold linear resampling, one rfft. A batch
        of 8 traces or more is transformed on two workers, as the program uses two threads."""
        slope = np.diff(traces, axis=1) / float(self.interval)
        fine = np.take(traces, self.cell, axis=1) + self.offset * np.take(slope, self.cell, axis=1)
        transform = scipy.fft.rfft(fine, axis=1, workers=2 if traces.shape[0] >= 8 else 1)
        return np.sqrt(transform.real * transform.real + transform.imag * transform.imag)

    def trace_panel(self, traces, density):
        c = self.canvas
        panel = TRACE_PANEL
        left, top, right, bottom = c.frame(panel)
        c.captions(panel, "Trace number", "Time, mks.")
        times = np.arange(self.samples) * float(self.interval)
        rows = (top + (times - times[0]) * (bottom - top) / (times[-1] - times[0])).astype(
            np.int64)
        c.axis_ticks(panel, False, times[0], self.samples, np.float32(self.interval))
        count = traces.shape[0]
        step = int((right - left) / count)
        centres = left + step // 2 + step * np.arange(count)
        c.top_ticks(panel, centres, [str(k) for k in range(count)])
        if density:
            # Only the last sample of each pixel row shows.
            shown = np.append(rows[1:] != rows[:-1], True)
            ys = rows[shown]
            scaled = (traces[:, shown] - self.sample_min) * GREY_MAX_INDEX / (
                self.sample_max - self.sample_min)
            index = np.where(scaled > 0, np.minimum(scaled, GREY_MAX_INDEX), 0).astype(np.int64)
            # Between two centres each row runs from one trace's grey to the next's.
            if count > 1:
                j = np.arange(step)
                band = (index[:-1, :, None] * (step - j) + index[1:, :, None] * j) // step
                band = band.transpose(1, 0, 2).reshape(ys.size, -1)
                c.pixels[ys, centres[0]:centres[0] + band.shape[1]] = self.greys[band]
            c.pixels[ys, centres[-1]] = self.greys[index[-1]]
        else:
            span = np.ptp(traces[0])
            c.pixels[top, left:left + count * step] = BLACK
            c.pixels[top:bottom, centres] = BLACK
            if span == 0.0:
                xs = np.broadcast_to(centres[:, None], traces.shape).astype(np.int64)
            else:
                xs = (centres[:, None] + traces * step / span).astype(np.int64)
            ys = np.broadcast_to(rows, traces.shape)
            c.segments(xs[:, :-1], ys[:, :-1], xs[:, 1:], ys[:, 1:])

    def product_spectrum(self, point, per_point, density):
        self.canvas.clear()
        traces = self.records[point * per_point:(point + 1) * per_point]
        self.trace_panel(traces, density)
        amplitudes = self.spectra(traces)
        factors = (amplitudes / amplitudes.max(axis=1, keepdims=True)).astype(np.float32)
        spectrum = factors[0]
        for factor in factors[1:]:
            spectrum = factor * spectrum
        peaks = scipy.signal.argrelmax(spectrum)[0]
        _ = [f"({int(self.freqs[i])};{exponent_label(spectrum[i], 3)})" for i in peaks
             if self.first_bin <= i <= self.last_bin]
        band = spectrum[self.first_bin:self.last_bin + 1].astype(np.float64)
        self.canvas.curve(SPECTRUM_PANEL, ("Frequency,Hz.", "Amplitude"), np.float32(self.df),
                          self.freqs[self.first_bin:self.last_bin + 1], band)

    def point_spectra(self, points, per_point):
        """Each point's product of the raw amplitude spectra of its traces. Kept from the
        last run, as the program keeps them, while the traces and their grouping are as
        they were then (a band or contrast step transforms nothing again)."""
        traces = self.records[:points * per_point]
        if self.kept is not None:
            key, kept_traces, product = self.kept
            if key == (points, per_point) and np.array_equal(kept_traces, traces):
                return product
        grouped = self.spectra(traces).reshape(points, per_point, -1)
        product = grouped[:, 0]
        for t in range(1, per_point):
            product = product * grouped[:, t]
        self.kept = ((points, per_point), traces.copy(), product)
        return product

    def forget_point_spectra(self):
        self.kept = None

    def profile_map(self, point, per_point, contrast):
        c = self.canvas
        c.clear()
        self.trace_panel(self.records[point * per_point:(point + 1) * per_point], False)
        points = self.records.shape[0] // per_point
        product = self.point_spectra(points, per_point)[:, self.first_bin:self.last_bin + 1]
        # Each point's band spectrum over its largest value, in single precision.
        band = (product / product.max(axis=1, keepdims=True)).astype(np.float32)
        low, high = band.min(), band.max()
        band = band.astype(np.float64)
        count = band.shape[1]
        cols = max(MIN_COLUMNS, count)
        # Bilinear over (frequency, point) on the grid the program evaluates.
        freqs = self.freqs[self.first_bin:self.last_bin + 1]
        dx = (freqs[-1] - freqs[0]) / (cols - 1)
        x = np.arange(cols) * dx + freqs[0]
        ix = np.clip(np.searchsorted(freqs, x, side="left") - 1, 0, count - 2)
        t = (x - freqs[ix]) * (1.0 / (freqs[ix + 1] - freqs[ix]))
        dy = (points - 1) / (MATRIX_ROWS - 1)
        y = np.arange(MATRIX_ROWS) * dy
        iy = np.clip(np.searchsorted(np.arange(points, dtype=np.float64), y, side="left") - 1,
                     0, points - 2)
        u = (y - iy) * (1.0 / 1.0)
        # Each term weight * value, summed in the program's order, in buffers kept from
        # run to run as the program keeps its own. The matrix rows between two points
        # share their two point rows, so each such block is finished before the next: its
        # weights, terms and sum stay in the cache.
        at, next_at = band[:, ix], band[:, ix + 1]
        blocks = np.searchsorted(iy, np.arange(points)).tolist()
        matrix, weight = self.grid
        row_near, column_near = 1 - u, 1 - t

        def fill(first, last):
            for j in range(first, last):
                rows = slice(blocks[j], blocks[j + 1])
                m, w = matrix[rows], weight[rows]
                np.multiply.outer(row_near[rows], column_near, out=m)
                m *= at[j]
                for row_weights, column_weights, values in ((row_near, t, next_at[j]),
                                                            (u, t, next_at[j + 1]),
                                                            (u, column_near, at[j + 1])):
                    np.multiply.outer(row_weights[rows], column_weights, out=w)
                    w *= values
                    m += w

        half = (points - 1) // 2
        second = self.pool.submit(fill, half, points - 1)
        fill(0, half)
        second.result()
        column_hz = np.floor(x)
        saturated = False
        if contrast is not None:
            # The clip in single precision; the floor wins where both limits apply.
            contrast = np.float32(contrast)
            clip = low if contrast >= 1 else np.float32(high - (high - low) * contrast)
            np.minimum(matrix, float(clip), out=matrix)
            np.maximum(matrix, float(low), out=matrix)
            saturated = high > low and clip <= low
        # The colour bar, then the map.
        bar_index = np.arange(BAR_COLUMNS) * SPECTRUM_MAX_INDEX // BAR_COLUMNS
        bar_index[-1] = SPECTRUM_MAX_INDEX
        c.pixels[BAR_TOP:BAR_TOP + BAR_HEIGHT, BAR_LEFT:BAR_LEFT + BAR_COLUMNS] = \
            self.palette[bar_index]
        mlo, mhi = matrix.min(), matrix.max()
        panel = MAP_PANEL
        left, top, right, bottom = c.frame(panel)
        c.captions(panel, "Point number", "Frequency,Hz.")
        axis_step = np.float32(column_hz[-1] - column_hz[0]) / np.float32(cols - 1)
        c.axis_ticks(panel, False, column_hz[0], cols, axis_step)
        ys = (top + (column_hz - column_hz[0]) * (bottom - top)
              / (column_hz.max() - column_hz[0])).astype(np.int64)
        # One pixel column per matrix row, over its tick; the last column on a pixel row
        # shows, so only those columns are scaled.
        shown = np.append(ys[1:] != ys[:-1], True)
        if mhi == mlo:
            index = np.full((MATRIX_ROWS, int(shown.sum())), SPECTRUM_MAX_INDEX if saturated
                            else SPECTRUM_MAX_INDEX // 2, dtype=np.int64)
        else:
            scaled = matrix[:, shown]
            scaled -= mlo
            scaled *= SPECTRUM_MAX_INDEX
            scaled /= mhi - mlo
            np.clip(scaled, 0, SPECTRUM_MAX_INDEX, out=scaled)
            index = scaled.astype(np.uint16)
        per_label = 1
        if points >= 2:
            per_label = max(1, int(np.floor(MATRIX_ROWS / (points - 1) + 0.5)))
        rows_with_tick = np.arange(0, MATRIX_ROWS, per_label)
        c.top_ticks(panel, left + rows_with_tick,
                    [str(k // per_label) for k in rows_with_tick.tolist()])
        c.pixels[ys[shown], left:left + MATRIX_ROWS] = self.palette[index.T]

    def correlation(self):
        a, b = self.records[0], self.records[1]
        n = a.size
        da, db = a - a.sum() / n, b - b.sum() / n
        scale = np.sqrt(np.cumsum(da * da)[-1] / n) * np.sqrt(np.cumsum(db * db)[-1] / n)
        corr = np.correlate(db, da, mode="full") / n / scale
        c = self.canvas
        c.clear()
        lags = (np.arange(corr.size) - (n - 1)) * self.interval
        c.curve(CORRELATION_PANEL, ("Time, mks.", "Amplitude"), np.float32(self.interval),
                lags.astype(np.float64),
                corr.astype(np.float32).astype(np.float64))


def timings_ms(action, repeat):
    action()  # warm-up
    times = []
    for _ in range(repeat):
        start = time.perf_counter()
        action()
        times.append((time.perf_counter() - start) * 1000.0)
    return min(times), statistics.median(times)


# The benchmarked form state: point 3 (0-based), both channels, one hit per point; the
# contrast step moves the bar from 50 to 60 right after a map was drawn (its point spectra
# are those kept), while "Спектр профиля" comes after new data (they are computed again).
POINT = 3
PER_POINT = 2
CONTRAST_STEP = 0.6


def actions(peer):
    return {
        "SpectrumSettingsProductWiggle": lambda: peer.product_spectrum(POINT, PER_POINT, False),
        "SpectrumSettingsProductDensity": lambda: peer.product_spectrum(POINT, PER_POINT, True),
        "ProfileSpectrum": lambda: (peer.forget_point_spectra(),
                                    peer.profile_map(POINT, PER_POINT, None)),
        "ContrastStep": lambda: peer.profile_map(POINT, PER_POINT, CONTRAST_STEP),
        "CorrelationFullRange": peer.correlation,
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("image")
    parser.add_argument("--repeat", type=int, default=5)
    args = parser.parse_args()
    records, interval = read_profile(args.image)
    peer = Peer(records, interval)
    for name, action in actions(peer).items():
        low, median = timings_ms(action, args.repeat)
        print(f"{name} {low:.3f} {median:.3f}")
    sys.stdout.flush()


if __name__ == "__main__":
    main()
