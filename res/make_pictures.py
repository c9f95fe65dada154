#!/usr/bin/env python3
"""Draws Veltrac's pictures: the GO/STOP button faces (drawn in full colour,
stored in 256), the tile drawing on the About box button, and the
yellow-ball icons,
and the window finder's icon and cursor.

Plain Python 3, standard library only.  Every random number comes from a
fixed-seed xorshift generator, so each run writes exactly the same bytes.

    python3 res/make_pictures.py          # writes into the directory of this script
    python3 res/make_pictures.py OUTDIR   # writes into OUTDIR
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# Deterministic noise

class XorShift32:
    def __init__(self, seed):
        self.s = (seed & 0xFFFFFFFF) or 0x9E3779B9

    def next_u32(self):
        s = self.s
        s ^= (s << 13) & 0xFFFFFFFF
        s ^= s >> 17
        s ^= (s << 5) & 0xFFFFFFFF
        self.s = s
        return s

    def uniform(self):
        """In [-1, 1)."""
        return self.next_u32() / 2147483648.0 - 1.0


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


# ---------------------------------------------------------------------------
# File writers

# The standard Windows 16-colour palette, as (R, G, B).
VGA16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARKYELLOW, LIGHTGREY, DARKGREY, YELLOW, WHITE = 0, 3, 7, 8, 11, 15


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in VGA16)


def info_header(w, h, bpp, image_size, colours_used=0, ppm=2835):
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, image_size,
                       ppm, ppm, colours_used, 0)


def rgb24(pixels):
    """Float pixels -> the 8-bit-per-channel (r, g, b) colours they show."""
    return [[tuple(int(round(clamp(c, 0, 255))) for c in px) for px in row]
            for row in pixels]


def bmp24_bytes(w, h, rgb):
    """A 24-bit BMP of rgb[y][x] = (r, g, b), row 0 at the top.  The button
    faces were once stored so; the tests still measure them against this."""
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for (r, g, b) in rgb[y]:
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    off = 14 + 40
    return (struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off)
            + info_header(w, h, 24, len(data)) + data)


def bmp8_bytes(w, h, palette, idx):
    """An uncompressed 8-bit BMP: palette = [(r, g, b)], at most 256 of them;
    idx[y][x] = palette index, row 0 at the top.  (RLE8 would save nothing:
    the brushed ground has hardly a run of two equal pixels.)"""
    stride = (w + 3) & ~3
    data = b"".join(bytes(idx[y]) + b"\0" * (stride - w) for y in range(h - 1, -1, -1))
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    off = 14 + 40 + len(pal)
    return (struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off)
            + info_header(w, h, 8, len(data), len(palette)) + pal + data)


# ---------------------------------------------------------------------------
# Down to 256 colours.  A face has some 700 to 950 colours, most of them a
# few steps apart along the ground's grey-blue and the signs' shadings, so
# 256 well-placed ones are within a few steps of every pixel: the same look
# in a third of the bytes.

def _nearest(c, palette):
    best, best_i = None, 0
    for i, p in enumerate(palette):
        d = (c[0] - p[0]) ** 2 + (c[1] - p[1]) ** 2 + (c[2] - p[2]) ** 2
        if best is None or d < best:
            best, best_i = d, i
    return best_i


def _median_cut(counts, n):
    """Splits the colours (weighted by their pixel counts) into at most n
    boxes, always the box with the widest weighted spread along one channel
    at its weighted median; returns the boxes' weighted mean colours."""
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        best, box_i, chan = -1.0, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            weight = sum(cnt for _, cnt in box) ** 0.5
            for ch in range(3):
                vals = [c[ch] for c, _ in box]
                spread = (max(vals) - min(vals)) * weight
                if spread > best:
                    best, box_i, chan = spread, i, ch
        if box_i < 0:
            break
        box = sorted(boxes[box_i], key=lambda cc: (cc[0][chan], cc[0]))
        total, acc, k = sum(cnt for _, cnt in box), 0, 0
        for k, (_, cnt) in enumerate(box):
            acc += cnt
            if acc * 2 >= total:
                break
        k = max(1, min(len(box) - 1, k + 1))
        boxes[box_i:box_i + 1] = [box[:k], box[k:]]
    return [tuple(round(sum(c[ch] * cnt for c, cnt in box) / sum(cnt for _, cnt in box))
                  for ch in range(3)) for box in boxes]


