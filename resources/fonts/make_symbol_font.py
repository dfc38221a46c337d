#!/usr/bin/python3
"""Draws the phone's ten symbols and writes them as a TrueType font.

The symbols are the code page 949 characters 0xC9A1 to 0xC9AA, which the text
module maps to U+E000 to U+E009. Run with Debian's python3-fontforge:

    /usr/bin/python3 resources/fonts/make_symbol_font.py resources/fonts/PelodexSymbols.ttf

Coordinates are font units: an em of 1000, baseline at 0, ascent 880,
descent 120; every symbol is 1000 units wide like a Hangul syllable.
"""
import math
import sys

import fontforge

KAPPA = 0.5523


class Shape:
    """Collects closed contours; `hole` contours run the other way round."""

    def __init__(self, glyph):
        self.pen = glyph.glyphPen()

    def poly(self, points, hole=False):
        pts = list(reversed(points)) if hole else points
        self.pen.moveTo(pts[0])
        for p in pts[1:]:
            self.pen.lineTo(p)
        self.pen.closePath()

    def rect(self, x0, y0, x1, y1, hole=False):
        self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], hole)

    def ellipse(self, cx, cy, rx, ry, hole=False):
        kx, ky = rx * KAPPA, ry * KAPPA
        quarters = [
            ((cx + rx, cy + ky), (cx + kx, cy + ry), (cx, cy + ry)),
            ((cx - kx, cy + ry), (cx - rx, cy + ky), (cx - rx, cy)),
            ((cx - rx, cy - ky), (cx - kx, cy - ry), (cx, cy - ry)),
            ((cx + kx, cy - ry), (cx + rx, cy - ky), (cx + rx, cy)),
        ]
        if hole:
            self.pen.moveTo((cx + rx, cy))
            for c2, c1, p in [
                ((cx + rx, cy - ky), (cx + kx, cy - ry), (cx, cy - ry)),
                ((cx - kx, cy - ry), (cx - rx, cy - ky), (cx - rx, cy)),
                ((cx - rx, cy + ky), (cx - kx, cy + ry), (cx, cy + ry)),
                ((cx + kx, cy + ry), (cx + rx, cy + ky), (cx + rx, cy)),
            ]:
                self.pen.curveTo(c2, c1, p)
        else:
            self.pen.moveTo((cx + rx, cy))
            for c1, c2, p in quarters:
                self.pen.curveTo(c1, c2, p)
        self.pen.closePath()

    def ring(self, cx, cy, r, width):
        self.ellipse(cx, cy, r, r)
        self.ellipse(cx, cy, r - width, r - width, hole=True)

    def frame(self, x0, y0, x1, y1, width):
        self.rect(x0, y0, x1, y1)
        self.rect(x0 + width, y0 + width, x1 - width, y1 - width, hole=True)


def telephone(s):
    # Desk telephone: handset on top, body with a dial ring.
    s.poly([(110, 560), (170, 700), (830, 700), (890, 560), (750, 540), (720, 610),
            (280, 610), (250, 540)])
    s.poly([(200, 40), (800, 40), (760, 460), (240, 460)])
    s.ellipse(500, 250, 150, 150, hole=True)
    s.ellipse(500, 250, 90, 90)


def mobile(s):
    # Handset with antenna, screen and keys.
    s.rect(640, 640, 700, 860)
    s.frame(280, -60, 720, 660, 60)
    s.rect(360, 380, 640, 580)
    for row in range(3):
        for col in range(3):
            x = 370 + col * 95
            y = 40 + row * 100
            s.rect(x, y, x + 70, y + 60)


def pager(s):
    # Pager: wide body with a display window and one button.
    s.frame(80, 120, 920, 640, 60)
    s.rect(200, 360, 800, 540)
    s.rect(200, 210, 420, 290)
    s.rect(700, 640, 860, 700)


def mail(s):
    # Envelope with its flap.
    s.frame(90, 110, 910, 650, 55)
    s.poly([(145, 595), (200, 595), (500, 360), (800, 595), (855, 595), (500, 290)])


def house(s):
    # House: roof, walls and a door.
    s.poly([(60, 420), (500, 820), (940, 420), (860, 420), (500, 720), (140, 420)])
    s.poly([(170, 0), (830, 0), (830, 470), (500, 720), (170, 470)])
    s.rect(420, 0, 580, 260, hole=True)
    s.rect(250, 300, 370, 420, hole=True)
    s.rect(630, 300, 750, 420, hole=True)


def building(s):
    # Office building: a tall block with rows of windows.
    s.rect(200, -60, 800, 820)
    for row in range(6):
        for col in range(3):
            x = 270 + col * 170
            y = 660 - row * 120
            s.rect(x, y, x + 120, y + 75, hole=True)
    s.rect(440, -60, 560, 40, hole=True)


def heart(s):
    s.pen.moveTo((500, -20))
    s.pen.curveTo((300, 180), (80, 320), (80, 520))
    s.pen.curveTo((80, 680), (200, 780), (320, 780))
    s.pen.curveTo((420, 780), (480, 720), (500, 650))
    s.pen.curveTo((520, 720), (580, 780), (680, 780))
    s.pen.curveTo((800, 780), (920, 680), (920, 520))
    s.pen.curveTo((920, 320), (700, 180), (500, -20))
    s.pen.closePath()


def star(s):
    points = []
    for i in range(10):
        angle = math.pi / 2 + i * math.pi / 5
        radius = 460 if i % 2 == 0 else 185
        points.append((500 + radius * math.cos(angle), 330 + radius * math.sin(angle)))
    s.poly(points)


def note(s):
    # Two beamed eighth notes.
    s.ellipse(270, 130, 140, 100)
    s.ellipse(710, 200, 140, 100)
    s.rect(350, 140, 410, 760)
    s.rect(790, 210, 850, 830)
    s.poly([(350, 700), (850, 770), (850, 870), (350, 800)])


def smile(s):
    s.ring(500, 360, 440, 60)
    s.ellipse(350, 480, 55, 80)
    s.ellipse(650, 480, 55, 80)
    s.pen.moveTo((230, 280))
    s.pen.curveTo((300, 110), (700, 110), (770, 280))
    s.pen.lineTo((710, 300))
    s.pen.curveTo((650, 180), (350, 180), (290, 300))
    s.pen.closePath()


SYMBOLS = [telephone, mobile, pager, mail, house, building, heart, star, note, smile]


def main(out_path):
    font = fontforge.font()
    font.encoding = "UnicodeFull"
    font.fontname = "PelodexSymbols"
    font.familyname = "Pelodex Symbols"
    font.fullname = "Pelodex Symbols"
    font.copyright = "Drawn for the Pelodex suite."
    font.em = 1000
    font.ascent = 880
    font.descent = 120
    space = font.createChar(0x20, "space")
    space.width = 500
    for index, draw in enumerate(SYMBOLS):
        glyph = font.createChar(0xE000 + index, "uniE%03X" % index)
        draw(Shape(glyph))
        glyph.removeOverlap()
        glyph.correctDirection()
        glyph.round()
        glyph.width = 1000
    font.generate(out_path)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "PelodexSymbols.ttf")
