#!/usr/bin/env python3
"""Draws the CouponPaste icon, an orange-red coupon ticket, and writes couponpaste.ico
(16, 32 and 48 pixels, 32-bit with alpha). Standard library only; run it again after
changing the drawing and commit the .ico beside it."""

import math
import struct
import sys
from pathlib import Path

SIZES = (16, 32, 48)
SAMPLES = 5  # per axis, for smooth edges

TOP_COLOUR = (0xF6, 0x6B, 0x3C)
BOTTOM_COLOUR = (0xD9, 0x36, 0x17)
MARK_COLOUR = (0xFF, 0xF4, 0xE8)

LEFT, RIGHT, TOP, BOTTOM = 0.04, 0.96, 0.18, 0.82
CORNER = 0.09
NOTCH = 0.10
PERFORATION_X = 0.34


def in_rounded_rect(x, y):
    if not (LEFT <= x <= RIGHT and TOP <= y <= BOTTOM):
        return False
    cx = min(max(x, LEFT + CORNER), RIGHT - CORNER)
    cy = min(max(y, TOP + CORNER), BOTTOM - CORNER)
    return (x - cx) ** 2 + (y - cy) ** 2 <= CORNER**2


def in_ticket(x, y):
    """The ticket body: a rounded card with a half-round notch in each side."""
    if not in_rounded_rect(x, y):
        return False
    for nx in (LEFT, RIGHT):
        if (x - nx) ** 2 + (y - 0.5) ** 2 <= NOTCH**2:
            return False
    return True


def near_segment(x, y, a, b, half_width):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy)) <= half_width


def in_perforation(x, y, size):
    """A dashed tear line between the stub and the body."""
    if abs(x - PERFORATION_X) > max(0.025, 0.6 / size):
        return False
    dash = 0.09 if size >= 32 else 0.125
    return TOP + 0.05 < y < BOTTOM - 0.05 and int((y - TOP) / dash) % 2 == 1


def in_yuan_sign(x, y, size):
    """The currency sign on the body; left out where it would only be a smudge."""
    if size < 32:
        return False
    w = 0.035
    cx = 0.66
    strokes = (
        ((cx - 0.12, 0.30), (cx, 0.49)),
        ((cx + 0.12, 0.30), (cx, 0.49)),
        ((cx, 0.49), (cx, 0.72)),
        ((cx - 0.10, 0.53), (cx + 0.10, 0.53)),
        ((cx - 0.10, 0.62), (cx + 0.10, 0.62)),
    )
    return any(near_segment(x, y, a, b, w) for a, b in strokes)


def pixel(px, py, size):
    """Premultiplied-free RGBA of one pixel, from SAMPLES x SAMPLES sub-samples."""
    body = mark = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if in_ticket(x, y):
                if in_perforation(x, y, size) or in_yuan_sign(x, y, size):
                    mark += 1
                else:
                    body += 1
    total = SAMPLES * SAMPLES
    covered = body + mark
    if covered == 0:
        return (0, 0, 0, 0)
    t = (py + 0.5) / size
    base = [round(a + (b - a) * t) for a, b in zip(TOP_COLOUR, BOTTOM_COLOUR)]
    colour = [round((c * body + m * mark) / covered) for c, m in zip(base, MARK_COLOUR)]
    return (*colour, round(255 * covered / total))


def icon_image(size):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA rows, then the AND mask."""
    rows = [[pixel(x, y, size) for x in range(size)] for y in range(size)]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + mask


def ico_file(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = bytearray()
    data = bytearray()
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image),
                               offset + len(data))
        data += image
    return directory + entries + data


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("couponpaste.ico")
    out.write_bytes(ico_file([(s, icon_image(s)) for s in SIZES]))


if __name__ == "__main__":
    main()
