#!/usr/bin/env python3
"""Draws the Korvex program icon and writes src/res/korvex.ico.

The icon is one 256 x 256 RGBA image stored PNG-compressed in the .ico. It
shows a dark dump window: a title bar, an address stripe and rows of coloured
hex pairs, the first two rows spelling "Korvex" in ASCII under a selection
band. Only the standard library is used, so the output is reproducible; the
build does not run this script, the .ico is checked in.

    python3 scripts/make_icon.py [--png PREVIEW.png] [--preview-sizes DIR]
"""

import argparse
import os
import struct
import zlib

SIZE = 256

# 5 x 7 bitmap glyphs for the hex digits, one string per row.
GLYPHS = {
    "0": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
}
GLYPH_W, GLYPH_H = 5, 7


def rgb(hex_colour):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0


class Canvas:
    """Premultiplied RGBA floats, composited with 'over'."""

    def __init__(self, size):
        self.size = size
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def blend(self, x, y, colour, alpha):
        if alpha <= 0.0 or not (0 <= x < self.size and 0 <= y < self.size):
            return
        alpha = min(alpha, 1.0)
        p = self.px[y * self.size + x]
        keep = 1.0 - alpha
        p[0] = colour[0] * alpha + p[0] * keep
        p[1] = colour[1] * alpha + p[1] * keep
        p[2] = colour[2] * alpha + p[2] * keep
        p[3] = alpha + p[3] * keep

    def rgba_bytes(self):
        out = bytearray()
        for r, g, b, a in self.px:
            if a > 0.0:
                r, g, b = r / a, g / a, b / a
            for v in (r, g, b, a):
                out.append(max(0, min(255, int(v * 255.0 + 0.5))))
        return bytes(out)


def rounded_box_distance(px, py, box, radii):
    """Signed distance from (px, py) to a box with per-corner radii
    (top-left, top-right, bottom-right, bottom-left); negative inside."""
    x0, y0, x1, y1 = box
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0
    dx, dy = px - cx, py - cy
    if dy < 0:
        r = radii[0] if dx < 0 else radii[1]
    else:
        r = radii[3] if dx < 0 else radii[2]
    qx = abs(dx) - hx + r
    qy = abs(dy) - hy + r
    outside = (max(qx, 0.0) ** 2 + max(qy, 0.0) ** 2) ** 0.5
    return outside + min(max(qx, qy), 0.0) - r


def fill_rounded(canvas, box, radii, colour_at, alpha=1.0):
    """Fills a rounded box with analytic edge coverage; colour_at(y) gives
    the colour of a row, so vertical gradients come for free."""
    if not isinstance(radii, tuple):
        radii = (radii,) * 4
    x0, y0, x1, y1 = box
    for y in range(max(0, int(y0) - 1), min(canvas.size, int(y1) + 2)):
        colour = colour_at(y)
        for x in range(max(0, int(x0) - 1), min(canvas.size, int(x1) + 2)):
            d = rounded_box_distance(x + 0.5, y + 0.5, box, radii)
            coverage = max(0.0, min(1.0, 0.5 - d))
            canvas.blend(x, y, colour, coverage * alpha)


def soft_shadow(canvas, box, radius, spread, strength):
    """A blurred dark halo around a rounded box, fading over 'spread' px."""
    x0, y0, x1, y1 = box
    black = (0.0, 0.0, 0.0)
    for y in range(max(0, int(y0 - spread)), min(canvas.size, int(y1 + spread) + 1)):
        for x in range(max(0, int(x0 - spread)), min(canvas.size, int(x1 + spread) + 1)):
            d = rounded_box_distance(x + 0.5, y + 0.5, box, (radius,) * 4)
            if d >= spread:
                continue
            t = 1.0 - max(0.0, d) / spread
            canvas.blend(x, y, black, strength * t * t)


def solid(hex_colour):
    c = rgb(hex_colour)
    return lambda y: c


def gradient(top_hex, bottom_hex, y0, y1):
    a, b = rgb(top_hex), rgb(bottom_hex)

    def at(y):
        t = max(0.0, min(1.0, (y - y0) / float(max(1, y1 - y0))))
        return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))

    return at


def draw_text(canvas, x, y, text, scale, colour_hex, gap):
    """Pixel-font text; each glyph pixel becomes a scale x scale square."""
    colour = rgb(colour_hex)
    for ch in text:
        if ch == " ":
            x += GLYPH_W * scale + gap
            continue
        for row, bits in enumerate(GLYPHS[ch]):
            for col, bit in enumerate(bits):
                if bit != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        canvas.blend(x + col * scale + dx, y + row * scale + dy, colour, 1.0)
        x += GLYPH_W * scale + gap


def text_width(text, scale, gap):
    return len(text) * (GLYPH_W * scale + gap) - gap


def byte_colour(value):
    """Colours a byte by kind, the way a dump view tells them apart."""
    if value == 0x00:
        return "#5D6B82"  # zero: dimmed
    if value == 0xFF:
        return "#FF6B8B"  # all ones
    if 0x41 <= value <= 0x5A or 0x61 <= value <= 0x7A:
        return "#5EEAD4"  # letters
    if 0x20 <= value <= 0x7E:
        return "#8AB4FF"  # other printable
    return "#FFC857"  # control and high bytes


