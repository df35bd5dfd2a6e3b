"""The winner's trophy: a cup on a two-tier base, flat colours and heavy black borders."""

import math
from shapes import Picture, band, bezier, ellipse

ASPECT = 8813 / 13156
BX = 0.016           # black border, in fractions of the width
BLACK = '#000000'


def offset(poly, d):
    """Grow (d > 0) or shrink (d < 0) a polygon by d picture widths, keeping corners sharp."""
    pts = [(x, y / ASPECT) for x, y in poly]   # equal units on both axes
    n = len(pts)
    s = sum(pts[i][0] * pts[(i + 1) % n][1] - pts[(i + 1) % n][0] * pts[i][1] for i in range(n))
    sign = 1 if s > 0 else -1
    out = []
    for i in range(n):
        p0, p1, p2 = pts[i - 1], pts[i], pts[(i + 1) % n]
        normals = []
        for a, b in ((p0, p1), (p1, p2)):
            dx, dy = b[0] - a[0], b[1] - a[1]
            length = math.hypot(dx, dy) or 1.0
            normals.append((sign * dy / length, -sign * dx / length))
        nx, ny = normals[0][0] + normals[1][0], normals[0][1] + normals[1][1]
        length = math.hypot(nx, ny) or 1.0
        nx, ny = nx / length, ny / length
        cos_half = max(0.35, nx * normals[0][0] + ny * normals[0][1])
        out.append((p1[0] + nx * d / cos_half, (p1[1] + ny * d / cos_half) * ASPECT))
    return out


def bordered(pic, colour, poly):
    """A part with its black border: the silhouette at the part's place, the colour inside."""
    pic.add(BLACK, poly)
    pic.add(colour, offset(poly, -BX))


def mirror(poly):
    return [(0.99 - x, y) for x, y in poly][::-1]


def ear():
    """Left handle: a scroll that leaves the bowl, curls out and comes down."""
    line = (bezier((0.36, 0.305), (0.25, 0.24), (0.125, 0.27), (0.14, 0.37), 12) +
            bezier((0.14, 0.37), (0.15, 0.46), (0.23, 0.50), (0.30, 0.465), 10)[1:])
    widths = [0.07 - 0.035 * i / (len(line) - 1) for i in range(len(line))]
    return line, widths


