"""The four balloon pictures."""

import math
from shapes import Picture, ellipse, fit, rotate, rect

WHITE = '#FFFFFF'


def teardrop(tip=1.0, egg=0.0, lean=0.0, n=80):
    """A balloon seen from the side: round top, soft point at the bottom (before `lean`)."""
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x = math.sin(t) * abs(math.sin(t / 2)) ** tip
        y = math.cos(t)
        x *= 1 - egg * y
        pts.append((x, y))
    return rotate(pts, lean)


def red():
    pic = Picture(1813, 2343)
    shape = teardrop(tip=1.0, lean=-38)
    body = fit(shape, 0.0, 0.0, 1.0, 0.80)
    face = fit(shape, 0.13, 0.06, 0.79, 0.71)
    pic.add('#DC3346', body)
    pic.add('#DC3346', [(0.93, 0.78), (0.975, 0.80), (1.0, 0.80), (1.0, 0.85), (0.965, 0.85), (0.955, 0.81)])
    pic.add('#7984BA', rect(0.975, 0.85, 1.0, 1.0))
    pic.add('#E25582', face)
    pic.add(WHITE, ellipse(0.17, 0.20, 0.28, 0.32, 24))
    return pic


def yellow():
    pic = Picture(1781, 2156)
    shape = teardrop(tip=0.3, egg=0.05, lean=-3)
    pic.add('#F5DF0C', fit(shape, 0.0, 0.0, 1.0, 0.92))
    pic.add('#DC3346', [(0.60, 0.93), (0.635, 0.93), (0.71, 1.0), (0.675, 1.0)])
    pic.add('#F5ECA2', fit(shape, 0.10, 0.13, 0.72, 0.80))
    pic.add(WHITE, ellipse(0.22, 0.29, 0.33, 0.43, 24))
    return pic


def lightblue():
    pic = Picture(1656, 2344)
    shape = teardrop(tip=0.32, egg=0.06, lean=12)
    pic.add('#F5ECA2', rect(0.31, 0.86, 0.345, 1.0))
    pic.add('#78C4C6', fit(shape, 0.0, 0.0, 1.0, 0.79))
    pic.add('#78C4C6', [(0.30, 0.77), (0.325, 0.77), (0.32, 0.84), (0.34, 0.885), (0.325, 0.90),
                        (0.295, 0.90), (0.28, 0.885), (0.305, 0.84)])
    pic.add('#81C8CA', fit(shape, 0.07, 0.08, 0.74, 0.68))
    pic.add(WHITE, ellipse(0.26, 0.10, 0.43, 0.21, 24))
    return pic


def pear(n=80, waist=0.08, head=0.45):
    """A pear along the x axis: small end at x 0, large head at x 1."""
    top, bottom = [], []
    for i in range(n + 1):
        s = i / n
        w = math.sqrt(s * (1 - s)) * (0.38 + head * s) * (1 - waist * math.exp(-((s - 0.42) / 0.14) ** 2))
        top.append((s, -w))
        bottom.append((s, w))
    return top + bottom[::-1][1:-1]


def blue():
    pic = Picture(1719, 2062)
    shape = rotate(pear(), -50)
    tail_tip = rotate([(-0.07, 0.0)], -50)[0]
    tail = [rotate([(0.03, -0.03)], -50)[0], tail_tip, rotate([(0.03, 0.03)], -50)[0]]
    everything = shape + tail
    body = fit(shape, 0.0, 0.0, 1.0, 1.0, ref=everything)
    tail = fit(tail, 0.0, 0.0, 1.0, 1.0, ref=everything)
    pic.add('#5365A4', body)
    pic.add('#5365A4', tail)
    pic.add('#7984BA', fit(shape, 0.07, 0.09, 0.79, 0.91))
    pic.add(WHITE, ellipse(0.42, 0.15, 0.53, 0.29, 24))
    return pic


ALL = {'red': red, 'yellow': yellow, 'lightblue': lightblue, 'blue': blue}
