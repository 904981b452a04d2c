#!/usr/bin/env python3
"""Draws the larger pictures: the cover screen's centre and foot pictures, the About box's picture,
the settings-list strip of the sort dialog and the check strip of the category filter.

Run once from the repository root: python3 resources/art/draw_pictures.py
Shapes and the BMP writer come from draw_icons.py; magenta is transparent, except on the cover
screen's foot picture, which the cover screen draws with white as its transparent colour.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_icons import (BLACK, BLUE, BROWN, DARK, GOLD, GREEN, GREY, LIGHT, NAVY, ORANGE, PAPER, PURPLE,  # noqa: E402
                        RED, SKY, TEAL, WHITE, Cell, bell, book, box, briefcase, calendar_page, check, clock,
                        cross, darker, disc, envelope, flag, folder, handset, house, key, note, padlock, person,
                        plus, right_arrow, star, strip, write_bmp)

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


def arrows(up):
    def draw(p):
        if up:
            p.poly([(0.5, 0.1), (0.9, 0.6), (0.1, 0.6)], BLUE)
        else:
            p.poly([(0.1, 0.4), (0.9, 0.4), (0.5, 0.9)], BLUE)
    return draw


def week(p):
    p.outline(p.rect(0.06, 0.14, 0.94, 0.9, WHITE), DARK)
    for k in range(7):
        x = 0.1 + k * 0.12
        p.rect(x, 0.3, x + 0.08, 0.82, SKY if k % 2 else LIGHT)


def timeline(p):
    p.outline(p.rect(0.06, 0.14, 0.94, 0.9, WHITE), DARK)
    for k, colour in enumerate((BLUE, GREEN, ORANGE)):
        y = 0.26 + k * 0.2
        p.rect(0.14 + k * 0.14, y, 0.6 + k * 0.1, y + 0.12, colour)


def dates(p):
    p.outline(p.rect(0.1, 0.1, 0.9, 0.9, WHITE), DARK)
    for y in (0.24, 0.44, 0.64):
        p.rect(0.18, y, 0.3, y + 0.1, RED)
        p.rect(0.38, y + 0.02, 0.82, y + 0.08, GREY)


def category(p):
    p.poly([(0.1, 0.2), (0.6, 0.2), (0.9, 0.5), (0.6, 0.8), (0.1, 0.8)], GOLD)
    p.circle(0.26, 0.5, 0.07, WHITE)


def colour(draw, c):
    return lambda p: draw(p, c)


SPARE_COLOURS = [RED, ORANGE, GOLD, GREEN, TEAL, BLUE, NAVY, PURPLE, BROWN, BLACK]

# The settings list's pictures by position; the lists name 5 (category), 7 (tasks), 10 (recently
# viewed), 13 (name), 14 (company), 15 (month), 18 (week), 20 (dates) and 23 (timeline).
SETTINGS_STRIP = [
    lambda p: box(p, False), lambda p: box(p, True), right_arrow, arrows(True), arrows(False),
    category, colour(note, PAPER), lambda p: box(p, True), colour(bell, GOLD), colour(flag, RED),
    colour(clock, TEAL), colour(envelope, SKY), colour(handset, GREEN), colour(person, BLUE),
    colour(briefcase, BROWN), calendar_page, colour(star, GOLD), colour(house, ORANGE), week,
    colour(key, GOLD), dates, colour(book, PURPLE), colour(disc, GREEN), timeline, folder,
    colour(check, GREEN), colour(cross, RED), colour(plus, BLUE), padlock,
]
while len(SETTINGS_STRIP) < 38:
    SETTINGS_STRIP.append(colour(disc, SPARE_COLOURS[len(SETTINGS_STRIP) % len(SPARE_COLOURS)]))

FILTER_CHECKS = [lambda p: box(p, False), lambda p: box(p, True)]


def main():
    write_bmp("cover_start.bmp", strip([agenda_cover], 120, 90))
    write_bmp("cover_start_vga.bmp", strip([agenda_cover], 240, 180))
    write_bmp("cover_locked.bmp", strip([locked_cover], 96, 96))
    write_bmp("cover_locked_vga.bmp", strip([locked_cover], 192, 192))
    write_bmp("cover_foot.bmp", strip([cover_foot], 100, 10))
    write_bmp("cover_foot_vga.bmp", strip([cover_foot], 200, 20))
    write_bmp("about_picture.bmp", strip([about_picture], 48, 48))
    write_bmp("settings_strip.bmp", strip(SETTINGS_STRIP, 12, 12))
    write_bmp("settings_strip_vga.bmp", strip(SETTINGS_STRIP, 32, 32))
    write_bmp("filter_checks.bmp", strip(FILTER_CHECKS, 18, 13))
    write_bmp("filter_checks_vga.bmp", strip(FILTER_CHECKS, 32, 32))


if __name__ == "__main__":
    main()
