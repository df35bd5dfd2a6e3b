"""The application icon: three balloons, 32 x 32 in the 16-colour palette, plus its SVG."""
from shapes import Picture, ellipse, rect

PALETTE = {  # standard 16 colours, and the XPM key of each
    '#000000': '0', '#800000': '1', '#008000': '2', '#808000': '3', '#000080': '4',
    '#800080': '5', '#008080': '6', '#C0C0C0': '7', '#808080': '8', '#FF0000': '9',
    '#00FF00': 'a', '#FFFF00': 'b', '#0000FF': 'c', '#FF00FF': 'd', '#00FFFF': 'e',
    '#FFFFFF': 'f'}
CLEAR = 306
S = 32.0


def px(x0, y0, x1, y1, n=40):
    return ellipse(x0 / S, y0 / S, x1 / S, y1 / S, n)


def box(x0, y0, x1, y1):
    return rect(x0 / S, y0 / S, x1 / S, y1 / S)


def balloon(pic, x0, y0, x1, y1, main, shade, highlight):
    pic.add('#808080', px(x0 - 1.2, y0 - 1.2, x1 + 0.6, y1 + 0.6))   # lit side of the outline
    pic.add('#000000', px(x0 - 0.6, y0 - 0.6, x1 + 1.1, y1 + 1.1))   # shadow side
    pic.add(shade, px(x0, y0, x1, y1))
    pic.add(main, px(x0, y0, x1 - 2.2, y1 - 2.0))
    if highlight:
        pic.add('#C0C0C0', px(x0 + 2.2, y0 + 2.4, x0 + 6.2, y0 + 6.6))
        pic.add('#FFFFFF', px(x0 + 2.8, y0 + 3.0, x0 + 5.0, y0 + 5.4))


def string(pic, x, y0, y1):
    pic.add('#808080', box(x, y0, x + 1, y1))
    for y in range(int(y0) + 1, int(y1), 3):
        pic.add('#FFFFFF', box(x, y, x + 1, y + 1))


def scene(blue_string_end):
    pic = Picture(320, 320)
    balloon(pic, 0.9, 0.6, 19.2, 20.2, '#FF00FF', '#800080', True)
    balloon(pic, 13.6, 0.9, 31.2, 20.6, '#0000FF', '#000080', False)
    pic.add('#808080', [(24.0 / S, 20.4 / S), (27.0 / S, 20.4 / S), (26.2 / S, 23.0 / S), (24.8 / S, 23.0 / S)])
    pic.add('#000080', [(24.8 / S, 20.7 / S), (26.2 / S, 20.7 / S), (25.8 / S, 22.2 / S), (25.2 / S, 22.2 / S)])
    string(pic, 25, 23, blue_string_end)
    balloon(pic, 3.2, 7.2, 22.4, 26.8, '#FF0000', '#800000', True)
    pic.add('#808080', [(11.5 / S, 27.0 / S), (14.5 / S, 27.0 / S), (13.7 / S, 29.3 / S), (12.3 / S, 29.3 / S)])
    pic.add('#800000', [(12.3 / S, 27.3 / S), (13.7 / S, 27.3 / S), (13.3 / S, 28.6 / S), (12.7 / S, 28.6 / S)])
    string(pic, 12.5, 29.3, 32)
    return pic


def write(write_file):
    for end in range(24, 33):
        pic = scene(end)
        grid = pic.raster(32, 32)
        clear = sum(row.count(None) for row in grid)
        if clear == CLEAR:
            break
    else:
        raise SystemExit('icon: no string length gives %d clear pixels (last %d)' % (CLEAR, clear))
    lines = ['/* XPM */', 'static const char *const icon[] = {',
             '"32 32 %d 1",' % (len(PALETTE) + 1), '"  c None",']
    lines += ['"%s c %s",' % (key, colour) for colour, key in PALETTE.items()]
    rows = ['"' + ''.join(' ' if c is None else PALETTE[c] for c in row) + '"' for row in grid]
    lines.append(',\n'.join(rows))
    lines.append('};')
    write_file('icon.xpm', '\n'.join(lines) + '\n')
    write_file('icon.svg', pic.svg('Gomblo icon: three balloons'))
