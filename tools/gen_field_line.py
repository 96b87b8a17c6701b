#!/usr/bin/env python3
"""Writes a sample line of field recordings in the format instruments export.

    python3 tools/gen_field_line.py [OUTDIR] [--cli PATH]
    python3 tools/gen_field_line.py --grid [OUTDIR]

OUTDIR (default data/line-B) receives P-1.txt .. P-28.txt, one text file per measuring
point (one hit, one channel): 2000 lines "TIME<TAB>AMPLITUDE", time in seconds from
5.000000E-6 on in steps of DT = 5 us, both printed as "%.6E" with the
exponent unpadded (for example "5.000000E-6<TAB>-2.375919E-2"). It then writes line.sgy, the same line as one SEG-Y
file, with karvelo-cli's save-segy (PATH, default the checkout's build/bin/karvelo-cli; skipped with
a note when the program is not built). Each file is written under a temporary name and
renamed when complete.

Each recording of point k (1-based) is

    x(t) = 0.05 * P(t) + A * exp(-t / tau) * sin(2 pi f_k t) + 0.01 * exp(-t / tau_f) * sin(2 pi 1800 t)
           + noise(t)

    P(t)   force pulse: half sine of 60 us
    A      0.03 + 0.002 * (k mod 3); tau = 1.5 ms; tau_f = 3 ms
    f_k    the plate resonance along the line: 9000 Hz (a plate of about 0.21 m at a
           wave velocity of 3900 m/s) for points 1..11, falling linearly from 9000 to 7000
           Hz over points 12..16 (a thicker section), 7000 Hz for 17..22, then 11000 Hz for
           23..28 (a thinner section)
    noise  uniform in +-0.0005 from a fixed 64-bit LCG, so the output never changes

With DT = 5 us and 2000 samples the spectrum bins are 100 Hz apart; the frequencies are
printed one line per point as "P-k f_k".

With --grid, OUTDIR (default data/grid) instead receives a survey grid of 12 rows (A..L)
and 21 columns, one recording per position named as field crews name them: "A-01.txt"
.. "L-21.txt", the same signal with f = 9000 Hz, except a delaminated zone (rows D..F,
columns 8..12) that rings at 5000 Hz and a thinner strip (column 21) at 11000 Hz.
Position B-05 was not measured and has no file. One line per written position is
printed as "B-02 f".
"""

import math
import os
import subprocess
import sys

DT = 5e-6
N = 2000
POINTS = 28


def resonance(k):
    if k <= 11:
        return 9000.0
    if k <= 16:
        return 9000.0 - 2000.0 * (k - 11) / 5.0
    if k <= 22:
        return 7000.0
    return 11000.0


class Lcg:
    """Knuth's MMIX LCG; deterministic on every Python version."""

    def __init__(self, seed):
        self.state = seed

    def uniform(self):
        self.state = (6364136223846793005 * self.state + 1442695040888963407) % 2**64
        return (self.state >> 11) / float(2**53)


def sci(value):
    """%.6E with the exponent unpadded, as the instruments print it: 5.000000E-6."""
    mantissa, exponent = ("%.6E" % value).split("E")
    return "%sE%d" % (mantissa, int(exponent))


GRID_ROWS = "ABCDEFGHIJKL"
GRID_COLUMNS = 21


def grid_resonance(row, column):
    if row in "DEF" and 8 <= column <= 12:
        return 5000.0
    if column == GRID_COLUMNS:
        return 11000.0
    return 9000.0


def recording(k, rng, f=None):
    f = resonance(k) if f is None else f
    amplitude = 0.03 + 0.002 * (k % 3)
    lines = []
    for i in range(N):
        t = (i + 1) * DT
        pulse = math.sin(math.pi * t / 60e-6) if t < 60e-6 else 0.0
        x = (0.05 * pulse + amplitude * math.exp(-t / 1.5e-3) * math.sin(2 * math.pi * f * t)
             + 0.01 * math.exp(-t / 3e-3) * math.sin(2 * math.pi * 1800.0 * t)
             + 0.0005 * (2.0 * rng.uniform() - 1.0))
        lines.append("%s\t%s\n" % (sci(t), sci(x)))
    return "".join(lines)


def write_atomically(path, text):
    temp = path + ".tmp"
    with open(temp, "w", newline="\n") as out:
        out.write(text)
        out.flush()
        os.fsync(out.fileno())
    os.replace(temp, path)


def write_grid(outdir):
    os.makedirs(outdir, exist_ok=True)
    rng = Lcg(20241130)
    k = 0
    for row in GRID_ROWS:
        for column in range(1, GRID_COLUMNS + 1):
            k += 1
            if row == "B" and column == 5:
                continue
            f = grid_resonance(row, column)
            name = "%s-%02d" % (row, column)
            write_atomically(os.path.join(outdir, name + ".txt"), recording(k, rng, f))
            print("%s %d" % (name, f))


def main(argv):
    if argv and argv[0] == "--grid":
        write_grid(argv[1] if len(argv) > 1 else "data/grid")
        return
    outdir = "data/line-B"
    # The build of the checkout this script belongs to, wherever it is run from.
    cli = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "bin", "karvelo-cli")
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--cli" and args:
            cli = args.pop(0)
        else:
            outdir = arg
    os.makedirs(outdir, exist_ok=True)
    rng = Lcg(20240917)
    paths = []
    for k in range(1, POINTS + 1):
        path = os.path.join(outdir, "P-%d.txt" % k)
        write_atomically(path, recording(k, rng))
        paths.append(path)
        print("P-%d %d" % (k, resonance(k)))
    segy = os.path.join(outdir, "line.sgy")
    if os.access(cli, os.X_OK):
        subprocess.run([cli, "--files", *paths, "--channels", "1", "save-segy", segy], check=True)
    else:
        print("note: %s not built, %s not written" % (cli, segy), file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv[1:])
