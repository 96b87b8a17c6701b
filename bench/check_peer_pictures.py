#!/usr/bin/env python3
"""Checks that the peer of bench/peer_actions.py draws the program's pictures.

For each benchmarked action, runs the karvelo-cli command that draws the same picture
with --png, decodes the PNG, draws the peer's picture once and counts the pixels that
differ outside the label boxes. A label box is where a label's text can put ink: from
its anchor (the top-left corner the program hands to its text painter) across the sum
of the characters' advances in the program's font (DejaVu Sans at 11 pixels, read from
the font file's metrics) and down the font's ascent and descent, with one pixel more on
the left, where the antialiased stem of a first letter such as 'T' reaches. Both sides
write the same labels at the same anchors, so the union of their boxes is the set of
the peer's boxes.

Prints one line per action: NAME DIFFERING_PIXELS; exits 1 when any count is not 0.

    python3 bench/check_peer_pictures.py KARVELO_CLI [--image IMAGE] [--keep DIR]
"""

import argparse
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import peer_actions  # noqa: E402

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
LABEL_PIXEL_SIZE = 11
LEFT_MARGIN = 1  # antialiased edge of a first letter before the anchor

# The karvelo-cli arguments that draw each action's picture as the benchmark leaves it.
POINT = str(peer_actions.POINT)
COMMANDS = {
    "SpectrumSettingsProductWiggle":
        ["analyse", "--mode", "product", "--point", POINT, "--view", "wiggle"],
    "SpectrumSettingsProductDensity":
        ["analyse", "--mode", "product", "--point", POINT, "--view", "density"],
    "ProfileSpectrum": ["analyse", "--mode", "profile", "--point", POINT, "--view", "wiggle"],
    "ContrastStep": ["analyse", "--mode", "profile", "--point", POINT, "--view", "wiggle",
                     "--contrast", str(round(peer_actions.CONTRAST_STEP * 100))],
    "CorrelationFullRange": ["correlate", "0", "0", "0", "1", "--full-range"],
}


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """An 8-bit RGB or RGBA PNG as 0xFFRRGGBB words, shape (height, width)."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    pos, idat = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError(f"{path}: only 8-bit RGB(A), not interlaced")
        elif kind == b"IDAT":
            idat.append(body)
    bpp = 3 if colour == 2 else 4
    stride = width * bpp
    raw = zlib.decompress(b"".join(idat))
    rows = np.zeros((height, stride), dtype=np.uint8)
    prev = np.zeros(stride, dtype=np.uint8)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = np.frombuffer(raw, dtype=np.uint8, count=stride, offset=y * (stride + 1) + 1)
        if kind == 0:
            cur = line.copy()
        elif kind == 1:
            # Each byte adds the one bpp before it: a running sum per channel.
            cur = (np.cumsum(line.reshape(-1, bpp), axis=0, dtype=np.uint64) % 256).astype(
                np.uint8).reshape(-1)
        elif kind == 2:
            cur = line + prev
        elif kind in (3, 4):
            cur = bytearray(line.tobytes())
            up = prev.tolist()
            for i in range(stride):
                a = cur[i - bpp] if i >= bpp else 0
                if kind == 3:
                    cur[i] = (cur[i] + ((a + up[i]) >> 1)) & 0xFF
                else:
                    c = up[i - bpp] if i >= bpp else 0
                    cur[i] = (cur[i] + paeth(a, up[i], c)) & 0xFF
            cur = np.frombuffer(bytes(cur), dtype=np.uint8)
        else:
            raise ValueError(f"{path}: unknown filter {kind}")
        rows[y] = cur
        prev = cur
    pixels = rows.reshape(height, width, bpp).astype(np.uint32)
    return 0xFF000000 | (pixels[:, :, 0] << 16) | (pixels[:, :, 1] << 8) | pixels[:, :, 2]


class FontMetrics:
    """Advances, ascent and descent of a TrueType font at a pixel size (hhea, hmtx and
    the format-4 cmap)."""

    def __init__(self, path, pixel_size):
        data = open(path, "rb").read()
        tables = {}
        count, = struct.unpack_from(">H", data, 4)
        for i in range(count):
            tag, _, offset, _ = struct.unpack_from(">4sIII", data, 12 + 16 * i)
            tables[tag] = offset
        units, = struct.unpack_from(">H", data, tables[b"head"] + 18)
        ascender, descender = struct.unpack_from(">hh", data, tables[b"hhea"] + 4)
        metrics, = struct.unpack_from(">H", data, tables[b"hhea"] + 34)
        self.scale = pixel_size / units
        self.ascent = math.ceil(ascender * self.scale)
        self.descent = math.ceil(-descender * self.scale)
        advances = struct.unpack_from(f">{2 * metrics}H", data, tables[b"hmtx"])[0::2]
        self.advances = advances
        self.glyph_of = self._cmap(data, tables[b"cmap"])

    @staticmethod
    def _cmap(data, cmap):
        count, = struct.unpack_from(">H", data, cmap + 2)
        for i in range(count):
            platform, encoding, offset = struct.unpack_from(">HHI", data, cmap + 4 + 8 * i)
            sub = cmap + offset
            if platform == 3 and encoding == 1 and struct.unpack_from(">H", data, sub)[0] == 4:
                break
        else:
            raise ValueError("no Unicode BMP cmap")
        segments = struct.unpack_from(">H", data, sub + 6)[0] // 2
        ends = struct.unpack_from(f">{segments}H", data, sub + 14)
        starts_at = sub + 16 + 2 * segments
        starts = struct.unpack_from(f">{segments}H", data, starts_at)
        deltas = struct.unpack_from(f">{segments}h", data, starts_at + 2 * segments)
        ranges_at = starts_at + 4 * segments
        ranges = struct.unpack_from(f">{segments}H", data, ranges_at)

        def glyph(code):
            for s in range(segments):
                if starts[s] <= code <= ends[s]:
                    if ranges[s] == 0:
                        return (code + deltas[s]) & 0xFFFF
                    at = ranges_at + 2 * s + ranges[s] + 2 * (code - starts[s])
                    index, = struct.unpack_from(">H", data, at)
                    return (index + deltas[s]) & 0xFFFF if index else 0
            return 0
        return glyph

    def width(self, text):
        units = sum(self.advances[min(self.glyph_of(ord(ch)), len(self.advances) - 1)]
                    for ch in text)
        return math.ceil(units * self.scale)


def label_mask(labels, font, shape):
    mask = np.zeros(shape, dtype=bool)
    for x, y, text in labels:
        left, right = x - LEFT_MARGIN, x + font.width(text)
        bottom = y + font.ascent + font.descent
        mask[max(y, 0):max(bottom, 0), max(left, 0):max(right, 0)] = True
    return mask


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("cli", help="the karvelo-cli program")
    parser.add_argument("--image", help="profile image (default: karvelo-cli dump-image)")
    parser.add_argument("--keep", help="folder for the PNGs and the difference masks")
    args = parser.parse_args()
    font = FontMetrics(FONT, LABEL_PIXEL_SIZE)
    with tempfile.TemporaryDirectory() as scratch:
        folder = args.keep or scratch
        os.makedirs(folder, exist_ok=True)
        image = args.image
        if image is None:
            image = os.path.join(scratch, "profile.img")
            subprocess.run([args.cli, "dump-image", image], check=True,
                           stdout=subprocess.DEVNULL)
        records, interval = peer_actions.read_profile(image)
        peer = peer_actions.Peer(records, interval)
        failed = False
        for name, action in peer_actions.actions(peer).items():
            png = os.path.join(folder, name + ".png")
            subprocess.run([args.cli, *COMMANDS[name], "--png", png], check=True,
                           stdout=subprocess.DEVNULL)
            program = read_png(png)
            action()
            drawn = peer.canvas.pixels
            outside = ~label_mask(peer.canvas.labels, font, drawn.shape)
            differing = (program != drawn) & outside
            count = int(differing.sum())
            print(f"{name} {count}")
            if args.keep:
                np.save(os.path.join(folder, name + ".peer.npy"), drawn)
                np.save(os.path.join(folder, name + ".diff.npy"), differing)
            failed |= count != 0
    sys.stdout.flush()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
