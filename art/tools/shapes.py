"""Small geometry kit for the game's flat, filled-shape pictures."""

import math


def ellipse(x0, y0, x1, y1, n=48, start=0.0):
    cx, cy, rx, ry = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2
    return [(cx + rx * math.cos(start + 2 * math.pi * i / n),
             cy + ry * math.sin(start + 2 * math.pi * i / n)) for i in range(n)]


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def bbox(pts):
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return min(xs), min(ys), max(xs), max(ys)


def fit(pts, x0, y0, x1, y1, ref=None):
    """Stretch points so that the box of `ref` (default: the points) becomes the given box."""
    bx0, by0, bx1, by1 = bbox(ref if ref is not None else pts)
    sx = (x1 - x0) / (bx1 - bx0)
    sy = (y1 - y0) / (by1 - by0)
    return [(x0 + (x - bx0) * sx, y0 + (y - by0) * sy) for x, y in pts]


def rotate(pts, deg, cx=0.0, cy=0.0):
    a = math.radians(deg)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in pts]


def area(pts):
    s = 0.0
    for i in range(len(pts)):
        x0, y0 = pts[i]
        x1, y1 = pts[(i + 1) % len(pts)]
        s += x0 * y1 - x1 * y0
    return abs(s) / 2


def bezier(p0, p1, p2, p3, n=16):
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


class Rand:
    """Deterministic little generator so the drawings come out the same every run."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 2 ** 32

    def uniform(self, a, b):
        return a + (b - a) * self.next()


def band(line, widths, aspect=1.0, rough=None, jitter=0.0):
    """A filled stroke along a polyline: `widths` per point (or one number), in x units.

    `aspect` is width/height of the picture, so that a band keeps its thickness in both
    directions once stretched. `rough` adds hand-drawn wobble to the edges.
    """
    n = len(line)
    if not isinstance(widths, (list, tuple)):
        widths = [widths] * n
    left, right = [], []
    for i in range(n):
        xa, ya = line[max(i - 1, 0)]
        xb, yb = line[min(i + 1, n - 1)]
        dx, dy = (xb - xa), (yb - ya) * (1 / aspect)
        length = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / length, dx / length
        w = widths[i] / 2
        wl = w + (rough.uniform(-jitter, jitter) if rough else 0.0)
        wr = w + (rough.uniform(-jitter, jitter) if rough else 0.0)
        x, y = line[i]
        left.append((x + nx * wl, y + ny * wl * aspect))
        right.append((x - nx * wr, y - ny * wr * aspect))
    return left + right[::-1]


def taper(n, w_mid, w_end):
    """Widths for a brush stroke: thin at its ends, full in the middle."""
    return [w_end + (w_mid - w_end) * math.sin(math.pi * i / (n - 1)) for i in range(n)]


def inside(poly, x, y):
    hit = False
    n = len(poly)
    for i in range(n):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % n]
        if (y0 > y) != (y1 > y):
            xc = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
            if xc > x:
                hit = not hit
    return hit


class Picture:
    """Shapes in fractions of the picture, written out in viewBox units."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.shapes = []  # (fill, [polygons])

    def add(self, fill, *polys):
        self.shapes.append((fill, [list(p) for p in polys]))

    def coord(self, x, y):
        return '%d %d' % (round(x * self.width), round(y * self.height))

    def svg(self, comment):
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<!-- %s -->' % comment,
               '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
               'width="%d" height="%d" viewBox="0 0 %d %d" preserveAspectRatio="none">'
               % (self.width, self.height, self.width, self.height)]
        for fill, polys in self.shapes:
            d = ' '.join('M' + ' L'.join(self.coord(x, y) for x, y in p) + ' Z' for p in polys)
            out.append('<path fill="%s" fill-rule="evenodd" d="%s"/>' % (fill, d))
        out.append('</svg>')
        return '\n'.join(out) + '\n'

    def raster(self, w, h):
        """Colour at each pixel centre, even-odd per shape, later shapes on top (None: clear)."""
        grid = [[None] * w for _ in range(h)]
        for fill, polys in self.shapes:
            for j in range(h):
                for i in range(w):
                    x, y = (i + 0.5) / w, (j + 0.5) / h
                    if sum(inside(p, x, y) for p in polys) % 2:
                        grid[j][i] = fill
        return grid
