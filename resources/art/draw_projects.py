#!/usr/bin/env python3
"""Draws the project tree's strip of 31 node pictures at each icon size the tree may need.

Run once from the repository root: python3 resources/art/draw_projects.py
The order is the tree's node kinds: the two roots, the three Outlook groups, project folders of the
three levels (plain, then with five progress steps each), the company, category and month folders,
then the leaves. Magenta 0xFF00FF is transparent.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from draw_icons import (BLUE, BROWN, DARK, GOLD, GREEN, GREY, NAVY, ORANGE, RED, TEAL, WHITE, box,  # noqa: E402
                        calendar_page, darker, globe, person, strip, write_bmp)

TAN = (200, 150, 60)
BARK = (168, 128, 80)
LILAC = (130, 130, 200)
PLUM = (160, 110, 170)
SEA = (90, 160, 150)


def root(c):
    def draw(p):
        p.outline(p.rect(0.04, 0.04, 0.96, 0.96, c), darker(c))
        p.rect(0.3, 0.3, 0.7, 0.7, WHITE)
    return draw


def folder(c, progress=0):
    def draw(p):
        p.rect(0.06, 0.2, 0.44, 0.32, darker(c, 0.8))
        p.outline(p.rect(0.06, 0.28, 0.94, 0.86, c), darker(c, 0.45))
        if progress:
            # A bar that fills from the bottom of the folder as the project nears completion.
            top = 0.74 - 0.08 * progress
            p.rect(0.22, top, 0.78, 0.76, GREEN)
    return draw


def web(p):
    globe(p, NAVY)


CELLS = (
    [root(BLUE), root(GREY), folder(GREEN), folder(ORANGE), folder(RED)] +
    [folder(GOLD), folder(TAN), folder(BARK)] +
    [folder(TAN, k) for k in range(1, 6)] +
    [folder(GOLD, k) for k in range(1, 6)] +
    [folder(BARK, k) for k in range(1, 6)] +
    [folder(LILAC), folder(PLUM), folder(SEA)] +
    [calendar_page, lambda p: person(p, BLUE), lambda p: box(p, True), lambda p: box(p, False), web]
)

SIZES = {"prj_strip_16.bmp": 16, "prj_strip_21.bmp": 21, "prj_strip_22.bmp": 22, "prj_strip_32.bmp": 32}


def main():
    assert len(CELLS) == 31
    for name, size in SIZES.items():
        write_bmp(name, strip(CELLS, size, size))


if __name__ == "__main__":
    main()
