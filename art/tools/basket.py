"""The lidded picnic basket, one drawing with its colours left as placeholders."""

import math
from shapes import Picture, Rand, band, bezier, ellipse, taper

STRONG, TINT1, TINT2, TINT3, FLECK = '@STRONG@', '@TINT1@', '@TINT2@', '@TINT3@', '@FLECK@'
ASPECT = 248 / 245

# Lid: an oval resting on the body.
LID = (0.07, 0.30, 0.90, 0.60)
LCX, LCY = (LID[0] + LID[2]) / 2, (LID[1] + LID[3]) / 2
LRX, LRY = (LID[2] - LID[0]) / 2, (LID[3] - LID[1]) / 2

# Handle centre line: back leg up to the top of the arch, then the front leg down to the rim.
BACK = bezier((0.385, 0.37), (0.35, 0.17), (0.40, 0.085), (0.53, 0.085), 14)
FRONT = bezier((0.53, 0.085), (0.70, 0.085), (0.64, 0.40), (0.585, 0.665), 18)
HANDLE_W = 0.10


def lid_y_bottom(x):
    t = max(-1.0, min(1.0, (x - LCX) / LRX))
    return LCY + LRY * math.sqrt(1 - t * t)


def body_outline():
    """The tub below the lid: rounded sides and base."""
    x0, x1, y_bottom = 0.06, 0.93, 0.93
    left = bezier((0.075, 0.48), (0.04, 0.62), (0.07, 0.86), (0.24, y_bottom - 0.01), 10)
    base = bezier((0.24, y_bottom - 0.01), (0.40, y_bottom + 0.005), (0.60, y_bottom + 0.005),
                  (0.76, y_bottom - 0.01), 10)
    right = bezier((0.76, y_bottom - 0.01), (0.92, 0.86), (0.95, 0.62), (x1 - 0.015, 0.48), 10)
    side = left + base[1:] + right[1:]
    rim = [(x, max(0.48, lid_y_bottom(x) - 0.005)) for x in
           [x1 - 0.015 - i * (x1 - x0 - 0.03) / 24 for i in range(1, 24)]]
    return side, rim


def body_x_at(y, side):
    """Left and right x of the body's side at height y."""
    xs = []
    for (xa, ya), (xb, yb) in zip(side, side[1:]):
        if (ya - y) * (yb - y) <= 0 and ya != yb:
            xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
    return min(xs), max(xs)


def rough_ellipse(r, box, n=64, jitter=0.006):
    x0, y0, x1, y1 = box
    return [(x + r.uniform(-jitter, jitter), y + r.uniform(-jitter, jitter))
            for x, y in ellipse(x0, y0, x1, y1, n)]


def stroke(r, line, width, jitter=0.004):
    return band(line, taper(len(line), width, width * 0.35), ASPECT, r, jitter)


def fleck(r, x, y, size):
    """A small irregular white dab, a little longer than high."""
    a = r.uniform(-0.6, 0.6)
    pts = []
    for k in range(5):
        t = a + 2 * math.pi * k / 5
        rr = size * r.uniform(0.6, 1.0)
        pts.append((x + rr * 1.6 * math.cos(t), y + rr * math.sin(t) * ASPECT))
    return pts


def make():
    r = Rand(20240611)
    pic = Picture(2480, 2450)
    side, rim = body_outline()

    # Lid top.
    pic.add(TINT1, rough_ellipse(r, LID, jitter=0.003))
    # Back of the handle, behind the body.
    pic.add(TINT2, band(BACK, HANDLE_W, ASPECT))
    # Body and the weave panels.
    pic.add(TINT3, side + rim)
    band_top, band_bottom = 0.645, 0.785
    lt, rt = body_x_at(band_top, side)
    lb, rb = body_x_at(band_bottom, side)
    pic.add(TINT2, [(lt, band_top), (rt, band_top), (rb, band_bottom), (lb, band_bottom)])

    # Speckles of the lid's weave and highlights on the body.
    for row in range(5):
        y = LID[1] + 0.045 + row * 0.05
        half = LRX * math.sqrt(max(0.0, 1 - ((y - LCY) / LRY) ** 2)) - 0.05
        count = max(2, int(half * 2 / 0.075))
        for k in range(count):
            x = LCX - half + (k + 0.5 + r.uniform(-0.2, 0.2)) * (2 * half / count)
            pic.add(FLECK, fleck(r, x, y + r.uniform(-0.01, 0.01), 0.008))
    for x, y in [(0.15, 0.62), (0.17, 0.83), (0.31, 0.86), (0.50, 0.87), (0.70, 0.61), (0.86, 0.70)]:
        pic.add(FLECK, band([(x - 0.03, y + 0.004), (x + 0.03, y - 0.004)], 0.012, ASPECT))

    # Front band of the handle, over the lid.
    pic.add(TINT3, band(FRONT, HANDLE_W, ASPECT))

    # Heavy strokes: lid rim, body outline and rim, handle edges, weave band and staves.
    w = 0.03
    outer = rough_ellipse(r, (LID[0] - 0.012, LID[1] - 0.012, LID[2] + 0.012, LID[3] + 0.012),
                          jitter=0.004)
    inner = rough_ellipse(r, (LID[0] + 0.012, LID[1] + 0.012, LID[2] - 0.012, LID[3] - 0.012),
                          jitter=0.004)
    pic.add(STRONG, outer, inner)
    pic.add(STRONG, stroke(r, side, w))
    pic.add(STRONG, stroke(r, [(0.08, 0.50)] + rim[::-1] + [(0.91, 0.50)], w * 0.9))
    for edge in (-1, 1):
        for part in (BACK, FRONT):
            line = band(part, HANDLE_W * 1.0 * edge, ASPECT)[:len(part)]
            pic.add(STRONG, stroke(r, line, w * 0.8))
    for y, bend in ((band_top, 0.012), (band_bottom, 0.012)):
        left, right = body_x_at(y, side)
        line = bezier((left, y), (left + 0.25, y + bend), (right - 0.25, y + bend), (right, y), 12)
        pic.add(STRONG, stroke(r, line, w))
    for x in (0.22, 0.40, 0.60, 0.80):
        lean = (x - 0.5) * 0.12
        top = lid_y_bottom(x) - 0.01
        line = bezier((x - lean * 0.3, top), (x, top + 0.1), (x, 0.80), (x - lean, 0.91), 10)
        pic.add(STRONG, stroke(r, line, w * 0.9))

    # More flecks over and between the strokes, and along the handle's front band.
    for i in range(2, len(FRONT) - 2, 2):
        x, y = FRONT[i]
        pic.add(FLECK, fleck(r, x + r.uniform(-0.015, 0.015), y, 0.009))
    for x in (0.31, 0.50, 0.70):
        pic.add(FLECK, fleck(r, x, 0.715, 0.009))
    for x in (0.14, 0.86):
        pic.add(FLECK, fleck(r, x, 0.72, 0.008))
    for x, y in [(0.22, 0.645), (0.60, 0.79), (0.40, 0.785), (0.80, 0.645)]:
        pic.add(FLECK, fleck(r, x, y, 0.006))
    return pic
