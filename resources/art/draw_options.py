#!/usr/bin/env python3
"""Draws the options dialog's pictures: the field list's strip of 38 row pictures and the header
picture, each in its small and its VGA size. Run from the repository root:
python3 resources/art/draw_options.py
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import draw_icons as d  # noqa: E402


def left_arrow(p):
    p.poly([(0.85, 0.1), (0.15, 0.5), (0.85, 0.9)], d.DARK)


def pencil(p):
    p.line(0.2, 0.8, 0.8, 0.2, 0.18, d.GOLD)
    p.poly([(0.1, 0.9), (0.14, 0.7), (0.3, 0.86)], d.DARK)


def grid(p, c):
    p.outline(p.rect(0.08, 0.14, 0.92, 0.9, d.WHITE), c)
    for x in (0.36, 0.64):
        p.line(x, 0.14, x, 0.9, 0.06, c)
    p.line(0.08, 0.5, 0.92, 0.5, 0.06, c)


def bars(p, c):
    for k, y in enumerate((0.2, 0.45, 0.7)):
        p.rect(0.1 + 0.15 * k, y, 0.6 + 0.15 * k, y + 0.16, c)


def indent(p):
    p.line(0.2, 0.2, 0.2, 0.6, 0.1, d.GREY)
    p.line(0.2, 0.6, 0.7, 0.6, 0.1, d.GREY)
    p.poly([(0.62, 0.4), (0.9, 0.6), (0.62, 0.8)], d.GREY)


def picture(p):
    p.outline(p.rect(0.06, 0.14, 0.94, 0.86, d.SKY), d.DARK)
    p.poly([(0.1, 0.84), (0.4, 0.44), (0.62, 0.84)], d.GREEN)
    p.circle(0.72, 0.34, 0.1, d.GOLD)


def palette(p):
    d.disc(p, d.PAPER)
    for (x, y), c in zip(((0.32, 0.34), (0.6, 0.28), (0.72, 0.56), (0.36, 0.66)), (d.RED, d.BLUE, d.GREEN, d.GOLD)):
        p.circle(x, y, 0.1, c)


def gear(p):
    p.circle(0.5, 0.5, 0.4, d.GREY)
    p.circle(0.5, 0.5, 0.16, d.MAGENTA)
    for x0, y0, x1, y1 in ((0.42, 0.0, 0.58, 0.2), (0.42, 0.8, 0.58, 1.0), (0.0, 0.42, 0.2, 0.58), (0.8, 0.42, 1.0, 0.58)):
        p.rect(x0, y0, x1, y1, d.GREY)


def cell(k):
    special = {
        0: lambda p: d.box(p, False),
        1: lambda p: d.box(p, True),
        2: left_arrow,
        3: d.right_arrow,
        4: d.padlock,
        5: lambda p: d.diamond(p, d.PURPLE),
        6: lambda p: d.triangle(p, d.TEAL),
        7: lambda p: d.check(p, d.GREEN),
        9: lambda p: d.cross(p, d.RED),
        10: lambda p: d.house(p, d.BROWN),
        11: pencil,
        12: lambda p: d.square(p, d.BLUE),
        13: lambda p: d.person(p, d.BLUE),
        14: lambda p: d.briefcase(p, d.BROWN),
        15: d.calendar_page,
        16: d.page,
        17: lambda p: d.key(p, d.GOLD),
        18: lambda p: grid(p, d.NAVY),
        19: lambda p: bars(p, d.ORANGE),
        20: lambda p: d.clock(p, d.BLUE),
        21: lambda p: grid(p, d.RED),
        22: d.right_arrow,
        23: lambda p: bars(p, d.TEAL),
        24: d.folder,
        25: picture,
        26: lambda p: d.down_arrow(p, d.NAVY),
        27: d.folder,
        28: lambda p: d.disc(p, d.GREEN),
        30: indent,
        31: lambda p: d.bell(p, d.GOLD),
        36: palette,
        37: d.cake,
    }
    return special.get(k, lambda p: d.custom_icon(p, k))


def main():
    cells = [cell(k) for k in range(38)]
    d.write_bmp("field_strip.bmp", d.strip(cells, 12, 12))
    d.write_bmp("field_strip_vga.bmp", d.strip(cells, 32, 32))
    d.write_bmp("options.bmp", d.strip([gear], 22, 22))
    d.write_bmp("options_vga.bmp", d.strip([gear], 48, 48))


if __name__ == "__main__":
    main()