def quantise(rgb, n=256, rounds=5):
    """Returns (palette, idx): at most n colours, median cut refined by a
    few rounds of moving each colour to the mean of the pixels it serves."""
    counts = {}
    for row in rgb:
        for c in row:
            counts[c] = counts.get(c, 0) + 1
    palette = _median_cut(counts, n)
    for _ in range(rounds):
        sums = [[0, 0, 0, 0] for _ in palette]
        for c, cnt in counts.items():
            s = sums[_nearest(c, palette)]
            s[0] += c[0] * cnt
            s[1] += c[1] * cnt
            s[2] += c[2] * cnt
            s[3] += cnt
        palette = [tuple(round(s[ch] / s[3]) for ch in range(3)) if s[3] else p
                   for s, p in zip(sums, palette)]
    palette = sorted(set(palette))
    index = {c: _nearest(c, palette) for c in counts}
    return palette, [[index[c] for c in row] for row in rgb]


def write_bmp8(path, w, h, rgb):
    palette, idx = quantise(rgb)
    with open(path, "wb") as f:
        f.write(bmp8_bytes(w, h, palette, idx))


def pack4(indices, w):
    """One row of palette indices -> 4 bpp bytes padded to a 4-byte boundary."""
    stride = ((w * 4 + 31) // 32) * 4
    row = bytearray(stride)
    for x, c in enumerate(indices):
        assert 0 <= c < 16
        if x & 1:
            row[x >> 1] |= c
        else:
            row[x >> 1] |= c << 4
    return bytes(row)


def pack1(bits, w):
    stride = ((w + 31) // 32) * 4
    row = bytearray(stride)
    for x, b in enumerate(bits):
        if b:
            row[x >> 3] |= 0x80 >> (x & 7)
    return bytes(row)


def write_bmp4(path, w, h, idx):
    """idx[y][x] = palette index, row 0 at the top."""
    data = b"".join(pack4(idx[y], w) for y in range(h - 1, -1, -1))
    off = 14 + 40 + 64
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", off + len(data), 0, 0, off))
        f.write(info_header(w, h, 4, len(data), 16))
        f.write(palette_bytes())
        f.write(data)


def write_ico4(path, size, idx, transparent):
    """A single-image 16-colour icon.  transparent[y][x] is True where the
    AND mask should let the desktop show through (those pixels are black in
    the colour bitmap)."""
    xor = b"".join(pack4([0 if transparent[y][x] else idx[y][x] for x in range(size)], size)
                   for y in range(size - 1, -1, -1))
    andm = b"".join(pack1(transparent[y], size) for y in range(size - 1, -1, -1))
    image = (info_header(size, size * 2, 4, len(xor) + len(andm), ppm=0)
             + palette_bytes() + xor + andm)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))
        f.write(struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16))
        f.write(image)


# ---------------------------------------------------------------------------
# A small pixel font.  Cells are 9 rows: 7 rows of cap height plus 2 rows of
# descender.  When rendered, diagonal steps are bridged (like the pixel
# art "EPX" idea) and the result supersampled, so letters keep the pixel
# font's shape but lose the staircase.

