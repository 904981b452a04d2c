#!/usr/bin/env python3
"""Draws the larger pictures: the cover screen's centre and foot pictures, the About box's picture,
and the check strip of the category filter.

Run once from the repository root: python3 resources/art/draw_pictures.py
Shapes and the BMP writer come from draw_icons.py; magenta is transparent, except on the cover
screen's foot picture, which the cover screen draws with white as its transparent colour.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_icons import (BLUE, DARK, GOLD, GREEN, GREY, LIGHT, NAVY, ORANGE, PAPER, RED, WHITE,  # noqa: E402
                        box, calendar_page, darker, strip, write_bmp)

BACKDROP = (226, 236, 250)


def agenda_cover(p):
    """The start-up picture: a calendar page and a clock on a soft backdrop."""
    p.rect(0, 0, 1, 1, BACKDROP)
    p.outline(p.rect(0.1, 0.16, 0.62, 0.9, WHITE), DARK)
    p.rect(0.1, 0.16, 0.62, 0.34, BLUE)
    for x in (0.22, 0.5):
        p.rect(x - 0.02, 0.08, x + 0.02, 0.22, DARK)
    for row in range(3):
        for col in range(4):
            x, y = 0.14 + col * 0.115, 0.42 + row * 0.15
            p.rect(x, y, x + 0.08, y + 0.09, RED if (row, col) == (1, 2) else LIGHT)
    p.circle(0.74, 0.6, 0.2, WHITE)
    p.ring(0.74, 0.6, 0.2, 0.03, NAVY)
    p.line(0.74, 0.6, 0.74, 0.45, 0.025, DARK)
    p.line(0.74, 0.6, 0.84, 0.66, 0.02, DARK)


def locked_cover(p):
    """The locked-wallet picture: a padlock over the page."""
    p.rect(0, 0, 1, 1, BACKDROP)
    p.outline(p.rect(0.14, 0.1, 0.86, 0.92, PAPER), GREY)
    for y in (0.2, 0.3, 0.4):
        p.rect(0.22, y, 0.78, y + 0.03, LIGHT)
    p.ring(0.5, 0.5, 0.16, 0.07, DARK)
    p.outline(p.rect(0.28, 0.56, 0.72, 0.88, GOLD), darker(GOLD))
    p.circle(0.5, 0.68, 0.04, DARK)
    p.rect(0.485, 0.68, 0.515, 0.8, DARK)


def cover_foot(p):
    """A row of four coloured bars on white, which the cover screen leaves transparent."""
    p.rect(0, 0, 1, 1, WHITE)
    for k, colour in enumerate((BLUE, GREEN, ORANGE, RED)):
        x = 0.04 + k * 0.24
        p.rect(x, 0.3, x + 0.2, 0.7, colour)


def about_picture(p):
    calendar_page(p)
    p.circle(0.72, 0.72, 0.22, WHITE)
    p.ring(0.72, 0.72, 0.22, 0.06, NAVY)
    p.line(0.72, 0.72, 0.72, 0.58, 0.06, DARK)


FILTER_CHECKS = [lambda p: box(p, False), lambda p: box(p, True)]


def main():
    write_bmp("cover_start.bmp", strip([agenda_cover], 120, 90))
    write_bmp("cover_start_vga.bmp", strip([agenda_cover], 240, 180))
    write_bmp("cover_locked.bmp", strip([locked_cover], 96, 96))
    write_bmp("cover_locked_vga.bmp", strip([locked_cover], 192, 192))
    write_bmp("cover_foot.bmp", strip([cover_foot], 100, 10))
    write_bmp("cover_foot_vga.bmp", strip([cover_foot], 200, 20))
    write_bmp("about_picture.bmp", strip([about_picture], 48, 48))
    write_bmp("filter_checks.bmp", strip(FILTER_CHECKS, 18, 13))
    write_bmp("filter_checks_vga.bmp", strip(FILTER_CHECKS, 32, 32))


if __name__ == "__main__":
    main()
