#!/usr/bin/env python3
"""Draws the program's two images: the window icon and the banner.

    python3 assets/draw_assets.py                  # rewrites assets/password.ico and assets/banner.png
    python3 assets/draw_assets.py --preview DIR    # also writes enlarged views of both for a person to look at

Only the standard library is used, so it runs wherever python3 does. Shapes are signed distance
functions rasterised with 4x4 supersampling along their edges; letters come from the small stroke
font below. The output is the same bytes on every run: nothing depends on time, hashing or fonts.
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats in 0..1, composited with "over".


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def blend(self, x, y, rgba, coverage):
        r, g, b, a = rgba
        a *= coverage
        if a <= 0.0:
            return
        p = self.px[y * self.width + x]
        k = 1.0 - a
        p[0] = r * a + p[0] * k
        p[1] = g * a + p[1] * k
        p[2] = b * a + p[2] * k
        p[3] = a + p[3] * k

    def straight_rgba8(self):
        """Straight (not premultiplied) 8-bit RGBA, as PNG and ICO store it."""
        out = []
        for r, g, b, a in self.px:
            a8 = round(min(max(a, 0.0), 1.0) * 255)
            if a8 == 0:
                out.append((0, 0, 0, 0))
                continue
            af = a if a > 0 else 1.0
            out.append(tuple(round(min(max(c / af, 0.0), 1.0) * 255) for c in (r, g, b)) + (a8,))
        return out


SS = 4  # samples per axis where a pixel straddles an edge


def fill(canvas, sdf, box, paint):
    """Covers the inside (sdf < 0) of a shape with paint(x, y) -> (r, g, b, a).

    A pixel whose centre lies more than a pixel's half-diagonal from the edge is wholly in or out,
    since our distance functions never overstate the distance; only the others are supersampled.
    """
    x0, y0, x1, y1 = box
    x0 = max(0, int(math.floor(x0)))
    y0 = max(0, int(math.floor(y0)))
    x1 = min(canvas.width, int(math.ceil(x1)))
    y1 = min(canvas.height, int(math.ceil(y1)))
    step = 1.0 / SS
    for y in range(y0, y1):
        for x in range(x0, x1):
            d = sdf(x + 0.5, y + 0.5)
            if d >= 0.75:
                continue
            if d <= -0.75:
                cov = 1.0
            else:
                inside = 0
                for j in range(SS):
                    sy = y + (j + 0.5) * step
                    for i in range(SS):
                        if sdf(x + (i + 0.5) * step, sy) < 0.0:
                            inside += 1
                if not inside:
                    continue
                cov = inside / (SS * SS)
            canvas.blend(x, y, paint(x + 0.5, y + 0.5), cov)


def fill_soft(canvas, sdf, box, paint, blur):
    """A blurred copy of a shape (shadows, glows): coverage falls off smoothly over `blur` pixels."""
    x0, y0, x1, y1 = box
    for y in range(max(0, int(y0)), min(canvas.height, int(math.ceil(y1)))):
        for x in range(max(0, int(x0)), min(canvas.width, int(math.ceil(x1)))):
            d = sdf(x + 0.5, y + 0.5)
            t = min(max(0.5 - d / (2.0 * blur), 0.0), 1.0)
            cov = t * t * (3.0 - 2.0 * t)
            if cov > 0.0:
                canvas.blend(x, y, paint(x + 0.5, y + 0.5), cov)


# ---------------------------------------------------------------------------------------------
# Signed distance functions (negative inside) in pixel coordinates, y downwards.


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0.0 else min(max(((px - ax) * dx + (py - ay) * dy) / ll, 0.0), 1.0)
    ex, ey = px - ax - t * dx, py - ay - t * dy
    return math.sqrt(ex * ex + ey * ey)


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def round_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return f


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def grow(f, amount):
    return lambda x, y: f(x, y) - amount


def shift(f, dx, dy):
    return lambda x, y: f(x - dx, y - dy)


def rotate(f, cx, cy, degrees):
    """The shape f turned about (cx, cy) by `degrees`, clockwise on screen."""
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))

    def g(x, y):
        dx, dy = x - cx, y - cy
        return f(cx + dx * c + dy * s, cy - dx * s + dy * c)
    return g


def strokes(segments, radius):
    """Round-capped strokes along line segments; the box is kept to skip far segments quickly."""
    pad = radius + 1.0
    boxed = [(min(ax, bx) - pad, min(ay, by) - pad, max(ax, bx) + pad, max(ay, by) + pad, ax, ay, bx, by)
             for ax, ay, bx, by in segments]

    def f(x, y):
        best = 1e9
        for lx, ly, hx, hy, ax, ay, bx, by in boxed:
            if lx - best <= x <= hx + best and ly - best <= y <= hy + best:
                d = seg_dist(x, y, ax, ay, bx, by)
                if d < best:
                    best = d
        return best - radius
    return f


# ---------------------------------------------------------------------------------------------
# Stroke font. Glyph coordinates: x from 0, y upwards from the baseline, x-height 1, capitals 1.4.
# Each glyph is an advance width and a list of polylines along the strokes' centres.


def arc(cx, cy, rx, ry, a0, a1, steps=None):
    """Points on an elliptical arc from angle a0 to a1 (degrees, counter-clockwise, y up)."""
    if steps is None:
        steps = max(4, int(abs(a1 - a0) / 7.5))
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


def _bowl(rx):  # the round part of a, d, o
    return arc(rx, 0.5, rx, 0.5, 0, 360, 48)


GLYPHS = {
    "P": (0.78, [[(0, 0), (0, 1.4)],
                 [(0, 1.4), (0.42, 1.4)] + arc(0.42, 1.06, 0.34, 0.34, 90, -90) + [(0.42, 0.72), (0, 0.72)]]),
    "a": (0.8, [_bowl(0.4), [(0.8, 1.0), (0.8, 0)]]),
    "d": (0.8, [_bowl(0.4), [(0.8, 1.45), (0.8, 0)]]),
    "o": (0.84, [_bowl(0.42)]),
    "e": (0.82, [[(0.02, 0.5), (0.82, 0.5)] + arc(0.42, 0.5, 0.4, 0.5, 0, 315)]),
    "s": (0.66, [arc(0.34, 0.76, 0.29, 0.24, 25, 270) + arc(0.34, 0.26, 0.32, 0.26, 90, -155)]),
    "w": (1.0, [[(0, 1), (0.24, 0), (0.5, 0.85), (0.76, 0), (1.0, 1)]]),
    "r": (0.56, [[(0, 1), (0, 0)], arc(0.44, 0.45, 0.44, 0.52, 180, 75)]),
    "n": (0.76, [[(0, 1), (0, 0)], [(0, 0.56)] + arc(0.38, 0.56, 0.38, 0.44, 180, 0) + [(0.76, 0)]]),
    "h": (0.76, [[(0, 1.45), (0, 0)], [(0, 0.56)] + arc(0.38, 0.56, 0.38, 0.44, 180, 0) + [(0.76, 0)]]),
    "t": (0.52, [[(0.16, 1.3), (0.16, 0.24)] + arc(0.42, 0.24, 0.26, 0.24, 180, 290), [(0, 1), (0.5, 1)]]),
}


def text_segments(text, x, baseline, sx, sy, gap):
    """Segments of `text` set from x on the baseline; returns (segments, right edge of centrelines)."""
    segs = []
    pen = x
    for i, ch in enumerate(text):
        width, lines = GLYPHS[ch]
        for line in lines:
            pts = [(pen + gx * sx, baseline - gy * sy) for gx, gy in line]
            segs += [(a[0], a[1], b[0], b[1]) for a, b in zip(pts, pts[1:])]
        pen += width * sx
        if i + 1 < len(text):
            pen += gap
    return segs, pen


def text_width(text, sx, gap):
    return sum(GLYPHS[c][0] for c in text) * sx + gap * (len(text) - 1)


def glyph_shapes(text, x, baseline, sx, sy, gap, radius):
    """One shape per letter, so each letter is rasterised against its own few strokes."""
    shapes = []
    pen = x
    for ch in text:
        segs, right = text_segments(ch, pen, baseline, sx, sy, 0)
        xs = [s[0] for s in segs] + [s[2] for s in segs]
        ys = [s[1] for s in segs] + [s[3] for s in segs]
        box = (min(xs) - radius - 2, min(ys) - radius - 2, max(xs) + radius + 2, max(ys) + radius + 2)
        shapes.append((strokes(segs, radius), box))
        pen = right + gap
    return shapes


# ---------------------------------------------------------------------------------------------
# Paints.


def rgb(hex_colour, alpha=1.0):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16 & 255) / 255.0, (v >> 8 & 255) / 255.0, (v & 255) / 255.0, alpha)


def mix(c0, c1, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def solid(colour):
    return lambda x, y: colour


def vertical(c0, c1, y0, y1):
    return lambda x, y: mix(c0, c1, (y - y0) / (y1 - y0))


def diagonal(c0, c1, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, ((x - x0) * dx + (y - y0) * dy) / ll)


# ---------------------------------------------------------------------------------------------
# The window icon: "Pass" in blue, 64 x 64, on a transparent background.


def draw_icon():
    c = Canvas(64, 64)
    sx, sy = 12.0, 20.5           # condensed letters, so the word fills the square better
    radius = 2.6                  # half the stroke width
    gap = 2 * radius + 1.3
    width = text_width("Pass", sx, gap)
    x = (64 - width) / 2.0
    cap = 1.4 * sy
    baseline = (64 + cap) / 2.0
    top, bottom = baseline - cap - radius, baseline + radius
    shapes = glyph_shapes("Pass", x, baseline, sx, sy, gap, radius)
    # A dark blue rim keeps the letters' edges crisp on light and mid-tone backgrounds alike.
    for f, box in shapes:
        fill(c, grow(f, 0.9), box, vertical(rgb("#0b2f86"), rgb("#061d5c"), top, bottom))
    for f, box in shapes:
        fill(c, f, box, vertical(rgb("#4f9bff"), rgb("#1450d2"), top, bottom))
    # A thin highlight along the letters' upper half.
    for f, box in shapes:
        hl = shift(grow(f, -1.5), 0.0, -0.9)
        fill(c, lambda px, py, hl=hl, f=f: max(hl(px, py), f(px, py) + 1.2), box,
             lambda px, py: rgb("#a9d0ff", max(0.0, 0.55 - (py - top) / (bottom - top) * 0.9)))
    return c


# ---------------------------------------------------------------------------------------------
# The banner: 273 x 80, drawn stretched to 446 x 128 over the button face.

BW, BH = 273, 80


def draw_banner():
    c = Canvas(BW, BH)
    card = round_rect(5, 4, BW - 5, BH - 6, 13)
    box = (0, 0, BW, BH)

    # Soft shadow under the card; it is the partly transparent rim that melts into the button face.
    fill_soft(c, shift(card, 0, 2.0), box, solid(rgb("#3a4a66", 0.30)), 3.2)
    fill(c, card, box, diagonal(rgb("#fbfdff"), rgb("#cfe0f7"), 0, 0, BW * 0.55, BH * 1.6))
    # A faint inner edge, lighter at the top, darker at the bottom.
    ring = lambda x, y: max(card(x, y), -(card(x, y) + 1.0))
    fill(c, ring, box, vertical(rgb("#ffffff", 0.9), rgb("#9fb8dc", 0.9), 4, BH - 6))

    # Glow behind the key.
    fill_soft(c, circle(45, 42, 20), (0, 0, 98, BH), solid(rgb("#ffffff", 0.75)), 14)

    draw_key(c, 46, 42)

    # Title.
    sx = sy = 15.5
    radius = 1.75
    gap = 2 * radius + 2.2
    width = text_width("Password", sx, gap)
    left, right = 86, BW - 14
    tx = left + (right - left - width) / 2.0
    baseline = 39.0
    top, bottom = baseline - 1.45 * sy, baseline
    shapes = glyph_shapes("Password", tx, baseline, sx, sy, gap, radius)
    for f, b in shapes:
        fill_soft(c, shift(f, 0.4, 1.3), b, solid(rgb("#1b2f55", 0.28)), 1.3)
    for f, b in shapes:
        fill(c, f, b, vertical(rgb("#2f78e6"), rgb("#163f98"), top, bottom))

    # A row of sample words, each in a pill, as a generated passphrase looks.
    words = ["one", "two", "three"]
    wsx, wsy, wr = 6.6, 6.6, 0.85
    wgap = 2 * wr + 1.4
    pad, between, h = 7.0, 6.0, 15.0
    widths = [text_width(w, wsx, wgap) for w in words]
    total = sum(widths) + 2 * pad * len(words) + between * (len(words) - 1)
    x = tx + (width - total) / 2.0
    cy = 58.5
    for w, ww in zip(words, widths):
        pill = round_rect(x, cy - h / 2, x + ww + 2 * pad, cy + h / 2, h / 2)
        pb = (x - 3, cy - h / 2 - 3, x + ww + 2 * pad + 3, cy + h / 2 + 4)
        fill_soft(c, shift(pill, 0, 1.0), pb, solid(rgb("#2a3f66", 0.22)), 1.2)
        fill(c, pill, pb, solid(rgb("#8fb0de")))
        fill(c, grow(pill, -1.0), pb, vertical(rgb("#ffffff"), rgb("#edf3fc"), cy - h / 2, cy + h / 2))
        wb = cy + wsy / 2.0
        for f, b in glyph_shapes(w, x + pad, wb, wsx, wsy, wgap, wr):
            fill(c, f, b, solid(rgb("#34507e")))
        x += ww + 2 * pad + between
    return c


def draw_key(c, cx, cy, k=1.2):
    """A gold key centred near (cx, cy), k times its base size, its blade pointing down to the right."""
    bx, by = cx - 13 * k, cy - 11 * k
    bow = subtract(circle(bx, by, 11.0 * k), circle(bx, by, 4.2 * k))
    shaft = round_rect(bx + 8 * k, by - 2.9 * k, bx + 43 * k, by + 2.9 * k, 2.9 * k)
    collar = round_rect(bx + 10.5 * k, by - 4.6 * k, bx + 14.5 * k, by + 4.6 * k, 1.5 * k)
    teeth = union(round_rect(bx + 30 * k, by, bx + 34.5 * k, by + 9.5 * k, 1.2 * k),
                  round_rect(bx + 37 * k, by, bx + 41.5 * k, by + 7.5 * k, 1.2 * k))
    key = rotate(union(bow, shaft, collar, teeth), bx, by, 38)
    box = (cx - 30 * k, cy - 30 * k, cx + 30 * k, cy + 36 * k)
    fill_soft(c, shift(key, 1.2, 2.4), box, solid(rgb("#3b2a08", 0.35)), 2.0)
    fill(c, key, box, solid(rgb("#a8700c")))
    fill(c, grow(key, -1.1), box, diagonal(rgb("#ffe48f"), rgb("#e3a21f"), bx - 10, by - 10, cx + 16, cy + 22))
    # Shine on the bow.
    shine = subtract(circle(bx - 2.0 * k, by - 2.2 * k, 7.6 * k), circle(bx + 0.2 * k, by + 0.2 * k, 7.6 * k))
    fill(c, lambda x, y: max(shine(x, y), bow(x, y) + 1.6), box, solid(rgb("#fff6d0", 0.8)))


# ---------------------------------------------------------------------------------------------
# Palette quantisation for the banner. Fully transparent pixels share entry 0; the other
# translucent colours come next (at most 240, so all lie within the 241 entries that carry alpha);
# opaque colours fill the rest, so opaque pixels stay exactly opaque.

PALETTE_SIZE = 256
ALPHA_ENTRIES = 241


def _vector(colour):
    r, g, b, a = colour
    if a == 255:
        return (float(r), float(g), float(b), 255.0 * 2.0)
    # Premultiplied, so that faint pixels, whose colour barely shows, count little; alpha doubled
    # because a wrong alpha shows more than a wrong hue.
    k = a / 255.0
    return (r * k, g * k, b * k, a * 2.0)


def _colour(vec, opaque):
    r, g, b, a2 = vec
    if opaque:
        return (round(r), round(g), round(b), 255)
    a = min(max(a2 / 2.0, 1.0), 254.0)
    k = 255.0 / a
    return tuple(min(255, max(0, round(v * k))) for v in (r, g, b)) + (round(a),)


class _Box:
    def __init__(self, items, opaque):
        self.items = items          # [(vector, count)]
        self.opaque = opaque
        n = sum(cnt for _, cnt in items)
        mean = [sum(v[i] * cnt for v, cnt in items) / n for i in range(4)]
        var = [sum((v[i] - mean[i]) ** 2 * cnt for v, cnt in items) for i in range(4)]
        self.mean = tuple(mean)
        self.error = sum(var)
        self.axis = max(range(4), key=lambda i: (var[i], -i))

    def split(self):
        items = sorted(self.items, key=lambda it: (it[0][self.axis], it[0]))
        half = sum(cnt for _, cnt in items) / 2.0
        run = 0
        for cut, (_, cnt) in enumerate(items):
            run += cnt
            if run >= half:
                break
        cut = min(max(cut + 1, 1), len(items) - 1)
        return _Box(items[:cut], self.opaque), _Box(items[cut:], self.opaque)


def quantise(pixels):
    """Returns (palette of (r, g, b, a), index per pixel)."""
    counts = {}
    for p in pixels:
        if p[3] != 0:
            counts[p] = counts.get(p, 0) + 1
    groups = {True: [], False: []}
    for colour in sorted(counts):
        groups[colour[3] == 255].append((_vector(colour), counts[colour]))
    boxes = [_Box(items, opaque) for opaque, items in sorted(groups.items()) if items]
    budget = PALETTE_SIZE - 1
    while len(boxes) < budget:
        translucent = sum(1 for b in boxes if not b.opaque)
        candidates = [b for b in boxes if len(b.items) > 1 and (b.opaque or translucent < ALPHA_ENTRIES - 1)]
        if not candidates:
            break
        worst = max(candidates, key=lambda b: (b.error, b.opaque, b.mean))
        boxes.remove(worst)
        boxes += worst.split()
    translucent = sorted((b for b in boxes if not b.opaque), key=lambda b: b.mean)
    opaque = sorted((b for b in boxes if b.opaque), key=lambda b: b.mean)

    palette = [(0, 0, 0, 0)]
    centres = {True: [], False: []}
    for b in translucent + opaque:
        palette.append(_colour(b.mean, b.opaque))
        centres[b.opaque].append((b.mean, len(palette) - 1))

    lookup = {}
    for colour in sorted(counts):
        v = _vector(colour)
        best = min(centres[colour[3] == 255],
                   key=lambda ci: (sum((a - b) ** 2 for a, b in zip(v, ci[0])), ci[1]))
        lookup[colour] = best[1]
    indices = [0 if p[3] == 0 else lookup[p] for p in pixels]
    assert len(palette) <= PALETTE_SIZE and all(p[3] == 255 for p in palette[ALPHA_ENTRIES:])
    palette += [(0, 0, 0, 255)] * (PALETTE_SIZE - len(palette))
    return palette, indices


# ---------------------------------------------------------------------------------------------
# File writers.


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png_indexed(width, height, palette, indices):
    rows = b"".join(b"\x00" + bytes(indices[y * width:(y + 1) * width]) for y in range(height))
    return (b"\x89PNG\r\n\x1a\n"
            + _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0))
            + _chunk(b"PLTE", b"".join(bytes(p[:3]) for p in palette))
            + _chunk(b"tRNS", bytes(p[3] for p in palette[:ALPHA_ENTRIES]))
            + _chunk(b"IDAT", zlib.compress(rows, 9))
            + _chunk(b"IEND", b""))


def png_rgba(width, height, pixels):
    """Plain RGBA PNG, for the preview pictures only."""
    rows = b"".join(b"\x00" + b"".join(bytes(p) for p in pixels[y * width:(y + 1) * width])
                    for y in range(height))
    return (b"\x89PNG\r\n\x1a\n"
            + _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + _chunk(b"IDAT", zlib.compress(rows, 9))
            + _chunk(b"IEND", b""))


def ico_32bit(size, pixels):
    """An ICO with one classic DIB entry: bottom-up BGRA, then the 1-bit AND mask (1 = transparent)."""
    xor = b"".join(bytes((b, g, r, a)) for y in reversed(range(size))
                   for r, g, b, a in pixels[y * size:(y + 1) * size])
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if pixels[y * size + x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------------------------------------
# Previews: what a person sees, not shipped.


def over(pixel, bg):
    r, g, b, a = pixel
    return tuple(round((c * a + k * (255 - a)) / 255) for c, k in zip((r, g, b), bg)) + (255,)


def stretch(pixels, w, h, nw, nh):
    """Bilinear resampling, close to what a halftone stretch gives when enlarging."""
    out = []
    for y in range(nh):
        fy = min(max((y + 0.5) * h / nh - 0.5, 0.0), h - 1.0)
        y0 = int(fy)
        y1 = min(y0 + 1, h - 1)
        ty = fy - y0
        for x in range(nw):
            fx = min(max((x + 0.5) * w / nw - 0.5, 0.0), w - 1.0)
            x0 = int(fx)
            x1 = min(x0 + 1, w - 1)
            tx = fx - x0
            p = [pixels[y0 * w + x0], pixels[y0 * w + x1], pixels[y1 * w + x0], pixels[y1 * w + x1]]
            wts = [(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty]
            out.append(tuple(round(sum(q[i] * k for q, k in zip(p, wts))) for i in range(4)))
    return out


def write_previews(folder, icon, banner_palette, banner_indices):
    os.makedirs(folder, exist_ok=True)
    # The icon at 4x on a checkerboard, then at 1x on white, button face, and a dark task bar.
    z = 4
    big = []
    for y in range(64 * z):
        for x in range(64 * z):
            bg = (255, 255, 255) if (x // 16 + y // 16) % 2 else (204, 204, 204)
            big.append(over(icon[(y // z) * 64 + x // z], bg))
    strip_w = 64 * 3 + 16 * 4
    strip = []
    for y in range(96):
        for x in range(strip_w):
            panel = min(x // (strip_w // 3), 2)
            bg = [(255, 255, 255), (240, 240, 240), (32, 40, 56)][panel]
            ox, oy = panel * (strip_w // 3) + 8, 16
            if 0 <= x - ox < 64 and 0 <= y - oy < 64:
                strip.append(over(icon[(y - oy) * 64 + x - ox], bg))
            else:
                strip.append(bg + (255,))
    with open(os.path.join(folder, "icon_4x.png"), "wb") as f:
        f.write(png_rgba(64 * z, 64 * z, big))
    with open(os.path.join(folder, "icon_backgrounds.png"), "wb") as f:
        f.write(png_rgba(strip_w, 96, strip))
    # The banner as the window shows it: blended over the button face, stretched to 446 x 128,
    # with a margin of button face around it.
    face = (240, 240, 240)
    flat = [over(banner_palette[i], face) for i in banner_indices]
    big = stretch(flat, BW, BH, 446, 128)
    mw, mh = 446 + 16, 128 + 16
    mock = [face + (255,)] * (mw * mh)
    for y in range(128):
        for x in range(446):
            mock[(y + 8) * mw + x + 8] = big[y * 446 + x]
    with open(os.path.join(folder, "banner_window.png"), "wb") as f:
        f.write(png_rgba(mw, mh, mock))


def main(argv):
    preview = None
    if len(argv) == 2 and argv[0] == "--preview":
        preview = argv[1]
    elif argv:
        sys.stderr.write("usage: draw_assets.py [--preview DIR]\n")
        return 2
    icon = draw_icon().straight_rgba8()
    with open(os.path.join(HERE, "password.ico"), "wb") as f:
        f.write(ico_32bit(64, icon))
    palette, indices = quantise(draw_banner().straight_rgba8())
    with open(os.path.join(HERE, "banner.png"), "wb") as f:
        f.write(png_indexed(BW, BH, palette, indices))
    if preview:
        write_previews(preview, icon, palette, indices)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
