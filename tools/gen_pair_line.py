#!/usr/bin/env python3
"""Writes a line of two-channel impact-echo recordings whose wave velocity and thickness
are known, for measuring the velocity from the arrivals at two sensors.

    python3 tools/gen_pair_line.py [OUTDIR] [--hits N]

OUTDIR (default data/pairs) receives P-01.txt .. P-12.txt, one text file per hit (with
--hits N, P-01-1.txt .. P-01-N.txt for each point): N = 2048 lines
"TIME<TAB>CHANNEL1<TAB>CHANNEL2", the time in seconds from 0 in steps of DT = 2 us,
all printed as "%.6E" (2048 samples at 2 us: spectrum bins 244 Hz apart). Channel 1 is the sensor nearer the impact, channel 2 the one
SPACING = 300 mm beyond it on the same line. One line per point is printed:
"P-01 CP THICKNESS_MM F_T".

At point k (1-based) the concrete has the wave velocity Cp_k and the thickness h_k:

    Cp_k   3600 + 100 * (k mod 9) m/s (3600 .. 4400)
    h_k    760 mm for points 1..5, 720 mm for 6..9 (a thinner section), 800 mm for 10..12
    f_k    beta Cp_k / (2 h_k), beta = 0.96: the thickness frequency (about 2.2 .. 2.9 kHz,
           inside the report's default band up to 3000 Hz)

and channel c of hit j is

    x_c(t) = g_c * [ P(t - t_c) + E(t - t_c) * sin(2 pi f_k (t - t_c)) ] + noise(t)

    t_c    the arrival of the P wave: T0 + (D + (c - 1) * SPACING) / Cp_k with T0 = 300 us
           (the pre-trigger) plus 3.7 us * j (hits do not start on the same sample) and
           D = 150 mm from the impact to sensor 1
    P(s)   the first pulse: a half sine of 40 us from s = 0 (the contact of the impactor)
    E(s)   exp(-s / 2.5 ms) for s >= 0, 0 before the arrival
    g_c    1 on channel 1, 0.7 on channel 2
    noise  uniform in +-0.002 from a fixed 64-bit LCG, so the output never changes

Each file is written under a temporary name and renamed when complete.
"""

import math
import os
import sys

from gen_field_line import Lcg, write_atomically

DT = 2e-6
N = 2048
POINTS = 12
SPACING = 0.3
NEAR = 0.15
BETA = 0.96
T0 = 300e-6
CONTACT = 40e-6
DECAY = 2.5e-3
RING = 1.0


def velocity(k):
    return 3600.0 + 100.0 * (k % 9)


def thickness(k):
    if k <= 5:
        return 0.76
    if k <= 9:
        return 0.72
    return 0.8


def channel(s, f):
    if s < 0.0:
        return 0.0
    pulse = math.sin(math.pi * s / CONTACT) if s < CONTACT else 0.0
    return pulse + RING * math.exp(-s / DECAY) * math.sin(2.0 * math.pi * f * s)


def recording(k, j, rng):
    cp = velocity(k)
    f = BETA * cp / (2.0 * thickness(k))
    start = T0 + 3.7e-6 * j
    arrivals = [start + NEAR / cp, start + (NEAR + SPACING) / cp]
    gains = [1.0, 0.7]
    lines = []
    for i in range(N):
        t = i * DT
        values = [g * channel(t - a, f) + 0.002 * (2.0 * rng.uniform() - 1.0)
                  for a, g in zip(arrivals, gains)]
        lines.append("%.6E\t%.6E\t%.6E\n" % (t, values[0], values[1]))
    return "".join(lines)


def main(argv):
    outdir = "data/pairs"
    hits = 1
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--hits" and args:
            hits = int(args.pop(0))
        else:
            outdir = arg
    os.makedirs(outdir, exist_ok=True)
    rng = Lcg(20261208)
    for k in range(1, POINTS + 1):
        for j in range(hits):
            name = "P-%02d.txt" % k if hits == 1 else "P-%02d-%d.txt" % (k, j + 1)
            write_atomically(os.path.join(outdir, name), recording(k, j, rng))
        cp = velocity(k)
        print("P-%02d %d %d %.1f" % (k, cp, thickness(k) * 1000, BETA * cp / (2 * thickness(k))))


if __name__ == "__main__":
    main(sys.argv[1:])