def make():
    pic = Picture(8813, 13156)

    # Shine: four short bars pointing away from the cup.
    for a, b in (((0.105, 0.243), (0.025, 0.207)), ((0.343, 0.113), (0.297, 0.057)),
                 ((0.665, 0.073), (0.725, 0.017)), ((0.905, 0.183), (0.975, 0.147))):
        pic.add(BLACK, band([a, b], 0.03, ASPECT))

    # Right handle, behind the bowl.
    line, widths = ear()
    outline = band(line, [w + 2 * BX for w in widths], ASPECT)
    pic.add(BLACK, mirror(outline))
    pic.add('#FFCC00', mirror(band(line, widths, ASPECT)))

    # Lower tier: a flat, wide plinth.
    pic.add(BLACK, [(0.17, 0.865), (0.71, 0.865), (0.78, 0.84), (0.78, 0.955), (0.71, 0.985),
                    (0.17, 0.985)])
    pic.add('#910091', offset([(0.17, 0.865), (0.71, 0.865), (0.71, 0.985), (0.17, 0.985)], -BX))
    pic.add('#B091E3', offset([(0.71, 0.865), (0.78, 0.84), (0.78, 0.955), (0.71, 0.985)], -BX * 0.7))

    # Upper tier: a block seen from the front, a little from above and the right.
    pic.add(BLACK, [(0.22, 0.73), (0.29, 0.69), (0.75, 0.69), (0.75, 0.85), (0.68, 0.89),
                    (0.22, 0.89)])
    pic.add('#BF3300', offset([(0.22, 0.73), (0.29, 0.69), (0.75, 0.69), (0.68, 0.73)], -BX * 0.6))
    pic.add('#FF660F', offset([(0.22, 0.73), (0.68, 0.73), (0.68, 0.89), (0.22, 0.89)], -BX))
    pic.add('#B00000', offset([(0.68, 0.73), (0.75, 0.69), (0.75, 0.85), (0.68, 0.89)], -BX * 0.7))

    # Plaque with a blank label.
    bordered(pic, '#FFFF80', [(0.28, 0.78), (0.63, 0.78), (0.63, 0.86), (0.28, 0.86)])
    bordered(pic, '#FFFFFF', [(0.36, 0.79), (0.56, 0.79), (0.56, 0.84), (0.36, 0.84)])

    # Stem, then the foot under it.
    bordered(pic, '#FFFFC2', [(0.43, 0.56), (0.57, 0.56), (0.535, 0.61), (0.56, 0.665),
                              (0.44, 0.665), (0.465, 0.61)])
    bordered(pic, '#FFF07D', [(0.37, 0.685), (0.63, 0.685), (0.68, 0.74), (0.32, 0.74)])
    bordered(pic, '#FFE600', ellipse(0.40, 0.65, 0.60, 0.70, 32))

    # Bowl.
    bowl = (bezier((0.31, 0.29), (0.30, 0.44), (0.38, 0.55), (0.495, 0.55), 12) +
            bezier((0.495, 0.55), (0.61, 0.55), (0.69, 0.44), (0.68, 0.29), 12)[1:])
    bordered(pic, '#FF9E3D', bowl)

    # Lid: a low dome, and its knob.
    dome = [(0.495 + 0.195 * math.cos(math.pi * (1 + i / 24)),
             0.36 + 0.16 * math.sin(math.pi * (1 + i / 24))) for i in range(25)]
    bordered(pic, '#FFD93D', dome)
    bordered(pic, '#FFF07D', ellipse(0.45, 0.15, 0.52, 0.21, 24))

    # Medallion on the bowl, shaded on its right.
    pic.add(BLACK, ellipse(0.42, 0.35, 0.57, 0.51, 40))
    pic.add('#FFCC00', offset(ellipse(0.42, 0.35, 0.57, 0.51, 40), -BX * 0.8))
    pic.add('#FFFF00', ellipse(0.433, 0.362, 0.535, 0.498, 40))

    # Left handle, over the bowl's left edge.
    pic.add(BLACK, band(line, [w + 2 * BX for w in widths], ASPECT))
    pic.add('#FFFF7D', band(line, widths, ASPECT))

    # Highlights.
    pic.add('#FFFFFF', band(line[3:9], 0.014, ASPECT))
    pic.add('#FFFFC2', band(bezier((0.345, 0.335), (0.35, 0.28), (0.38, 0.245), (0.42, 0.23), 8),
                            0.022, ASPECT))
    pic.add('#FAFAFC', band([(0.36, 0.72), (0.45, 0.72)], 0.012, ASPECT))

    # Small black marks: on the bowl's right side, across the stem, the screws, the medallion.
    for k in range(4):
        y = 0.34 + k * 0.045
        x = 0.62 - 0.04 * ((y - 0.34) / 0.18) ** 2
        pic.add(BLACK, band(bezier((x - 0.01, y), (x + 0.01, y + 0.01), (x + 0.01, y + 0.02),
                                   (x - 0.005, y + 0.03), 6), 0.012, ASPECT))
    for y in (0.585, 0.61, 0.635):
        half = 0.04 if y != 0.61 else 0.03
        pic.add(BLACK, band([(0.50 - half, y), (0.50 + half, y)], 0.009, ASPECT))
    for x in (0.305, 0.605):
        for y in (0.797, 0.843):
            pic.add(BLACK, ellipse(x - 0.009, y - 0.006, x + 0.009, y + 0.006, 12))
    wave = [(0.495 + 0.012 * math.sin(i * math.pi / 2), 0.375 + i * 0.0125) for i in range(9)]
    pic.add(BLACK, band(wave, 0.011, ASPECT))
    return pic
