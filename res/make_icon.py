#!/usr/bin/env python3
"""Draws Kordavo's icon and writes it as res/kordavo.ico.

The picture: a blue rounded tile, three pieces stacked on the left that run
into a white play triangle on the right, for pieces joined into one video.
Each of the four sizes (256, 48, 32, 16) is drawn at its own size with 4x4
supersampling, as 32-bit BGRA; the 256x256 image is stored as PNG, the others
as DIBs with an AND mask, as Windows expects of an icon group. At 16 and 32
pixels, the sizes of Explorer's lists and the console's title bar, the shapes
are laid on whole pixels, so that no grey half-tone row blurs the pieces.

Run it again after changing the picture and commit the .ico it writes.
"""
import math
import os
import struct
import sys
import zlib

SIZES = (256, 48, 32, 16)
SUPERSAMPLE = 4

TILE_TOP = (0x2F, 0x80, 0xED)
TILE_BOTTOM = (0x1A, 0x4F, 0xB8)
PIECE_COLOURS = ((0xFF, 0xC8, 0x3D), (0xFF, 0x9F, 0x1C), (0xF2, 0x6B, 0x1D))
WHITE = (0xFF, 0xFF, 0xFF)


def rounded_box(x, y, cx, cy, half_w, half_h, radius):
    """Signed distance from (x, y) to a rounded rectangle (negative inside)."""
    qx = abs(x - cx) - half_w + radius
    qy = abs(y - cy) - half_h + radius
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def triangle(x, y, points):
    """Signed distance to a triangle (negative inside), as the largest
    distance past any of its edges, each edge's normal pointing away from
    the centroid."""
    cx = sum(p[0] for p in points) / 3
    cy = sum(p[1] for p in points) / 3
    distance = -1e9
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        nx, ny = by - ay, ax - bx
        length = math.hypot(nx, ny)
        if (cx - ax) * nx + (cy - ay) * ny > 0:
            nx, ny = -nx, -ny
        distance = max(distance, ((x - ax) * nx + (y - ay) * ny) / length)
    return distance


# The shapes in the unit square, y downwards: boxes as (centre x, centre y,
# half width, half height, corner radius), the play triangle as its corners.
DESIGN = {
    "tile": (0.5, 0.5, 0.47, 0.47, 0.16),
    "pieces": [(0.30, 0.34 + index * 0.16, 0.14, 0.055, 0.03) for index in range(3)],
    "play": [(0.52, 0.27), (0.52, 0.73), (0.86, 0.50)],
}

# The same shapes on the pixel grid of the small sizes: boxes as (left, top,
# right, bottom, corner radius) in whole pixels, square-cornered pieces with
# a one-pixel gap, and the triangle's upright edge on a pixel boundary.
PIXEL_DESIGNS = {
    16: {"tile": (0, 0, 16, 16, 3),
         "pieces": [(3, 4, 7, 6, 0), (3, 7, 7, 9, 0), (3, 10, 7, 12, 0)],
         "play": [(8, 4), (8, 12), (14, 8)]},
    32: {"tile": (1, 1, 31, 31, 5),
         "pieces": [(5, 9, 14, 13, 0), (5, 14, 14, 18, 0), (5, 19, 14, 23, 0)],
         "play": [(17, 9), (17, 23), (28, 16)]},
}


def design(size):
    """The shapes for `size` in the unit square."""
    if size not in PIXEL_DESIGNS:
        return DESIGN
    pixels = PIXEL_DESIGNS[size]

    def box(left, top, right, bottom, radius):
        return ((left + right) / 2 / size, (top + bottom) / 2 / size,
                (right - left) / 2 / size, (bottom - top) / 2 / size, radius / size)

    return {"tile": box(*pixels["tile"]),
            "pieces": [box(*piece) for piece in pixels["pieces"]],
            "play": [(x / size, y / size) for x, y in pixels["play"]]}


def sample(u, v, shapes):
    """The colour at (u, v) in the unit square, y downwards; None outside."""
    if rounded_box(u, v, *shapes["tile"]) > 0:
        return None
    if triangle(u, v, shapes["play"]) < 0:
        return WHITE
    for piece, colour in zip(shapes["pieces"], PIECE_COLOURS):
        if rounded_box(u, v, *piece) < 0:
            return colour
    t = v
    return tuple(round(a + (b - a) * t) for a, b in zip(TILE_TOP, TILE_BOTTOM))


def render(size):
    """Rows of (r, g, b, a) from the top, with straight (not premultiplied) alpha."""
    rows = []
    n = SUPERSAMPLE
    shapes = design(size)
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(n):
                for sx in range(n):
                    colour = sample((px + (sx + 0.5) / n) / size, (py + (sy + 0.5) / n) / size,
                                    shapes)
                    if colour is not None:
                        r, g, b = r + colour[0], g + colour[1], b + colour[2]
                        covered += 1
            if covered:
                row.append((round(r / covered), round(g / covered), round(b / covered),
                            round(255 * covered / (n * n))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def icon(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        data += blob
    return directory + entries + data


def main():
    images = [(size, png(render(size)) if size == 256 else dib(render(size))) for size in SIZES]
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "kordavo.ico")
    with open(target, "wb") as out:
        out.write(icon(images))


if __name__ == "__main__":
    main()
