#!/usr/bin/env python3
"""Writes a survey grid of many positions for the survey benchmark.

    python3 bench/gen_survey_grid.py OUTDIR [POSITIONS]

OUTDIR receives POSITIONS (default 10000) recordings, one per position, named as field
crews name them: rows "AA", "AB", ... and columns 1 .. 100 ("AA-001.txt"). Each is the
field line's recording (tools/gen_field_line.py: 2000 lines "TIME<TAB>AMPLITUDE" at
5 us) with the plate resonance of its position, 7000 .. 11000 Hz in 40 Hz steps by
column. The signal of each column is formatted once and written to every row.
"""

import os
import string
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import gen_field_line  # noqa: E402

COLUMNS = 100


def row_label(index):
    letters = string.ascii_uppercase
    return letters[index // len(letters)] + letters[index % len(letters)]


def main(argv):
    outdir = argv[0]
    positions = int(argv[1]) if len(argv) > 1 else 10000
    os.makedirs(outdir, exist_ok=True)
    texts = {}
    for index in range(positions):
        row, column = divmod(index, COLUMNS)
        if column not in texts:
            rng = gen_field_line.Lcg(column + 1)
            texts[column] = gen_field_line.recording(column + 1, rng, 7000 + 40 * column)
        path = os.path.join(outdir, "%s-%03d.txt" % (row_label(row), column + 1))
        with open(path, "w", newline="\n") as out:
            out.write(texts[column])


if __name__ == "__main__":
    main(sys.argv[1:])
