#!/usr/bin/env python3
"""Draws the launcher wheel's pictures: the entry icons (each followed by its dimmed copy), the
three built-in centre pictures, the date and time glyphs, the battery glyphs in a dark and a light
look, and the row icons of the launcher setup lists.

Run once from the repository root: python3 resources/art/draw_spinner.py
Shapes and the BMP writer come from draw_icons.py and draw_pictures.py; magenta is transparent.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from draw_icons import (BLUE, BROWN, DARK, GOLD, GREEN, GREY, LIGHT, MAGENTA, NAVY, ORANGE, PAPER,  # noqa: E402
                        PURPLE, RED, SKY, TEAL, WHITE, Cell, box, calendar_page, clock, darker, folder,
                        globe, note, person, star, strip, write_bmp)
from draw_pictures import dates, timeline, week  # noqa: E402

BLACK = (0, 0, 0)


# ---- Entry pictures ----

def today(p):
    p.outline(p.rect(0.1, 0.14, 0.9, 0.92, WHITE), DARK)
    p.rect(0.1, 0.14, 0.9, 0.36, GREEN)
    for x in (0.3, 0.7):
        p.rect(x - 0.05, 0.06, x + 0.05, 0.22, DARK)
    p.circle(0.5, 0.64, 0.2, RED)
    p.circle(0.5, 0.64, 0.08, WHITE)


def year(p):
    p.outline(p.rect(0.06, 0.08, 0.94, 0.92, WHITE), DARK)
    for row in range(4):
        for col in range(3):
            x, y = 0.14 + col * 0.26, 0.14 + row * 0.19
            p.rect(x, y, x + 0.2, y + 0.14, (BLUE, TEAL, GREEN, ORANGE)[row])


def magnifier(p):
    p.ring(0.4, 0.4, 0.26, 0.1, NAVY)
    p.circle(0.4, 0.4, 0.2, SKY)
    p.line(0.6, 0.6, 0.9, 0.9, 0.14, BROWN)


def tasks(p):
    box(p, True)


def wallet(p):
    p.outline(p.rect(0.06, 0.22, 0.94, 0.86, BROWN), darker(BROWN))
    p.rect(0.06, 0.22, 0.94, 0.34, darker(BROWN, 0.8))
    p.outline(p.rect(0.62, 0.44, 0.98, 0.66, GOLD), darker(GOLD))
    p.circle(0.74, 0.55, 0.05, DARK)


def web(p):
    globe(p, BLUE)


def contact_face(p):
    p.rect(0.04, 0.04, 0.96, 0.96, GREY)
    p.circle(0.5, 0.36, 0.2, WHITE)
    p.ellipse(0.5, 1.02, 0.38, 0.4, WHITE)


def saved(draw):
    """A view's picture with the saved-view badge, a gold star in the lower right corner."""
    def picture(p):
        draw(p)
        pts = []
        for k in range(10):
            r = 0.26 if k % 2 == 0 else 0.12
            a = -math.pi / 2 + k * math.pi / 5
            pts.append((0.72 + r * math.cos(a), 0.74 + r * math.sin(a)))
        p.outline(p.poly(pts, GOLD), darker(GOLD))
    return picture


def with_plus(draw):
    """A picture with a green plus in the upper right corner: a new item of that kind."""
    def picture(p):
        draw(p)
        p.rect(0.66, 0.02, 0.82, 0.46, WHITE)
        p.rect(0.52, 0.16, 0.96, 0.32, WHITE)
        p.rect(0.7, 0.06, 0.78, 0.42, GREEN)
        p.rect(0.56, 0.2, 0.92, 0.28, GREEN)
    return picture


def file_page(p):
    p.outline(p.poly([(0.18, 0.06), (0.62, 0.06), (0.84, 0.28), (0.84, 0.94), (0.18, 0.94)], WHITE), DARK)
    p.poly([(0.62, 0.06), (0.84, 0.28), (0.62, 0.28)], LIGHT)


def bookmark(p):
    p.outline(p.rect(0.1, 0.1, 0.7, 0.9, PAPER), GREY)
    for y in (0.3, 0.46, 0.62):
        p.line(0.2, y, 0.6, y, 0.05, GREY)
    star(p, GOLD)


# Entry pictures in the order of the launcher strip; the strip holds each one and then its dimmed
# copy, so picture k is strip image 2k.
ENTRY_PICTURES = [
    calendar_page,                      # 0 Calendar
    today,                              # 2 Today
    week,                               # 4 Week
    year,                               # 6 Year / Six Month
    dates,                              # 8 Dates
    magnifier,                          # 10 Search
    tasks,                              # 12 Tasks
    lambda p: person(p, BLUE),          # 14 Contacts
    lambda p: note(p, GOLD),            # 16 Notes
    wallet,                             # 18 Wallet
    folder,                             # 20 Projects
    web,                                # 22 web address
    timeline,                           # 24 Bar Week / Timeline Week
    contact_face,                       # 26 a contact without a picture
    saved(calendar_page),               # 28 saved month view
    saved(today),                       # 30 saved day view
    saved(week),                        # 32 saved week view
    saved(dates),                       # 34 saved dates view
    saved(tasks),                       # 36 saved task list
    saved(lambda p: person(p, BLUE)),   # 38 saved contact list
    saved(timeline),                    # 40 saved timeline week
    with_plus(lambda p: clock(p, RED)),  # 42 New Appt.
    with_plus(tasks),                   # 44 New Task
]


def dimmed(draw):
    """The picture washed to a light grey, for the entries away from the front."""
    def picture(p):
        draw(p)
        for row in p.px:
            for i, c in enumerate(row):
                if c != MAGENTA:
                    level = (c[0] * 30 + c[1] * 59 + c[2] * 11) // 100
                    level = 110 + level * 120 // 255
                    row[i] = (level, level, level)
    return picture


