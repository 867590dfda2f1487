#!/usr/bin/env python3
"""Draws the program icon, a clock face at ten past ten, and writes it as a
Windows .ico with 32x32 and 16x16 images (32-bit colour with alpha).

    python3 tools/icons/make_clock_icon.py common/resources/clock.ico
"""
import math
import struct
import sys

RIM = (28, 64, 140)
FACE = (250, 250, 246)
MARK = (40, 40, 48)
HAND = (24, 24, 32)
SECOND = (200, 30, 30)
SAMPLES = 8  # supersampling per axis, for smooth edges


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def shapes(size):
    """Layers from back to front: (colour, test of a point in unit coordinates)."""
    c = 0.5
    r = 0.48
    rim = 0.085 if size >= 32 else 0.11

    def hand(angle_deg, length, width):
        a = math.radians(angle_deg - 90)
        ex, ey = c + length * math.cos(a), c + length * math.sin(a)
        return lambda x, y: distance_to_segment(x, y, c, c, ex, ey) <= width / 2

    def marks(x, y):
        count = 12 if size >= 32 else 4
        for i in range(count):
            a = math.radians(i * 360 / count - 90)
            inner = r - rim - (0.11 if i % 3 == 0 else 0.06)
            outer = r - rim - 0.02
            if distance_to_segment(x, y, c + inner * math.cos(a), c + inner * math.sin(a),
                                   c + outer * math.cos(a), c + outer * math.sin(a)) <= 0.025:
                return True
        return False

    # Small icons get bolder hands so they still read as a clock.
    bold = 1.0 if size >= 32 else 1.6
    layers = [
        (RIM, lambda x, y: math.hypot(x - c, y - c) <= r),
        (FACE, lambda x, y: math.hypot(x - c, y - c) <= r - rim),
        (MARK, marks),
        (HAND, hand(305, 0.24, 0.075 * bold)),   # hour hand at ten
        (HAND, hand(60, 0.33, 0.055 * bold)),    # minute hand at ten past
    ]
    if size >= 32:
        layers.append((SECOND, hand(180, 0.34, 0.025)))
    layers.append((HAND, lambda x, y: math.hypot(x - c, y - c) <= 0.045))
    return layers


def render(size):
    layers = shapes(size)
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = None
                    for col, inside in layers:
                        if inside(x, y):
                            colour = col
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if acc[3]:
                rgb = [acc[i] / acc[3] for i in range(3)]
            else:
                rgb = [0, 0, 0]
            row.append((round(rgb[0]), round(rgb[1]), round(rgb[2]), round(alpha * 255)))
        pixels.append(row)
    return pixels


def icon_image(size):
    """A BITMAPINFOHEADER image: colour rows bottom-up, then the AND mask."""
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(struct.pack("<BBBB", b, g, r, a)
                      for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (mask_row_bytes * 8 - 1 - x)
        mask += bits.to_bytes(mask_row_bytes, "big")
    return header + colour + mask


def main():
    out = sys.argv[1]
    images = [icon_image(32), icon_image(16)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in zip((32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main()
