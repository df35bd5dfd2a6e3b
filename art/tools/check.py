"""Green check mark for the OK button, on an 18 x 18 grid."""
import math

from shapes import Picture

MARK = [(1.5, 9.5), (4.5, 6.8), (7.2, 9.6), (13.6, 2.6), (16.5, 5.2), (7.2, 15.0)]


def make():
    pic = Picture(180, 180)
    mark = [(x / 18, y / 18) for x, y in MARK]
    pic.add('#006400', mark)
    inner = [(x / 18, y / 18) for x, y in shrink(MARK, 1.1)]
    pic.add('#00B400', inner)
    return pic


def shrink(poly, d):
    """Move each edge of a convex-cornered polygon inwards by d grid units."""
    n = len(poly)
    s = sum(poly[i][0] * poly[(i + 1) % n][1] - poly[(i + 1) % n][0] * poly[i][1] for i in range(n))
    sign = 1 if s > 0 else -1
    out = []
    for i in range(n):
        p0, p1, p2 = poly[i - 1], poly[i], poly[(i + 1) % n]
        ns = []
        for a, b in ((p0, p1), (p1, p2)):
            dx, dy = b[0] - a[0], b[1] - a[1]
            length = math.hypot(dx, dy)
            ns.append((sign * dy / length, -sign * dx / length))
        nx, ny = ns[0][0] + ns[1][0], ns[0][1] + ns[1][1]
        length = math.hypot(nx, ny)
        nx, ny = nx / length, ny / length
        c = max(0.35, nx * ns[0][0] + ny * ns[0][1])
        out.append((p1[0] - nx * d / c, p1[1] - ny * d / c))
    return out