def draw_icon():
    c = Canvas(SIZE)
    win = (12.0, 12.0, 244.0, 242.0)
    radius = 30.0
    title_bottom = 56.0

    soft_shadow(c, (win[0], win[1] + 4, win[2], win[3] + 4), radius, 10.0, 0.30)
    # Frame: the title bar colour shows through at the top, the body covers the rest.
    fill_rounded(c, win, radius, gradient("#3B82F6", "#2563EB", win[1], title_bottom))
    fill_rounded(c, (win[0], title_bottom, win[2], win[3]), (0.0, 0.0, radius, radius),
                 gradient("#1C2333", "#131826", title_bottom, win[3]))
    addr_right = 64.0
    fill_rounded(c, (win[0], title_bottom, addr_right, win[3]), (0.0, 0.0, 0.0, radius),
                 solid("#232B3E"))
    fill_rounded(c, (addr_right, title_bottom, addr_right + 2, win[3]), 0.0, solid("#2F3A52"))

    rows = [
        [0x4B, 0x6F, 0x72],
        [0x76, 0x65, 0x78],
        [0x00, 0xFF, 0x1F],
        [0x2B, 0x00, 0xE9],
        [0x10, 0x4A, 0x00],
    ]
    scale, inner_gap, pair_gap = 3, 3, 19
    pair_w = text_width("00", scale, inner_gap)
    block_w = 3 * pair_w + 2 * pair_gap
    hex_left = int(round((addr_right + 2 + win[2]) / 2.0 - block_w / 2.0))
    row_top, row_pitch = int(title_bottom) + 15, 34
    glyph_h = GLYPH_H * scale

    # Ruler in the title bar over the three byte columns.
    for i in range(3):
        label = "0" + "0123456789ABCDEF"[i]
        lx = hex_left + i * (pair_w + pair_gap) + (pair_w - text_width(label, 2, 2)) // 2
        draw_text(c, lx, int(win[1]) + 16, label, 2, "#DBEAFE", 2)

    # Selection band behind the bytes that spell "Korvex".
    band = (hex_left - 8, row_top - 7, hex_left + block_w + 8, row_top + row_pitch + glyph_h + 7)
    fill_rounded(c, band, 9.0, solid("#14B8A6"), 0.22)
    fill_rounded(c, (band[0], band[1], band[0] + 3, band[3]), (1.5, 0, 0, 1.5), solid("#2DD4BF"), 0.9)

    for r, values in enumerate(rows):
        y = row_top + r * row_pitch
        address = "%X0" % r
        ax = int((win[0] + addr_right) / 2.0 - text_width(address, 2, 2) / 2.0)
        draw_text(c, ax, y + (glyph_h - 14) // 2, address, 2, "#7C8AA5", 2)
        for i, value in enumerate(values):
            x = hex_left + i * (pair_w + pair_gap)
            colour = "#E6FFFB" if r < 2 else byte_colour(value)
            draw_text(c, x, y, "%02X" % value, scale, colour, inner_gap)

    # Caret under the last byte of the selection.
    caret_x = hex_left + 2 * (pair_w + pair_gap)
    caret_y = row_top + row_pitch + glyph_h + 3
    fill_rounded(c, (caret_x, caret_y, caret_x + pair_w, caret_y + 3), 1.0, solid("#FFC857"))
    return c


def png_bytes(width, height, rgba):
    def chunk(kind, payload):
        return (struct.pack(">I", len(payload)) + kind + payload
                + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))

    stride = width * 4
    raw = b"".join(b"\x00" + rgba[y * stride:(y + 1) * stride] for y in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_bytes(png):
    # Width and height 0 stand for 256 in an icon directory entry.
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(png), 6 + 16)
    return directory + entry + png


def downscale(rgba, size, target):
    """Box-filtered, alpha-weighted reduction, to judge the small sizes."""
    f = size // target
    out = bytearray()
    for ty in range(target):
        for tx in range(target):
            acc = [0.0, 0.0, 0.0, 0.0]
            for y in range(ty * f, ty * f + f):
                for x in range(tx * f, tx * f + f):
                    i = (y * size + x) * 4
                    a = rgba[i + 3] / 255.0
                    acc[0] += rgba[i] * a
                    acc[1] += rgba[i + 1] * a
                    acc[2] += rgba[i + 2] * a
                    acc[3] += a
            n = float(f * f)
            a = acc[3] / n
            for k in range(3):
                out.append(int(acc[k] / acc[3] + 0.5) if acc[3] > 0 else 0)
            out.append(int(a * 255 + 0.5))
    return bytes(out)


def upscale_nearest(rgba, size, factor):
    out = bytearray()
    for y in range(size * factor):
        row = bytearray()
        for x in range(size):
            i = ((y // factor) * size + x) * 4
            row += rgba[i:i + 4] * factor
        out += row
    return bytes(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.join(here, "..", "src", "res", "korvex.ico")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=default_out, help="the .ico to write")
    parser.add_argument("--png", help="also write the 256 px image as a PNG")
    parser.add_argument("--preview-sizes", metavar="DIR",
                        help="write 32 and 16 px reductions, enlarged, into DIR")
    args = parser.parse_args()

    rgba = draw_icon().rgba_bytes()
    png = png_bytes(SIZE, SIZE, rgba)
    with open(args.out, "wb") as f:
        f.write(ico_bytes(png))
    if args.png:
        with open(args.png, "wb") as f:
            f.write(png)
    if args.preview_sizes:
        for target in (64, 32, 16):
            small = downscale(rgba, SIZE, target)
            factor = 128 // target + 1
            big = upscale_nearest(small, target, factor)
            path = os.path.join(args.preview_sizes, "korvex_%d.png" % target)
            with open(path, "wb") as f:
                f.write(png_bytes(target * factor, target * factor, big))


if __name__ == "__main__":
    main()
