#!/usr/bin/env python3
"""Draws the program icon in the display's dot style: a 5 x 7 dot "T" lit red on a dark
panel, the other dots dim. Writes the scalable SVG and the PNG sizes beside this script
(run it again after changing the drawing; the results are committed)."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
GLYPH = ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."]
PANEL = (4, 4, 56, 56, 9)          # x, y, width, height, corner radius on a 64 x 64 canvas
PITCH, RADIUS = 7.0, 2.9
PANEL_COLOUR, LIT, DIM = (0x1C, 0x1C, 0x1C), (0xFF, 0x26, 0x1A), (0x4A, 0x14, 0x12)


def dots():
    left = 32 - PITCH * (len(GLYPH[0]) - 1) / 2
    top = 32 - PITCH * (len(GLYPH) - 1) / 2
    for row, line in enumerate(GLYPH):
        for col, mark in enumerate(line):
            yield left + col * PITCH, top + row * PITCH, LIT if mark == "#" else DIM


def svg():
    x, y, w, h, r = PANEL
    hexcol = lambda c: "#%02x%02x%02x" % c
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">',
             f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" fill="{hexcol(PANEL_COLOUR)}"/>']
    parts += [f'  <circle cx="{cx:g}" cy="{cy:g}" r="{RADIUS:g}" fill="{hexcol(c)}"/>' for cx, cy, c in dots()]
    return "\n".join(parts + ["</svg>", ""])


def colour_at(px, py):
    """The colour and coverage of one point of the 64 x 64 canvas."""
    for cx, cy, c in dots():
        if (px - cx) ** 2 + (py - cy) ** 2 <= RADIUS ** 2:
            return c, 1
    x, y, w, h, r = PANEL
    qx = min(max(px, x + r), x + w - r)
    qy = min(max(py, y + r), y + h - r)
    if x <= px <= x + w and y <= py <= y + h and (px - qx) ** 2 + (py - qy) ** 2 <= r * r:
        return PANEL_COLOUR, 1
    return (0, 0, 0), 0


def png(size):
    samples = 4
    rows = []
    for j in range(size):
        row = bytearray([0])
        for i in range(size):
            acc = [0, 0, 0, 0]
            for sj in range(samples):
                for si in range(samples):
                    px = (i + (si + 0.5) / samples) * 64 / size
                    py = (j + (sj + 0.5) / samples) * 64 / size
                    c, a = colour_at(px, py)
                    acc = [acc[0] + c[0] * a, acc[1] + c[1] * a, acc[2] + c[2] * a, acc[3] + a]
            n = samples * samples
            alpha = acc[3]
            row += bytes([round(acc[k] / alpha) if alpha else 0 for k in range(3)] + [round(255 * alpha / n)])
        rows.append(bytes(row))
    chunk = lambda tag, data: struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


with open(os.path.join(HERE, "de.muran.Tavolin.svg"), "w") as f:
    f.write(svg())
for size in SIZES:
    with open(os.path.join(HERE, f"de.muran.Tavolin-{size}.png"), "wb") as f:
        f.write(png(size))
