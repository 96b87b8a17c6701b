#!/usr/bin/env python3
"""Writes a survey grid of a plate with planted defects, for the condition classes.

    python3 tools/gen_condition_grid.py [OUTDIR]

OUTDIR (default data/condition-grid) receives 8 rows (A..H) of 12 columns, one
recording per position named "A-01.txt" .. "H-12.txt", each 2000 lines
"TIME<TAB>AMPLITUDE" (DT = 5 us, time from 5 us on, "%.6E" with the exponent unpadded).
The plate is designed 200 mm thick with Cp = 4000 m/s and beta = 0.96, so its thickness
frequency is f_T = 0.96 * 4000 / (2 * 0.2) = 9600 Hz. Each recording is

    x(t) = 0.01 * P(t) + sum of A_i * exp(-t / 1.5 ms) * sin(2 pi f_i t) + noise(t)

with P a half sine of 60 us and noise uniform in +-0.0005 from a fixed 64-bit LCG, and
the resonances planted by zone:

    good     f_T alone (everywhere else)                          0.03 at 9600 Hz
    poor     rows B..C, columns 3..5: a shallower reflector        0.03 at 1.3 f_T
    serious  rows E..F, columns 8..10: a flexural mode             0.03 at 0.4 f_T
    fair     row G, columns 2..6: f_T with a second peak           0.03 at f_T, 0.024 at 1.5 f_T
    fair     row A, columns 10..12: a low peak                     0.03 at 0.75 f_T

Position D-07 was not measured and has no file. One line per written position is
printed: "A-01 good".
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gen_field_line import Lcg, sci, write_atomically  # noqa: E402

DT = 5e-6
N = 2000
F_T = 0.96 * 4000.0 / (2 * 0.2)
ROWS = "ABCDEFGH"
COLUMNS = 12
TAU = 1.5e-3


def planted(row, column):
    """The planted class and the resonances (frequency, amplitude) of a position."""
    if row in "BC" and 3 <= column <= 5:
        return "poor", [(1.3 * F_T, 0.03)]
    if row in "EF" and 8 <= column <= 10:
        return "serious", [(0.4 * F_T, 0.03)]
    if row == "G" and 2 <= column <= 6:
        return "fair", [(F_T, 0.03), (1.5 * F_T, 0.024)]
    if row == "A" and column >= 10:
        return "fair", [(0.75 * F_T, 0.03)]
    return "good", [(F_T, 0.03)]


def recording(resonances, rng):
    lines = []
    for i in range(N):
        t = (i + 1) * DT
        pulse = math.sin(math.pi * t / 60e-6) if t < 60e-6 else 0.0
        x = 0.01 * pulse + 0.0005 * (2.0 * rng.uniform() - 1.0)
        for f, amplitude in resonances:
            x += amplitude * math.exp(-t / TAU) * math.sin(2 * math.pi * f * t)
        lines.append("%s\t%s\n" % (sci(t), sci(x)))
    return "".join(lines)


def main(argv):
    outdir = argv[0] if argv else "data/condition-grid"
    os.makedirs(outdir, exist_ok=True)
    rng = Lcg(20261208)
    for row in ROWS:
        for column in range(1, COLUMNS + 1):
            if row == "D" and column == 7:
                continue
            condition, resonances = planted(row, column)
            name = "%s-%02d" % (row, column)
            write_atomically(os.path.join(outdir, name + ".txt"), recording(resonances, rng))
            print("%s %s" % (name, condition))


if __name__ == "__main__":
    main(sys.argv[1:])