LAUNCHER = [pic for draw in ENTRY_PICTURES for pic in (draw, dimmed(draw))]

# Row icons of the setup and "Select View" lists.
SETUP_ROWS = [
    calendar_page, today, week, year, dates, magnifier, tasks, lambda p: person(p, BLUE),
    lambda p: note(p, GOLD), wallet, folder,   # 0-10: views 0, 22, 1, 4, 3, 21, 5, 6, 8, 9, 7
    web,                                       # 11 web address
    file_page,                                 # 12 file or program
    contact_face,                              # 13 contact
    bookmark,                                  # 14 saved view
    timeline,                                  # 15 Bar Week / Timeline Week
    with_plus(lambda p: clock(p, RED)),        # 16 New Appt.
    with_plus(tasks),                          # 17 New Task
]


# ---- Centre pictures ----

def boxes(p):
    for k, colour in enumerate((RED, GREEN, BLUE, GOLD)):
        x, y = 0.1 + (k % 2) * 0.42, 0.1 + (k // 2) * 0.42
        p.outline(p.rect(x, y, x + 0.38, y + 0.38, colour), darker(colour))


def orange_ball(p):
    p.circle(0.5, 0.5, 0.46, darker(ORANGE, 0.75))
    p.circle(0.47, 0.47, 0.4, ORANGE)
    p.circle(0.36, 0.34, 0.12, (250, 200, 140))


def compass(p):
    p.circle(0.5, 0.5, 0.46, WHITE)
    p.ring(0.5, 0.5, 0.44, 0.06, NAVY)
    p.poly([(0.5, 0.1), (0.58, 0.5), (0.42, 0.5)], RED)
    p.poly([(0.5, 0.9), (0.58, 0.5), (0.42, 0.5)], DARK)
    p.circle(0.5, 0.5, 0.05, GOLD)


# ---- Date and time glyphs: the calendar half, then the clock half ----

def small_calendar(p):
    p.outline(p.rect(0.04, 0.12, 0.96, 0.96, WHITE), DARK)
    p.rect(0.04, 0.12, 0.96, 0.38, RED)
    p.rect(0.3, 0.5, 0.7, 0.84, GREY)


def small_clock(p):
    p.circle(0.5, 0.5, 0.46, DARK)
    p.circle(0.5, 0.5, 0.36, WHITE)
    p.line(0.5, 0.5, 0.5, 0.22, 0.09, DARK)
    p.line(0.5, 0.5, 0.72, 0.5, 0.09, DARK)


DATE_TIME = [small_calendar, small_clock]


# ---- Battery glyphs: levels 0 (full) to 5 (nearly empty), no reading, charging, external power ----

LEVEL_FILL = [1.0, 0.8, 0.6, 0.4, 0.22, 0.1]


def battery(state, body):
    def draw(p):
        hit = p.rect(0.02, 0.06, 0.86, 0.94, MAGENTA)
        for i, j in hit:
            p.px[j][i] = body
        inner = p.rect(0.12, 0.24, 0.76, 0.76, MAGENTA)
        shape = set(hit) - set(inner)
        for i, j in hit:
            if (i, j) not in shape:
                p.px[j][i] = MAGENTA
        p.rect(0.86, 0.3, 0.98, 0.7, body)
        if state < 6:
            colour = GREEN if state < 4 else (ORANGE if state == 4 else RED)
            p.rect(0.16, 0.3, 0.16 + 0.56 * LEVEL_FILL[state], 0.7, colour)
        elif state == 6:
            p.rect(0.4, 0.3, 0.5, 0.56, GREY)
            p.rect(0.4, 0.62, 0.5, 0.7, GREY)
        elif state == 7:
            p.poly([(0.5, 0.26), (0.3, 0.54), (0.46, 0.54), (0.38, 0.76), (0.6, 0.44), (0.44, 0.44)], GOLD)
        else:
            p.rect(0.22, 0.42, 0.42, 0.58, TEAL)
            p.rect(0.42, 0.32, 0.56, 0.68, TEAL)
            p.rect(0.56, 0.38, 0.7, 0.44, TEAL)
            p.rect(0.56, 0.56, 0.7, 0.62, TEAL)
    return draw


BATTERY_ON_DARK = [battery(k, WHITE) for k in range(9)]
BATTERY_ON_LIGHT = [battery(k, BLACK) for k in range(9)]


def main():
    write_bmp("spin_icons.bmp", strip(LAUNCHER, 32, 32))
    write_bmp("spin_icons_vga.bmp", strip(LAUNCHER, 64, 64))
    write_bmp("spin_rows.bmp", strip(SETUP_ROWS, 16, 16))
    write_bmp("spin_rows_vga.bmp", strip(SETUP_ROWS, 32, 32))
    write_bmp("spin_boxes.bmp", strip([boxes], 40, 40))
    write_bmp("spin_ball.bmp", strip([orange_ball], 40, 40))
    write_bmp("spin_compass.bmp", strip([compass], 40, 40))
    write_bmp("spin_date_time.bmp", strip(DATE_TIME, 12, 12))
    write_bmp("spin_date_time_vga.bmp", strip(DATE_TIME, 30, 30))
    write_bmp("battery_dark.bmp", strip(BATTERY_ON_DARK, 16, 11))
    write_bmp("battery_dark_vga.bmp", strip(BATTERY_ON_DARK, 32, 22))
    write_bmp("battery_light.bmp", strip(BATTERY_ON_LIGHT, 16, 11))
    write_bmp("battery_light_vga.bmp", strip(BATTERY_ON_LIGHT, 32, 22))


if __name__ == "__main__":
    main()
