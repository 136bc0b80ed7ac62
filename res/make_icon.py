#!/usr/bin/env python3
"""Draws tallymere.ico: one 48x48 image, 32 bits per pixel with alpha.

A dark rounded tile with a crosshair ring and a rising line chart, in the chart's own blue and
green on white. Run it again after changing the drawing: python3 res/make_icon.py
"""
import math
import os
import struct

SIZE = 48


def inside_rounded_square(x, y, radius=9.0):
    cx = min(max(x, radius), SIZE - radius)
    cy = min(max(y, radius), SIZE - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def pixel(x, y):
    """Colour (r, g, b, a) of the pixel whose centre is (x + 0.5, y + 0.5), top row first."""
    px, py = x + 0.5, y + 0.5
    if not inside_rounded_square(px, py):
        return (0, 0, 0, 0)
    colour = (28, 40, 64, 255)  # tile
    # White plot area.
    if 8 <= px <= 40 and 10 <= py <= 38:
        colour = (255, 255, 255, 255)
        if int(py) in (17, 24, 31):
            colour = (220, 220, 220, 255)  # grid rows
    # Green average line, then the blue history line over it.
    if 8 <= px <= 40 and abs(py - 27.5) <= 0.8:
        colour = (0, 200, 0, 255)
    points = [(9, 34), (17, 28), (24, 31), (32, 19), (39, 13)]
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        if distance_to_segment(px, py, ax, ay, bx, by) <= 1.3:
            colour = (0, 60, 255, 255)
    # Crosshair ring around the newest point.
    ring = math.hypot(px - 39, py - 13)
    if 4.2 <= ring <= 5.6 or (ring <= 8 and (abs(px - 39) <= 0.6 or abs(py - 13) <= 0.6) and ring >= 2.5):
        colour = (230, 40, 40, 255)
    return colour


def icon_bytes():
    # A DIB of twice the height: the colour rows bottom-up, then a 1-bit AND mask (all zero:
    # the alpha channel decides).
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(SIZE)):
        row = bytearray()
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    mask_row = bytes(((SIZE + 31) // 32) * 4)
    image = header + b"".join(rows) + mask_row * SIZE
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "tallymere.ico")
    with open(path, "wb") as f:
        f.write(icon_bytes())
    print(path)
