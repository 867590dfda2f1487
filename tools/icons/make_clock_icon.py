#!/usr/bin/env python3
"""Draws the clock icon (resource 500) and writes it as a .ico file with a
32x32 and a 16x16 image, 32-bit with alpha. Run it again after changing the
drawing; the build uses the committed .ico, so it needs no Python.

    tools/icons/make_clock_icon.py horalink/resources/horalink.ico
"""
import math
import struct
import sys

SUPERSAMPLE = 4  # samples per pixel side, for smooth edges

RIM = (40, 70, 140)      # dark blue ring
FACE = (250, 250, 245)   # off-white dial
MARKS = (60, 60, 70)
HANDS = (20, 20, 30)
SECOND_HAND = (210, 40, 40)


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def hand(angle_degrees, length):
    """End point of a hand from the centre; 0 degrees points at 12."""
    a = math.radians(angle_degrees)
    return math.sin(a) * length, -math.cos(a) * length


def colour_at(x, y, size):
    """Colour and coverage of one sample, in a frame with the centre at 0,0
    and the dial's radius at 1."""
    r = math.hypot(x, y)
    if r > 1.0:
        return None
    if r > 0.82:
        return RIM
    # Hands at ten past ten, the classic resting pose of a clock face.
    thin = 0.07 if size >= 32 else 0.11
    if distance_to_segment(x, y, 0, 0, *hand(305, 0.45)) < thin * 1.3:
        return HANDS
    if distance_to_segment(x, y, 0, 0, *hand(60, 0.66)) < thin:
        return HANDS
    if size >= 32 and distance_to_segment(x, y, 0, 0, *hand(180, 0.7)) < 0.035:
        return SECOND_HAND
    if r < 0.1:
        return HANDS
    for mark in range(12):
        if size < 32 and mark % 3:
            continue
        inner = 0.58 if mark % 3 == 0 else 0.66
        ax, ay = hand(mark * 30, inner)
        bx, by = hand(mark * 30, 0.76)
        if distance_to_segment(x, y, ax, ay, bx, by) < (0.06 if mark % 3 == 0 else 0.035):
            return MARKS
    return FACE


def render(size):
    """Rows of (b, g, r, a) from top to bottom."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    x = ((px + (sx + 0.5) / n) / size) * 2 - 1
                    y = ((py + (sy + 0.5) / n) / size) * 2 - 1
                    c = colour_at(x * 1.03, y * 1.03, size)
                    if c is None:
                        continue
                    covered += 1
                    for i in range(3):
                        total[i] += c[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
                continue
            r, g, b = (round(t / covered) for t in total)
            row.append((b, g, r, round(255 * covered / (n * n))))
        rows.append(row)
    return rows


def icon_image(size):
    """The image as an ICO entry holds it: a bitmap header with double height,
    the colour rows bottom-up, then the 1-bit mask, rows padded to 4 bytes."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes(v for px in row for v in px) for row in reversed(rows))
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main(path):
    images = [icon_image(32), icon_image(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "horalink.ico")
