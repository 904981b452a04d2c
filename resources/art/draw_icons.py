#!/usr/bin/env python3
"""Draws the toolkit's icon strips and glyph bitmaps and writes them as 8-bit BMP files.

Run once from the repository root: python3 resources/art/draw_icons.py
Every picture is drawn in unit coordinates (0..1 across a cell), so one drawing serves every size;
magenta 0xFF00FF is the transparent colour.
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bitmaps")
MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (208, 208, 208)
DARK = (64, 64, 64)
RED = (210, 40, 40)
ORANGE = (240, 140, 20)
GOLD = (230, 190, 20)
GREEN = (40, 160, 60)
TEAL = (20, 150, 150)
BLUE = (40, 90, 210)
NAVY = (30, 40, 120)
PURPLE = (130, 60, 180)
PINK = (230, 90, 160)
BROWN = (140, 90, 40)
SKY = (120, 180, 240)
PAPER = (250, 250, 235)

ICON_COLOURS = [RED, ORANGE, GOLD, GREEN, TEAL, BLUE, NAVY, PURPLE, PINK, BROWN]


def darker(c, f=0.6):
    return tuple(int(v * f) for v in c)


class Cell:
    """One picture of w x h pixels; shapes are given in unit coordinates."""

    def __init__(self, w, h, back=MAGENTA):
        self.w, self.h = w, h
        self.px = [[back] * w for _ in range(h)]

    def _each(self, inside, colour):
        hit = []
        for j in range(self.h):
            for i in range(self.w):
                if inside((i + 0.5) / self.w, (j + 0.5) / self.h):
                    self.px[j][i] = colour
                    hit.append((i, j))
        return hit

    def rect(self, x0, y0, x1, y1, c):
        return self._each(lambda x, y: x0 <= x < x1 and y0 <= y < y1, c)

    def ellipse(self, cx, cy, rx, ry, c):
        return self._each(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, c)

    def circle(self, cx, cy, r, c):
        return self.ellipse(cx, cy, r, r * self.w / self.h, c)

    def ring(self, cx, cy, r, width, c):
        pw = max(width * self.w, 1.0) / self.w

        def inside(x, y):
            d = math.hypot(x - cx, (y - cy) * self.h / self.w)
            return abs(d - r) <= pw / 2

        return self._each(inside, c)

    def poly(self, pts, c):
        def inside(x, y):
            n, hit = len(pts), False
            for k in range(n):
                (xa, ya), (xb, yb) = pts[k], pts[(k + 1) % n]
                if (ya > y) != (yb > y) and x < (xb - xa) * (y - ya) / (yb - ya) + xa:
                    hit = not hit
            return hit

        return self._each(inside, c)

    def line(self, x0, y0, x1, y1, width, c):
        # Distances in pixels, so that a thin line stays at least one pixel wide at every size.
        half = max(width * self.w / 2, 0.55)
        ax, ay, bx, by = x0 * self.w, y0 * self.h, x1 * self.w, y1 * self.h

        def inside(x, y):
            px, py = x * self.w, y * self.h
            dx, dy = bx - ax, by - ay
            t = 0 if dx == dy == 0 else max(0, min(1, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
            return math.hypot(px - ax - t * dx, py - ay - t * dy) <= half

        return self._each(inside, c)

    def outline(self, hit, c):
        """Recolours the pixels of a filled shape that touch its outside."""
        shape = set(hit)
        for i, j in hit:
            if any((i + di, j + dj) not in shape for di, dj in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                self.px[j][i] = c

    def text_mark(self, c):
        pass


# ---- Pictograms: each draws into a cell with a main colour ----

def star(p, c):
    pts = []
    for k in range(10):
        r = 0.46 if k % 2 == 0 else 0.2
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((0.5 + r * math.cos(a), 0.54 + r * math.sin(a)))
    return p.poly(pts, c)


def heart(p, c):
    h = p.circle(0.3, 0.36, 0.22, c) + p.circle(0.7, 0.36, 0.22, c)
    return h + p.poly([(0.1, 0.46), (0.9, 0.46), (0.5, 0.92)], c)


def disc(p, c):
    return p.circle(0.5, 0.5, 0.42, c)


def square(p, c):
    return p.rect(0.12, 0.12, 0.88, 0.88, c)


def triangle(p, c):
    return p.poly([(0.5, 0.06), (0.95, 0.92), (0.05, 0.92)], c)


def diamond(p, c):
    return p.poly([(0.5, 0.04), (0.96, 0.5), (0.5, 0.96), (0.04, 0.5)], c)


def flag(p, c):
    p.line(0.18, 0.08, 0.18, 0.95, 0.12, DARK)
    return p.poly([(0.24, 0.08), (0.92, 0.28), (0.24, 0.52)], c)


def bell(p, c):
    h = p.poly([(0.3, 0.25), (0.7, 0.25), (0.82, 0.75), (0.18, 0.75)], c)
    h += p.circle(0.5, 0.3, 0.2, c)
    h += p.rect(0.08, 0.72, 0.92, 0.84, c)
    p.circle(0.5, 0.88, 0.09, DARK)
    return h


def house(p, c):
    h = p.poly([(0.5, 0.05), (0.95, 0.48), (0.05, 0.48)], c)
    h += p.rect(0.16, 0.46, 0.84, 0.94, c)
    p.rect(0.42, 0.62, 0.6, 0.94, WHITE)
    return h


def handset(p, c):
    h = p.line(0.24, 0.2, 0.76, 0.2, 0.2, c)
    h += p.rect(0.1, 0.18, 0.3, 0.4, c) + p.rect(0.7, 0.18, 0.9, 0.4, c)
    h += p.poly([(0.3, 0.45), (0.7, 0.45), (0.86, 0.9), (0.14, 0.9)], c)
    p.circle(0.5, 0.67, 0.1, WHITE)
    return h


def envelope(p, c):
    h = p.rect(0.06, 0.2, 0.94, 0.82, c)
    p.line(0.08, 0.22, 0.5, 0.55, 0.08, WHITE)
    p.line(0.92, 0.22, 0.5, 0.55, 0.08, WHITE)
    return h


def clock(p, c):
    h = p.circle(0.5, 0.5, 0.44, c)
    p.circle(0.5, 0.5, 0.32, WHITE)
    p.line(0.5, 0.5, 0.5, 0.26, 0.08, DARK)
    p.line(0.5, 0.5, 0.68, 0.5, 0.08, DARK)
    return h


def note(p, c):
    h = p.poly([(0.16, 0.06), (0.66, 0.06), (0.86, 0.26), (0.86, 0.94), (0.16, 0.94)], c)
    for y in (0.38, 0.56, 0.74):
        p.line(0.3, y, 0.72, y, 0.06, WHITE)
    return h


def check(p, c):
    return p.line(0.1, 0.55, 0.38, 0.84, 0.2, c) + p.line(0.38, 0.84, 0.9, 0.18, 0.2, c)


def cross(p, c):
    return p.line(0.15, 0.15, 0.85, 0.85, 0.2, c) + p.line(0.85, 0.15, 0.15, 0.85, 0.2, c)


def plus(p, c):
    return p.rect(0.38, 0.08, 0.62, 0.92, c) + p.rect(0.08, 0.38, 0.92, 0.62, c)


def person(p, c):
    h = p.circle(0.5, 0.28, 0.2, c)
    h += p.ellipse(0.5, 0.94, 0.4, 0.44, c)
    return h


def cup(p, c):
    h = p.rect(0.14, 0.28, 0.7, 0.86, c)
    h += p.ring(0.74, 0.52, 0.14, 0.08, c)
    p.rect(0.06, 0.86, 0.8, 0.94, DARK)
    return h


def book(p, c):
    h = p.rect(0.14, 0.08, 0.86, 0.92, c)
    p.rect(0.24, 0.08, 0.3, 0.92, darker(c))
    p.rect(0.42, 0.24, 0.76, 0.34, WHITE)
    return h


def key(p, c):
    h = p.circle(0.3, 0.38, 0.22, c)
    p.circle(0.3, 0.38, 0.08, WHITE)
    h += p.line(0.42, 0.5, 0.9, 0.9, 0.14, c)
    h += p.line(0.72, 0.75, 0.62, 0.88, 0.12, c)
    return h


def car(p, c):
    h = p.rect(0.06, 0.46, 0.94, 0.76, c)
    h += p.poly([(0.22, 0.46), (0.32, 0.2), (0.68, 0.2), (0.78, 0.46)], c)
    p.rect(0.36, 0.26, 0.64, 0.44, SKY)
    p.circle(0.26, 0.8, 0.12, DARK)
    p.circle(0.74, 0.8, 0.12, DARK)
    return h


def music(p, c):
    h = p.ellipse(0.3, 0.8, 0.18, 0.13, c) + p.ellipse(0.76, 0.7, 0.18, 0.13, c)
    h += p.rect(0.4, 0.12, 0.5, 0.8, c) + p.rect(0.86, 0.04, 0.94, 0.7, c)
    h += p.poly([(0.4, 0.1), (0.94, 0.02), (0.94, 0.2), (0.4, 0.28)], c)
    return h


PICTOGRAMS = [star, heart, disc, square, triangle, diamond, flag, bell, house, handset,
              envelope, clock, note, check, cross, plus, person, cup, book, key]


def custom_icon(p, index):
    shape = PICTOGRAMS[index // len(ICON_COLOURS)]
    colour = ICON_COLOURS[index % len(ICON_COLOURS)]
    hit = shape(p, colour)
    if p.w >= 12 and shape not in (check, cross):
        p.outline(hit, darker(colour))


# ---- Status icons (positions the painters name) ----

def padlock(p):
    p.ring(0.5, 0.38, 0.22, 0.12, DARK)
    p.rect(0.16, 0.44, 0.84, 0.94, GOLD)


def cake(p):
    p.rect(0.12, 0.5, 0.88, 0.92, PINK)
    p.rect(0.12, 0.62, 0.88, 0.7, WHITE)
    p.rect(0.44, 0.2, 0.56, 0.5, BLUE)
    p.circle(0.5, 0.12, 0.08, ORANGE)


def pie(p, quarters):
    p.circle(0.5, 0.5, 0.44, WHITE)
    p.ring(0.5, 0.5, 0.4, 0.1, GREEN)
    if quarters:
        p._each(lambda x, y: (x - 0.5) ** 2 + (y - 0.5) ** 2 <= 0.16 and
                (math.atan2(x - 0.5, 0.5 - y) % (2 * math.pi)) <= quarters * math.pi / 2 + 1e-9, GREEN)


def recurring(p):
    p.ring(0.5, 0.5, 0.34, 0.14, BLUE)
    p.rect(0.0, 0.42, 0.3, 0.58, MAGENTA)
    p.poly([(0.02, 0.4), (0.34, 0.4), (0.18, 0.64)], BLUE)


def page(p):
    note(p, PAPER)
    p.outline(note(Cell(p.w, p.h), PAPER), GREY)
    for y in (0.38, 0.56, 0.74):
        p.line(0.3, y, 0.72, y, 0.06, GREY)


def box(p, checked):
    p.rect(0.08, 0.08, 0.92, 0.92, WHITE)
    p.outline(p.rect(0.08, 0.08, 0.92, 0.92, WHITE), DARK)
    if checked:
        p.line(0.24, 0.52, 0.42, 0.72, 0.12, GREEN)
        p.line(0.42, 0.72, 0.78, 0.28, 0.12, GREEN)


def meeting(p):
    p.circle(0.3, 0.3, 0.16, BLUE)
    p.ellipse(0.3, 0.9, 0.26, 0.34, BLUE)
    p.circle(0.72, 0.36, 0.15, TEAL)
    p.ellipse(0.72, 0.94, 0.24, 0.32, TEAL)


def folder(p):
    p.rect(0.06, 0.2, 0.46, 0.34, GOLD)
    p.outline(p.rect(0.06, 0.3, 0.94, 0.88, GOLD), BROWN)


def chain(p):
    p.ring(0.34, 0.6, 0.2, 0.1, GREY)
    p.ring(0.66, 0.4, 0.2, 0.1, DARK)


def exclaim(p, c):
    p.rect(0.4, 0.08, 0.6, 0.64, c)
    p.rect(0.4, 0.76, 0.6, 0.94, c)


def down_arrow(p, c):
    p.rect(0.38, 0.08, 0.62, 0.5, c)
    p.poly([(0.1, 0.48), (0.9, 0.48), (0.5, 0.94)], c)


def paperclip(p):
    p.ring(0.5, 0.5, 0.3, 0.1, GREY)
    p.line(0.5, 0.3, 0.5, 0.8, 0.1, GREY)


STATUS_ICONS = [
    padlock,                              # 0 private
    lambda p: p.circle(0.5, 0.5, 0.22, GREY),  # 1
    cake,                                 # 2 birthday
    lambda p: heart(p, RED),              # 3 anniversary
    lambda p: pie(p, 0), lambda p: pie(p, 1), lambda p: pie(p, 2), lambda p: pie(p, 4),  # 4-7
    recurring,                            # 8 recurs
    page,                                 # 9 notes
    lambda p: bell(p, GOLD),              # 10 reminder
    lambda p: box(p, False),              # 11 unchecked
    lambda p: box(p, True),               # 12 checked
    lambda p: exclaim(p, RED),            # 13 high importance
    lambda p: down_arrow(p, BLUE),        # 14 low importance
    lambda p: flag(p, RED),               # 15
    paperclip,                            # 16
    lambda p: star(p, GOLD),              # 17
    meeting,                              # 18 meeting
    folder,                               # 19 project
    chain,                                # 20 links
]


# ---- Further lists ----

def arrow_in(p, c):
    p.line(0.9, 0.1, 0.55, 0.45, 0.12, c)
    p.poly([(0.45, 0.2), (0.45, 0.55), (0.8, 0.55)], c)


def arrow_out(p, c):
    p.line(0.5, 0.5, 0.85, 0.15, 0.12, c)
    p.poly([(0.95, 0.05), (0.95, 0.4), (0.6, 0.05)], c)


def cross_mark(p, c):
    p.line(0.62, 0.62, 0.94, 0.94, 0.1, c)
    p.line(0.94, 0.62, 0.62, 0.94, 0.1, c)


# The call kinds: outgoing and incoming that got through, outgoing that did not, and missed.
def call_cell(kind):
    def draw(p):
        handset(p, DARK)
        if kind == 0:
            arrow_out(p, GREEN)
        elif kind == 1:
            arrow_in(p, BLUE)
        elif kind == 2:
            arrow_out(p, GREY)
            cross_mark(p, RED)
        else:
            handset(p, RED)
            arrow_in(p, RED)
            cross_mark(p, RED)
    return draw


CALL_HISTORY = [call_cell(k) for k in range(4)]

# The call summary: outgoing, incoming and the number of calls first, then handsets in colours.
SUMMARY_COLOURS = [TEAL, ORANGE, PURPLE, NAVY, BROWN, PINK, GOLD, GREY, SKY]
CALL_SUMMARY = [call_cell(0), call_cell(1), lambda p: handset(p, GREEN)] + \
    [(lambda c: lambda p: handset(p, c))(c) for c in SUMMARY_COLOURS] + [lambda p: handset(p, DARK)]


def briefcase(p, c):
    p.ring(0.5, 0.3, 0.14, 0.08, c)
    p.outline(p.rect(0.08, 0.3, 0.92, 0.88, c), darker(c))


def mobile(p, c):
    p.outline(p.rect(0.28, 0.06, 0.72, 0.94, c), darker(c))
    p.rect(0.36, 0.16, 0.64, 0.56, SKY)


def pager(p, c):
    p.outline(p.rect(0.1, 0.26, 0.9, 0.78, c), darker(c))
    p.rect(0.2, 0.36, 0.8, 0.56, SKY)


def globe(p, c):
    p.circle(0.5, 0.5, 0.44, SKY)
    p.ring(0.5, 0.5, 0.42, 0.08, c)
    p.line(0.08, 0.5, 0.92, 0.5, 0.06, c)
    p.ellipse(0.5, 0.5, 0.16, 0.42, c)
    p.ellipse(0.5, 0.5, 0.09, 0.36, SKY)
    p.line(0.5, 0.08, 0.5, 0.92, 0.06, c)


FIELD_KINDS = [
    lambda p: house(p, GREEN),          # 0 home
    lambda p: briefcase(p, BROWN),      # 1 work
    lambda p: mobile(p, DARK),          # 2 mobile
    lambda p: pager(p, GREY),           # 3 pager
    lambda p: envelope(p, BLUE),        # 4 e-mail
    lambda p: globe(p, BLUE),           # 5 web page
    lambda p: house(p, TEAL),           # 6 second home
    lambda p: briefcase(p, ORANGE),     # 7 second work
    lambda p: envelope(p, PURPLE),      # 8 second e-mail
    lambda p: None,                     # 9 always empty
    lambda p: car(p, RED),              # 10 car
    lambda p: person(p, NAVY),          # 11 assistant
]


def cloud(p, c=LIGHT):
    p.circle(0.35, 0.55, 0.22, c)
    p.circle(0.62, 0.45, 0.26, c)
    p.rect(0.14, 0.55, 0.88, 0.78, c)


def sun(p):
    p.circle(0.5, 0.5, 0.3, GOLD)
    for k in range(8):
        a = k * math.pi / 4
        p.line(0.5 + 0.36 * math.cos(a), 0.5 + 0.36 * math.sin(a), 0.5 + 0.48 * math.cos(a),
               0.5 + 0.48 * math.sin(a), 0.06, ORANGE)


def drops(p, c):
    for x in (0.3, 0.55, 0.8):
        p.line(x, 0.82, x - 0.1, 0.98, 0.08, c)


WEATHER = [
    sun,                                                        # clear
    lambda p: (sun(p), cloud(p)),                               # partly cloudy
    lambda p: cloud(p),                                         # cloudy
    lambda p: (cloud(p, GREY), drops(p, BLUE)),                 # rain
    lambda p: (sun(p), cloud(p), drops(p, BLUE)),               # showers
    lambda p: (cloud(p, DARK), p.poly([(0.5, 0.6), (0.7, 0.6), (0.45, 1.0)], GOLD)),  # thunder
    lambda p: (cloud(p), drops(p, WHITE)),                      # snow
    lambda p: (cloud(p, GREY), drops(p, SKY)),                  # sleet
    lambda p: [p.rect(0.05, y, 0.95, y + 0.1, GREY) for y in (0.2, 0.45, 0.7)],  # fog
    lambda p: [p.line(0.05, y, 0.85, y, 0.08, TEAL) for y in (0.3, 0.55, 0.8)],  # wind
    lambda p: (p.circle(0.5, 0.5, 0.4, GOLD), p.circle(0.66, 0.38, 0.34, MAGENTA)),  # clear night
    lambda p: (cloud(p, GREY), drops(p, WHITE)),                # hail
    lambda p: (p.ring(0.5, 0.38, 0.22, 0.12, DARK), p.rect(0.44, 0.7, 0.58, 0.84, DARK)),  # unknown
]


def task_kind(p):
    box(p, True)


ITEM_KINDS = [
    task_kind,                              # 0 task
    lambda p: person(p, BLUE),              # 1 contact
    lambda p: clock(p, RED),                # 2 appointment
    lambda p: note(p, GOLD),                # 3 note
]


# ---- Glyphs ----

DROP_STYLES = [(LIGHT, DARK), (SKY, NAVY), ((150, 220, 150), (20, 90, 30)), (DARK, WHITE), (WHITE, GREY),
               ((235, 235, 235), BLACK)]


def drop_button(style, expanded):
    face, mark = DROP_STYLES[style]

    def draw(p):
        hit = p.rect(0.04, 0.06, 0.96, 0.94, face)
        p.outline(hit, darker(face, 0.55))
        if expanded:
            p.poly([(0.34, 0.36), (0.66, 0.36), (0.5, 0.7)], mark)
        else:
            p.poly([(0.42, 0.26), (0.62, 0.5), (0.42, 0.76)], mark)
    return draw


DROP_BUTTONS = [drop_button(cell // 2, cell % 2 == 0) for cell in range(12)]

BUSY = [((245, 245, 245), GREY), (SKY, BLUE), (BLUE, NAVY), (PURPLE, (70, 20, 100))]


def state_cell(group, kind):
    fill, edge = BUSY[group]

    def draw(p):
        if kind == 0:
            p.outline(p.rect(0.0, 0.0, 1.0, 1.0, fill), edge)
        elif kind == 1:
            p.outline(p.rect(0.0, 0.2, 1.0, 0.8, fill), edge)
        else:
            p.outline(p.rect(0.0, 0.0, 0.5, 1.0, fill), edge)
    return draw


STATE_GLYPHS = [state_cell(g, k) for g in range(4) for k in range(3)]
CHECK_GLYPHS = [lambda p: box(p, False), lambda p: box(p, True)]


def due(p):
    p.circle(0.5, 0.5, 0.46, RED)
    p.rect(0.42, 0.16, 0.58, 0.6, WHITE)
    p.rect(0.42, 0.7, 0.58, 0.84, WHITE)


TINY_MARKS = [
    lambda p: p.poly([(0.5, 0.0), (1.0, 1.0), (0.0, 1.0)], PINK),  # kind 2
    lambda p: p.rect(0.0, 0.0, 1.0, 1.0, ORANGE),                  # kind 1
    lambda p: p.rect(0.0, 0.0, 1.0, 1.0, RED),                     # task due
]


def contact_picture(back):
    def draw(p):
        p.rect(0, 0, 1, 1, back)
        p.circle(0.5, 0.36, 0.2, WHITE)
        p.ellipse(0.5, 1.02, 0.38, 0.4, WHITE)
    return draw


def calendar_page(p):
    p.outline(p.rect(0.06, 0.12, 0.94, 0.94, WHITE), DARK)
    p.rect(0.06, 0.12, 0.94, 0.34, RED)
    for x in (0.3, 0.7):
        p.rect(x - 0.05, 0.04, x + 0.05, 0.2, DARK)
    for y in (0.46, 0.62, 0.78):
        for x in (0.2, 0.42, 0.64):
            p.rect(x, y, x + 0.14, y + 0.1, GREY)


def pin(p, c):
    hit = p.circle(0.5, 0.36, 0.3, c)
    hit += p.poly([(0.24, 0.5), (0.76, 0.5), (0.5, 0.98)], c)
    p.circle(0.5, 0.36, 0.12, WHITE)
    return hit


def busy_block(p):
    # Half of the day taken, as the busy status shows a booked slot.
    p.outline(p.rect(0.1, 0.1, 0.9, 0.9, WHITE), NAVY)
    p.rect(0.1, 0.1, 0.9, 0.5, BLUE)


def category_tiles(p):
    for (x, y), c in zip(((0.06, 0.06), (0.54, 0.06), (0.06, 0.54), (0.54, 0.54)), (RED, GREEN, BLUE, GOLD)):
        p.rect(x, y, x + 0.4, y + 0.4, c)


def whole_day(p):
    # A day page with a sun on it: the event takes all of it.
    p.outline(p.rect(0.06, 0.12, 0.94, 0.94, WHITE), DARK)
    p.rect(0.06, 0.12, 0.94, 0.3, RED)
    p.circle(0.5, 0.62, 0.2, GOLD)


# The appointment form's field pictures, one for each field it labels.
FORM_FIELDS = [
    ("subject", lambda p: note(p, GOLD)),
    ("location", lambda p: pin(p, RED)),
    ("start", lambda p: clock(p, GREEN)),
    ("recur", recurring),
    ("end", lambda p: clock(p, RED)),
    ("reminder", lambda p: bell(p, ORANGE)),
    ("status", busy_block),
    ("categories", category_tiles),
    ("notes", page),
    ("allday", whole_day),
    ("private", padlock),
]


def right_arrow(p):
    p.poly([(0.15, 0.1), (0.85, 0.5), (0.15, 0.9)], DARK)


# ---- Writing ----

def strip(cells, w, h):
    pictures = []
    for draw in cells:
        cell = Cell(w, h)
        draw(cell)
        pictures.append(cell)
    return pictures


def write_bmp(name, pictures):
    w = sum(p.w for p in pictures)
    h = pictures[0].h
    rows = [[] for _ in range(h)]
    for p in pictures:
        for j in range(h):
            rows[j].extend(p.px[j])
    palette = [MAGENTA]
    for row in rows:
        for c in row:
            if c not in palette:
                palette.append(c)
    assert len(palette) <= 256, name
    index = {c: k for k, c in enumerate(palette)}
    stride = (w + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        data += bytes(index[c] for c in row) + bytes(stride - w)
    colours = 256
    table = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in palette) + bytes(4 * (colours - len(palette)))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(data), 2835, 2835, colours, 0)
    offset = 14 + len(header) + len(table)
    filehead = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(filehead + header + table + data)


def square_strip(name, cells, size):
    write_bmp(name, strip(cells, size, size))


def main():
    customs = [(lambda k: lambda p: custom_icon(p, k))(k) for k in range(200)]
    for size in (8, 12, 16, 24):
        square_strip("custom_icons_%d.bmp" % size, customs, size)
    for size in (8, 12, 24):
        square_strip("status_icons_%d.bmp" % size, STATUS_ICONS, size)
    square_strip("call_history_32.bmp", CALL_HISTORY, 32)
    square_strip("call_summary_16.bmp", CALL_SUMMARY, 16)
    for size in (8, 16, 24):
        square_strip("field_kinds_%d.bmp" % size, FIELD_KINDS, size)
    square_strip("weather_10.bmp", WEATHER, 10)
    for size in (16, 22, 32):
        square_strip("item_kinds_%d.bmp" % size, ITEM_KINDS, size)
    write_bmp("drop_buttons.bmp", strip(DROP_BUTTONS, 24, 14))
    write_bmp("drop_buttons_vga.bmp", strip(DROP_BUTTONS, 48, 25))
    write_bmp("drop_arrow.bmp", strip([right_arrow], 8, 11))
    write_bmp("drop_arrow_vga.bmp", strip([right_arrow], 16, 20))
    write_bmp("state_glyphs.bmp", strip(STATE_GLYPHS, 11, 8))
    write_bmp("state_glyphs_vga.bmp", strip(STATE_GLYPHS, 16, 14))
    for size in (8, 11, 13, 32):
        square_strip("check_glyphs_%d.bmp" % size, CHECK_GLYPHS, size)
    write_bmp("task_due.bmp", strip([due], 8, 8))
    write_bmp("task_due_vga.bmp", strip([due], 11, 12))
    square_strip("contact_picture.bmp", [contact_picture(GREY)], 48)
    square_strip("contact_picture_alt.bmp", [contact_picture(SKY)], 48)
    square_strip("tiny_marks.bmp", TINY_MARKS, 5)
    square_strip("month_picker.bmp", [calendar_page], 16)
    for name, draw in FORM_FIELDS:
        square_strip("appt_field_%s.bmp" % name, [draw], 9)
        square_strip("appt_field_%s_vga.bmp" % name, [draw], 18)


if __name__ == "__main__":
    main()