FONT = {
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "i": [".#.", "...", "##.", ".#.", ".#.", ".#.", "###"],
    "g": [".....", ".....", ".####", "#...#", "#...#", "#...#", ".####", "....#", ".###."],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "t": [".#..", ".#..", "####", ".#..", ".#..", ".#..", "..##"],
    "r": ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    ".": ["..", "..", "..", "..", "..", "##", "##"],
    " ": ["..", "..", "..", "..", "..", "..", ".."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    # Narrow capitals for the STOP sign.
    "S": [".###", "#...", "#...", ".##.", "...#", "...#", "###."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "O": [".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "P": ["###.", "#..#", "#..#", "###.", "#...", "#...", "#..."],
}
FONT_ROWS = 9


class TextShape:
    """Lays a string out on one grid of font cells and answers 'how much of
    this point is ink' in font-cell coordinates."""

    def __init__(self, text, gap=1):
        cols = []
        for k, ch in enumerate(text):
            glyph = FONT[ch]
            w = len(glyph[0])
            rows = glyph + ["." * w] * (FONT_ROWS - len(glyph))
            for c in range(w):
                cols.append([rows[r][c] == "#" for r in range(FONT_ROWS)])
            if k != len(text) - 1:
                for _ in range(gap):
                    cols.append([False] * FONT_ROWS)
        self.width = len(cols)
        self.cols = cols

    def on(self, c, r):
        return 0 <= c < self.width and 0 <= r < FONT_ROWS and self.cols[c][r]

    def inside(self, fx, fy):
        c, r = math.floor(fx), math.floor(fy)
        if self.on(c, r):
            return True
        u, v = fx - c, fy - r
        on = self.on
        if on(c - 1, r) and on(c, r - 1) and not on(c - 1, r - 1) and u + v < 1:
            return True
        if on(c + 1, r) and on(c, r - 1) and not on(c + 1, r - 1) and v < u:
            return True
        if on(c - 1, r) and on(c, r + 1) and not on(c - 1, r + 1) and u < v:
            return True
        if on(c + 1, r) and on(c, r + 1) and not on(c + 1, r + 1) and u + v > 1:
            return True
        return False


def coverage_map(w, h, inside, ss=4):
    """Supersampled coverage (0..1) of the shape `inside(x, y)` over a w x h
    pixel grid; (x, y) are in pixel units, pixel (i, j) spanning [i, i+1)."""
    out = [[0.0] * w for _ in range(h)]
    n = ss * ss
    offs = [(a + 0.5) / ss for a in range(ss)]
    for y in range(h):
        for x in range(w):
            hits = 0
            for oy in offs:
                for ox in offs:
                    if inside(x + ox, y + oy):
                        hits += 1
            out[y][x] = hits / n
    return out


def text_coverage(w, h, text, x0, y0, sx, sy, ss=4, gap=1):
    shape = TextShape(text, gap)
    x1 = x0 + shape.width * sx
    y1 = y0 + FONT_ROWS * sy

    def inside(x, y):
        if x < x0 or y < y0 or x >= x1 or y >= y1:
            return False
        return shape.inside((x - x0) / sx, (y - y0) / sy)

    return coverage_map(w, h, inside, ss)


def text_width(text, sx, gap=1):
    return TextShape(text, gap).width * sx


# ---------------------------------------------------------------------------
# Colour image helpers (float RGB)

def blend(img, cov, colour, alpha=1.0, dx=0, dy=0):
    h, w = len(img), len(img[0])
    for y in range(h):
        sy = y - dy
        if not 0 <= sy < h:
            continue
        row, crow = img[y], cov[sy]
        for x in range(w):
            sx = x - dx
            if not 0 <= sx < w:
                continue
            a = crow[sx] * alpha
            if a <= 0.0:
                continue
            r, g, b = row[x]
            cr, cg, cb = colour(x, y) if callable(colour) else colour
            row[x] = (r + (cr - r) * a, g + (cg - g) * a, b + (cb - b) * a)


def box_blur(cov, radius, passes=2):
    h, w = len(cov), len(cov[0])
    cur = [row[:] for row in cov]
    for _ in range(passes):
        tmp = [[0.0] * w for _ in range(h)]
        for y in range(h):
            for x in range(w):
                s, n = 0.0, 0
                for k in range(-radius, radius + 1):
                    if 0 <= x + k < w:
                        s += cur[y][x + k]
                    n += 1
                tmp[y][x] = s / n
        for y in range(h):
            for x in range(w):
                s, n = 0.0, 0
                for k in range(-radius, radius + 1):
                    if 0 <= y + k < h:
                        s += tmp[y + k][x]
                    n += 1
                cur[y][x] = s / n
    return cur


# ---------------------------------------------------------------------------
# GO / STOP button faces

FACE_W, FACE_H = 165, 65
TEXT_COLOUR = (255, 238, 160)     # pale yellow
SIGN_CX, SIGN_CY = 33.5, 32.5


def brushed_ground(w, h, seed):
    """Dark blue-grey with a horizontal brushed-metal grain."""
    rnd = XorShift32(seed)
    base = (40.0, 48.0, 61.0)
    img = []
    for y in range(h):
        # Each row gets a slowly wandering streak value plus fine grain.
        walk = [0.0] * w
        v = rnd.uniform() * 3.0
        for x in range(w):
            v = v * 0.96 + rnd.uniform() * 0.9
            walk[x] = v
        row_bias = rnd.uniform() * 2.2
        row = []
        for x in range(w):
            grain = rnd.uniform() * 1.6
            lift = walk[x] + row_bias + grain
            # soft light from the top, a touch darker towards the corners
            vy = (y - h / 2.0) / (h / 2.0)
            vx = (x - w / 2.0) / (w / 2.0)
            shade = 7.0 - 9.0 * (y / (h - 1)) - 6.0 * (vx * vx * 0.5 + vy * vy * 0.5) ** 1.5
            k = lift + shade
            row.append((base[0] + k, base[1] + k * 1.05, base[2] + k * 1.15))
        img.append(row)
    return img


def soft_shadow(img, shape_inside, dx, dy, radius, alpha):
    w, h = len(img[0]), len(img)
    cov = coverage_map(w, h, shape_inside, ss=2)
    cov = box_blur(cov, radius)
    blend(img, cov, (4, 6, 10), alpha, dx, dy)


def lit(colour, x, y, cx, cy, r, amount):
    """Gentle light from the upper left across a flat sign."""
    t = ((x - cx) * -0.6 + (y - cy) * -0.8) / r    # +1 towards the light
    k = 1.0 + amount * t
    return tuple(clamp(c * k, 0, 255) for c in colour)


def draw_go_sign(img):
    cx, cy, R = SIGN_CX, SIGN_CY, 29.0
    w, h = FACE_W, FACE_H

    def disc(r):
        return lambda x, y: math.hypot(x - cx, y - cy) <= r

    soft_shadow(img, disc(R), 2, 2, 2, 0.55)
    rim, ring, face = 29.0, 27.4, 20.0
    blend(img, coverage_map(w, h, disc(rim)),
          lambda x, y: lit((214, 216, 220), x + .5, y + .5, cx, cy, R, 0.18))
    blend(img, coverage_map(w, h, disc(ring)),
          lambda x, y: lit((208, 24, 32), x + .5, y + .5, cx, cy, R, 0.16))
    blend(img, coverage_map(w, h, disc(face)),
          lambda x, y: lit((246, 246, 242), x + .5, y + .5, cx, cy, R, 0.05))
    # The speed number, tall and narrow like the real thing.
    sx, sy = 2.3, 3.2
    tw = text_width("55", sx)
    cov = text_coverage(w, h, "55", cx - tw / 2.0, cy - 7 * sy / 2.0, sx, sy)
    blend(img, cov, (22, 22, 26))


def octagon(cx, cy, apothem):
    k = 1.0 / math.sqrt(2.0)

    def inside(x, y):
        ax, ay = abs(x - cx), abs(y - cy)
        return max(ax, ay, (ax + ay) * k) <= apothem
    return inside


def draw_stop_sign(img):
    cx, cy = SIGN_CX, SIGN_CY
    w, h = FACE_W, FACE_H
    a = 28.0                       # apothem; flat top and bottom like the real one
    soft_shadow(img, octagon(cx, cy, a), 2, 2, 2, 0.55)
    blend(img, coverage_map(w, h, octagon(cx, cy, a)),
          lambda x, y: lit((150, 16, 22), x + .5, y + .5, cx, cy, a, 0.12))
    blend(img, coverage_map(w, h, octagon(cx, cy, a - 1.3)),
          lambda x, y: lit((238, 238, 236), x + .5, y + .5, cx, cy, a, 0.08))
    blend(img, coverage_map(w, h, octagon(cx, cy, a - 3.3)),
          lambda x, y: lit((204, 22, 30), x + .5, y + .5, cx, cy, a, 0.18))
    # Whole-pixel placement keeps the 2x letters sharp; the half pixel left
    # over goes down and right, the same way as the shadows.
    sx, sy = 2.0, 2.0
    tw = text_width("STOP", sx)
    cov = text_coverage(w, h, "STOP", math.ceil(cx - tw / 2.0),
                        math.ceil(cy - 7 * sy / 2.0), sx, sy)
    blend(img, cov, (110, 6, 12), 0.6, 1, 1)
    blend(img, cov, (250, 250, 248))


def draw_caption(img, lines):
    """lines: [(text, x, y)] with y the top of the font cell, 2x scale."""
    w, h = FACE_W, FACE_H
    for text, x, y in lines:
        cov = text_coverage(w, h, text, x, y, 2.0, 2.0)
        blend(img, box_blur(cov, 1, 1), (0, 0, 0), 0.55, 1, 1)
        blend(img, cov, (8, 10, 16), 0.8, 1, 1)
        blend(img, cov, lambda x, y: (TEXT_COLOUR[0], TEXT_COLOUR[1] - (y - 20) * 0.25,
                                      TEXT_COLOUR[2] - (y - 20) * 0.6))


TEXT_LEFT = 72


def make_go():
    img = brushed_ground(FACE_W, FACE_H, 0x5EED60)
    draw_go_sign(img)
    draw_caption(img, [("Running.", TEXT_LEFT, 23)])
    return img


def make_stop():
    img = brushed_ground(FACE_W, FACE_H, 0x5EED60)
    draw_stop_sign(img)
    draw_caption(img, [("Not", TEXT_LEFT, 13), ("running.", TEXT_LEFT, 33)])
    return img


# ---------------------------------------------------------------------------
# About box tile drawing: a closed over-and-under interlace of diagonal
# bands, in white, light grey and dark grey only.  The bands lie on a
# square lattice turned 45 degrees; the frame lines run through lattice
# crossings, and at each of those the two bands meeting there are joined
# into one mitred turn instead of crossing, so every band bounces back into
# the panel and the knot closes on itself.

KQ_W, KQ_H = 381, 103
KQ_S = 14                  # half the band spacing: crossings sit on a KQ_S grid
KQ_HALF = 6                # band half-width, in x+y units
KQ_GAP = 2                 # clearance left around a band where it passes over
KQ_NX, KQ_NY = 13, 3       # panel half-size, in crossing-grid steps


def kq_classify(x, y):
    """Returns (kind, d) for one pixel: kind is 'bg', 'band' or 'stud'; for
    'band', d is True on a band's centre line."""
    s, h, P = KQ_S, KQ_HALF, 2 * KQ_S
    # lattice coordinates; crossing (ka, kb) sits at u = ka*P, v = kb*P.
    # The panel's middle is a quarter-step off a crossing so that the
    # corners fall between crossings and get clean diagonal turns.
    X = x - KQ_W // 2 + s
    Y = y - KQ_H // 2
    u, v = X + Y, X - Y
    ka, kb = round(u / P), round(v / P)
    da, db = u - ka * P, v - kb * P
    ina, inb = abs(da) <= h, abs(db) <= h
    # where the crossing (ka, kb) lies, in crossing-grid steps
    ci, cj = ka + kb - 1, ka - kb        # X = (ka+kb)*s, minus the offset s
    on_edge = abs(ci) == KQ_NX or abs(cj) == KQ_NY
    inside = abs(X - s) <= KQ_NX * s and abs(Y) <= KQ_NY * s
    if not inside:
        # only the tips of the turns poke out past the frame lines
        if ina and inb and on_edge:
            return "band", False
        return "bg", False
    if ina and inb:
        if on_edge:
            return "band", da == 0 or db == 0
        a_top = (ka + kb) % 2 == 0
        return "band", (da == 0) if a_top else (db == 0)
    if ina or inb:
        # a band passing under another stops a little short of it
        a_top = (ka + kb) % 2 == 0
        if not on_edge:
            if ina and not a_top and abs(db) <= h + KQ_GAP:
                return "bg", False
            if inb and a_top and abs(da) <= h + KQ_GAP:
                return "bg", False
        return "band", (da == 0) if ina else (db == 0)
    # open diamond between bands: a small stud in its middle
    ea, eb = abs(abs(da) - s), abs(abs(db) - s)
    if ea + eb <= 2:
        ma, mb = ka + (1 if da > 0 else -1) * 0.5, kb + (1 if db > 0 else -1) * 0.5
        mi, mj = ma + mb - 1, ma - mb
        if abs(mi) < KQ_NX and abs(mj) < KQ_NY:
            return "stud", ea + eb <= 0
    return "bg", False


def make_kq():
    w, h = KQ_W, KQ_H
    kinds = [[kq_classify(x, y) for x in range(w)] for y in range(h)]
    idx = [[WHITE] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            kind, centre = kinds[y][x]
            if kind == "band":
                edge = False
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if 0 <= nx < w and 0 <= ny < h and kinds[ny][nx][0] != "band":
                        edge = True
                idx[y][x] = DARKGREY if edge else WHITE if centre else LIGHTGREY
            elif kind == "stud":
                idx[y][x] = LIGHTGREY if centre else DARKGREY
    # a plain frame round the panel
    for x in range(w):
        idx[0][x] = idx[h - 1][x] = DARKGREY
    for y in range(h):
        idx[y][0] = idx[y][w - 1] = DARKGREY
    return idx


# ---------------------------------------------------------------------------
# Yellow ball icons

def make_ball(size):
    """Returns (indices, transparent) for a shaded yellow ball, lit from the
    upper left: yellow body, dark yellow shadow crescent on the lower
    right (ordered-dithered where the two meet), a white glint and a black
    rim."""
    c = size / 2.0
    R = size / 2.0 - 0.75
    ss = 8
    inside = [[False] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            hits = 0
            for j in range(ss):
                for i in range(ss):
                    px, py = x + (i + 0.5) / ss, y + (j + 0.5) / ss
                    if (px - c) ** 2 + (py - c) ** 2 <= R * R:
                        hits += 1
            inside[y][x] = hits * 2 >= ss * ss
    L = (-0.40, -0.50, 0.77)
    n = math.sqrt(sum(a * a for a in L))
    L = tuple(a / n for a in L)
    bayer = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
    # the glint: a small round spot up and to the left of centre
    gx, gy = c - 0.40 * R, c - 0.42 * R
    gr = 0.16 * R + 0.35
    if size < 24:
        # too small for a round spot: a 2 x 2 square reads better
        gx, gy, gr = round(gx), round(gy), 0.8
    idx = [[BLACK] * size for _ in range(size)]
    transparent = [[not inside[y][x] for x in range(size)] for y in range(size)]
    for y in range(size):
        for x in range(size):
            if not inside[y][x]:
                continue
            rim = any(not (0 <= nx < size and 0 <= ny < size and inside[ny][nx])
                      for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
            if rim:
                idx[y][x] = BLACK
                continue
            px, py = x + 0.5, y + 0.5
            dx, dy = (px - c) / R, (py - c) / R
            nz = math.sqrt(max(0.0, 1.0 - dx * dx - dy * dy))
            lam = dx * L[0] + dy * L[1] + nz * L[2]
            t = (bayer[y & 3][x & 3] + 0.5) / 16.0
            if math.hypot(px - gx, py - gy) <= gr:
                idx[y][x] = WHITE
            elif lam < 0.26:
                idx[y][x] = DARKYELLOW
            elif lam < 0.36:
                idx[y][x] = YELLOW if (lam - 0.26) / 0.10 > t else DARKYELLOW
            else:
                idx[y][x] = YELLOW
    return idx, transparent


# ---------------------------------------------------------------------------

# ---------------------------------------------------------------------------
# The window finder of the Programs dialog: a cross-hair in a ring, as an
# icon to press on and as the cursor that is dragged onto a window.

FINDER_SIZE = 32
FINDER_HOT = 15


def finder_marks(size=FINDER_SIZE):
    """Returns (ring, cross): which pixels are the ring (radius 11, two
    pixels wide) and which the cross-hair (gaps around the centre)."""
    c = FINDER_HOT
    ring = [[False] * size for _ in range(size)]
    cross = [[False] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            ring[y][x] = 9.6 <= d <= 11.4
            gap = abs(x - c) + abs(y - c) <= 2
            cross[y][x] = (x == c and 1 <= y <= 29 or y == c and 1 <= x <= 29) and not gap
    return ring, cross


def make_finder_icon():
    ring, cross = finder_marks()
    idx = [[BLACK] * FINDER_SIZE for _ in range(FINDER_SIZE)]
    transparent = [[True] * FINDER_SIZE for _ in range(FINDER_SIZE)]
    for y in range(FINDER_SIZE):
        for x in range(FINDER_SIZE):
            if ring[y][x] or cross[y][x]:
                idx[y][x] = 12 if ring[y][x] else BLACK      # a blue ring, a black cross
                transparent[y][x] = False
    return idx, transparent


def write_cur1(path, hot, marks):
    """A single-image monochrome 32 x 32 cursor: black where marks[y][x],
    the screen elsewhere."""
    size = FINDER_SIZE
    xor = b"".join(pack1([False] * size, size) for y in range(size - 1, -1, -1))
    andm = b"".join(pack1([not marks[y][x] for x in range(size)], size)
                    for y in range(size - 1, -1, -1))
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = info_header(size, size * 2, 1, len(xor) + len(andm), ppm=0) + palette + xor + andm
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 2, 1))
        f.write(struct.pack("<BBBBHHII", size, size, 0, 0, hot, hot, len(image), 6 + 16))
        f.write(image)


def make_finder_cursor_marks():
    ring, cross = finder_marks()
    return [[ring[y][x] or cross[y][x] for x in range(FINDER_SIZE)] for y in range(FINDER_SIZE)]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write_bmp8(os.path.join(out, "go.bmp"), FACE_W, FACE_H, rgb24(make_go()))
    write_bmp8(os.path.join(out, "stop.bmp"), FACE_W, FACE_H, rgb24(make_stop()))
    write_bmp4(os.path.join(out, "kq.bmp"), KQ_W, KQ_H, make_kq())
    for name, size in (("main.ico", 32), ("small.ico", 16)):
        idx, tr = make_ball(size)
        write_ico4(os.path.join(out, name), size, idx, tr)
    idx, tr = make_finder_icon()
    write_ico4(os.path.join(out, "finder.ico"), FINDER_SIZE, idx, tr)
    write_cur1(os.path.join(out, "finder.cur"), FINDER_HOT, make_finder_cursor_marks())


if __name__ == "__main__":
    main()
