#!/usr/bin/env python3
"""Generate Quarvel's card faces and icons as SVG files.

Usage: python3 outils/cartes_svg.py [output folder, default: ressources/]

Writes ressources/cartes/*.svg (78 faces) and ressources/icones/*.svg.
Standard library only. Output stays within what QtSvg (SVG Tiny 1.2)
renders: no filters, masks, clip paths, CSS, <use> or path arcs.
"""

import math
import os
import sys

FONT = 'font-family="DejaVu Sans, Arial, sans-serif" font-weight="bold"'

RED = "#c8102e"
BLACK = "#1b1b1f"
INK = "#26262b"
GOLD = "#e0a526"
GOLD_DARK = "#9c6b0e"
IVORY = "#fbf3de"
SKIN = "#f3d2b0"
SKIN_LINE = "#9b6b4a"

W, H = 180, 300


def n(v):
    """Short number text: files stay small and diffs stay stable."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(*coords):
    return " ".join(n(c) for c in coords)


def svg_doc(body, w=W, h=H, title=""):
    head = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
    )
    if title:
        head += f"<title>{title}</title>\n"
    return head + "\n".join(body) + "\n</svg>\n"


def circle_path(cx, cy, r):
    """Clockwise circle from cubics, for single-path shapes (no arcs in Tiny)."""
    k = 0.5523 * r
    return (
        f"M{pts(cx - r, cy)}C{pts(cx - r, cy - k, cx - k, cy - r, cx, cy - r)}"
        f"C{pts(cx + k, cy - r, cx + r, cy - k, cx + r, cy)}"
        f"C{pts(cx + r, cy + k, cx + k, cy + r, cx, cy + r)}"
        f"C{pts(cx - k, cy + r, cx - r, cy + k, cx - r, cy)}Z"
    )


def star_path(cx, cy, r_out, r_in, points=5, rot=-90):
    d = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / points)
        d.append(("M" if i == 0 else "L") + pts(cx + r * math.cos(a), cy + r * math.sin(a)))
    return "".join(d) + "Z"


def clip_rect(poly, x0, y0, x1, y1):
    """Clip a polygon to a rectangle: Tiny has no clip paths."""
    def cut(points, inside, meet):
        out = []
        for i, p in enumerate(points):
            q = points[i - 1]
            if inside(p):
                if not inside(q):
                    out.append(meet(q, p))
                out.append(p)
            elif inside(q):
                out.append(meet(q, p))
        return out

    def at_x(x):
        return lambda p, q: (x, p[1] + (q[1] - p[1]) * (x - p[0]) / (q[0] - p[0]))

    def at_y(y):
        return lambda p, q: (p[0] + (q[0] - p[0]) * (y - p[1]) / (q[1] - p[1]), y)

    poly = cut(poly, lambda p: p[0] >= x0, at_x(x0))
    poly = cut(poly, lambda p: p[0] <= x1, at_x(x1))
    poly = cut(poly, lambda p: p[1] >= y0, at_y(y0))
    return cut(poly, lambda p: p[1] <= y1, at_y(y1))


# --- suit symbols, drawn in a 100 x 100 box centred on 0,0 -------------------

SUIT_PATHS = {
    "COEUR": (
        "M0 44C-6 34-48 10-48-16C-48-36-33-46-21-46C-9-46-2-38 0-30"
        "C2-38 9-46 21-46C33-46 48-36 48-16C48 10 6 34 0 44Z"
    ),
    "PIQUE": (
        "M0-48C6-36 48-14 48 10C48 28 35 36 23 36C13 36 7 30 4 23"
        "C4 34 10 42 19 48L-19 48C-10 42-4 34-4 23"
        "C-7 30-13 36-23 36C-35 36-48 28-48 10C-48-14-6-36 0-48Z"
    ),
    "CARREAU": "M0-50C10-34 24-16 38 0C24 16 10 34 0 50C-10 34-24 16-38 0C-24-16-10-34 0-50Z",
    # Three lobes, a centre filler and a stem, all clockwise so nonzero fill unites them.
    "TREFLE": (
        circle_path(0, -25, 21) + circle_path(-23, 7, 21) + circle_path(23, 7, 21)
        + "M0-22L21 12L-21 12Z"
        + "M-4 4L4 4C4 30 10 42 19 48L-19 48C-10 42-4 30-4 4Z"
    ),
}

SUITS = ["PIQUE", "COEUR", "TREFLE", "CARREAU"]
SUIT_COLOUR = {"PIQUE": BLACK, "TREFLE": BLACK, "COEUR": RED, "CARREAU": RED}


def suit(kind, x, y, size, rot=0, colour=None, extra=""):
    """A suit symbol `size` units tall centred on x,y."""
    t = f"translate({n(x)} {n(y)})"
    if rot:
        t += f" rotate({n(rot)})"
    t += f" scale({n(size / 100)})"
    fill = colour or SUIT_COLOUR[kind]
    return f'<path transform="{t}" d="{SUIT_PATHS[kind]}" fill="{fill}"{extra}/>'


# --- shared card pieces ------------------------------------------------------

def card_base(fill="#ffffff"):
    return (
        f'<rect x="1.5" y="1.5" width="177" height="297" rx="12" ry="12" '
        f'fill="{fill}" stroke="{INK}" stroke-width="2.5"/>'
    )


DIGIT_ADVANCE = 0.696  # DejaVu Sans Bold figure width, in em


def text(x, y, s, size, fill, anchor="middle", squeeze=1.0, extra=""):
    """Bold text; `squeeze` narrows figures such as "10" horizontally.

    Squeezed text is start-anchored from a computed width because renderers
    disagree on how text-anchor interacts with a scaled transform.
    """
    if squeeze != 1.0:
        x0 = x - len(s) * DIGIT_ADVANCE * size * squeeze / 2
        return (
            f'<text transform="translate({n(x0)} {n(y)}) scale({n(squeeze)} 1)" x="0" y="0" '
            f'{FONT} font-size="{n(size)}" fill="{fill}"{extra}>{s}</text>'
        )
    return (
        f'<text x="{n(x)}" y="{n(y)}" {FONT} font-size="{n(size)}" fill="{fill}" '
        f'text-anchor="{anchor}"{extra}>{s}</text>'
    )


def both_corners(parts):
    """Top-left group plus the same group turned half a turn into the bottom-right."""
    g = "".join(parts)
    return [f"<g>{g}</g>", f'<g transform="rotate(180 90 150)">{g}</g>']


def suit_index(label, kind):
    colour = SUIT_COLOUR[kind]
    if len(label) > 1:
        # "10" is narrowed so it keeps the same height as single figures.
        label_svg = text(26, 47, label, 44, colour, squeeze=0.66)
    else:
        label_svg = text(24, 47, label, 44, colour)
    return both_corners([label_svg, suit(kind, 24, 73, 26)])


# --- pip cards ---------------------------------------------------------------

# Top and bottom rows sit off the index symbols' line so the index never
# reads as one more pip.
L, C, R = 62, 90, 118
TOP, BOT = 54, 246
ROWS4 = [TOP, 118, 182, BOT]
ROWS3 = [TOP, 150, BOT]

PIP_LAYOUT = {
    2: [(C, TOP), (C, BOT)],
    3: [(C, TOP), (C, 150), (C, BOT)],
    4: [(L, TOP), (R, TOP), (L, BOT), (R, BOT)],
    5: [(L, TOP), (R, TOP), (C, 150), (L, BOT), (R, BOT)],
    6: [(x, y) for y in ROWS3 for x in (L, R)],
    7: [(x, y) for y in ROWS3 for x in (L, R)] + [(C, 102)],
    8: [(x, y) for y in ROWS3 for x in (L, R)] + [(C, 102), (C, 198)],
    9: [(x, y) for y in ROWS4 for x in (L, R)] + [(C, 150)],
    10: [(x, y) for y in ROWS4 for x in (L, R)] + [(C, 86), (C, 214)],
}


def pip_card(kind, value):
    body = [card_base()]
    body += suit_index(str(value), kind)
    if value == 1:
        colour = SUIT_COLOUR[kind]
        # A thin ring makes the lone ace pip read as a deliberate emblem.
        body.append(f'<circle cx="90" cy="150" r="62" fill="none" stroke="{colour}" '
                    f'stroke-width="1.5" stroke-opacity="0.35"/>')
        body.append(f'<circle cx="90" cy="150" r="56" fill="none" stroke="{colour}" '
                    f'stroke-width="0.8" stroke-opacity="0.25"/>')
        body.append(suit(kind, 90, 150, 84))
    else:
        # Fewer pips leave room for bigger ones.
        size = {2: 44, 3: 42, 4: 38, 5: 38, 6: 38, 7: 35, 8: 35}.get(value, 31)
        for x, y in PIP_LAYOUT[value]:
            # Lower-half pips face the other way, as on printed cards.
            body.append(suit(kind, x, y, size, rot=180 if y > 150 else 0))
    return body


# --- court cards -------------------------------------------------------------

COURT = {
    11: ("V", "VALET", "#2f7f73", "#e3f1ee"),
    12: ("C", "CAVALIER", "#3d6b2b", "#e9f1e2"),
    13: ("D", "DAME", "#a4264f", "#f8e6ec"),
    14: ("R", "ROI", "#2a4c9a", "#e5ebf8"),
}

FX0, FY0, FX1, FY1 = 44, 16, 136, 284  # figure frame


def face(cx, cy, beard=False):
    """Head with a few calm features; beard for the king."""
    out = [f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="20" ry="24" fill="{SKIN}" '
           f'stroke="{SKIN_LINE}" stroke-width="1.2"/>']
    out.append(f'<circle cx="{n(cx - 7.5)}" cy="{n(cy - 2)}" r="2.3" fill="{INK}"/>')
    out.append(f'<circle cx="{n(cx + 7.5)}" cy="{n(cy - 2)}" r="2.3" fill="{INK}"/>')
    out.append(f'<path d="M{pts(cx - 12, cy - 9)}Q{pts(cx - 7.5, cy - 12, cx - 3, cy - 9)}'
               f'M{pts(cx + 3, cy - 9)}Q{pts(cx + 7.5, cy - 12, cx + 12, cy - 9)}" '
               f'fill="none" stroke="{SKIN_LINE}" stroke-width="1.4" stroke-linecap="round"/>')
    out.append(f'<path d="M{pts(cx, cy)}L{pts(cx - 2.5, cy + 7)}L{pts(cx + 1, cy + 7.5)}" '
               f'fill="none" stroke="{SKIN_LINE}" stroke-width="1.2" stroke-linecap="round" '
               f'stroke-linejoin="round"/>')
    out.append(f'<circle cx="{n(cx - 12)}" cy="{n(cy + 6)}" r="3.5" fill="#e89a86" fill-opacity="0.5"/>')
    out.append(f'<circle cx="{n(cx + 12)}" cy="{n(cy + 6)}" r="3.5" fill="#e89a86" fill-opacity="0.5"/>')
    if not beard:
        out.append(f'<path d="M{pts(cx - 5, cy + 13)}Q{pts(cx, cy + 16.5, cx + 5, cy + 13)}" '
                   f'fill="none" stroke="#b0483d" stroke-width="1.8" stroke-linecap="round"/>')
    return out


def bust(cx, top, colour, trim):
    """Shoulders and chest; `trim` colours the collar band."""
    out = [f'<path d="M{pts(cx - 44, 254)}L{pts(cx - 44, top + 44)}'
           f'C{pts(cx - 44, top + 14, cx - 28, top, cx, top)}'
           f'C{pts(cx + 28, top, cx + 44, top + 14, cx + 44, top + 44)}L{pts(cx + 44, 254)}Z" '
           f'fill="{colour}" stroke="{INK}" stroke-width="1.2"/>']
    out.append(f'<path d="M{pts(cx - 30, top + 6)}Q{pts(cx, top + 34, cx + 30, top + 6)}'
               f'L{pts(cx + 22, top + 2)}Q{pts(cx, top + 20, cx - 22, top + 2)}Z" '
               f'fill="{trim}" stroke="{INK}" stroke-width="0.8"/>')
    return out


def chest_badge(kind, cx, cy, r=19):
    return [f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}" fill="#ffffff" stroke="{GOLD_DARK}" stroke-width="2"/>',
            suit(kind, cx, cy + 0.5, r * 1.35)]


def figure_roi(kind, col):
    cx = 90
    out = bust(cx, 146, col, "#ffffff")
    # Ermine tails on the collar.
    for dx, dy in ((-18, 154), (0, 162), (18, 154)):
        out.append(f'<path d="M{pts(cx + dx, dy - 3)}L{pts(cx + dx - 2.2, dy + 3)}L{pts(cx + dx + 2.2, dy + 3)}Z" fill="{INK}"/>')
    out += [f'<rect x="{n(cx - 9)}" y="118" width="18" height="30" fill="{SKIN}" stroke="{SKIN_LINE}" stroke-width="1"/>']
    out += face(cx, 102, beard=True)
    # Beard and moustache in warm grey.
    out.append(f'<path d="M{pts(cx - 20, 104)}C{pts(cx - 20, 128, cx - 10, 142, cx, 144)}'
               f'C{pts(cx + 10, 142, cx + 20, 128, cx + 20, 104)}'
               f'C{pts(cx + 14, 114, cx + 8, 117, cx, 116)}C{pts(cx - 8, 117, cx - 14, 114, cx - 20, 104)}Z" '
               f'fill="#8a8580" stroke="#5c5752" stroke-width="1"/>')
    out.append(f'<path d="M{pts(cx, 110)}C{pts(cx - 4, 107.5, cx - 11, 107, cx - 15, 113)}'
               f'C{pts(cx - 10, 111.5, cx - 5, 113, cx, 112.5)}C{pts(cx + 5, 113, cx + 10, 111.5, cx + 15, 113)}'
               f'C{pts(cx + 11, 107, cx + 4, 107.5, cx, 110)}Z" fill="#6f6a65"/>')
    # Crown.
    out.append(f'<path d="M{pts(cx - 22, 86)}L{pts(cx - 25, 52)}L{pts(cx - 12, 68)}L{pts(cx, 44)}'
               f'L{pts(cx + 12, 68)}L{pts(cx + 25, 52)}L{pts(cx + 22, 86)}Z" fill="{GOLD}" '
               f'stroke="{GOLD_DARK}" stroke-width="1.5" stroke-linejoin="round"/>')
    out.append(f'<rect x="{n(cx - 23)}" y="78" width="46" height="9" rx="2" fill="{GOLD}" stroke="{GOLD_DARK}" stroke-width="1.2"/>')
    for x, y, r in ((cx - 25, 51, 3), (cx, 43, 3.4), (cx + 25, 51, 3)):
        out.append(f'<circle cx="{n(x)}" cy="{n(y)}" r="{n(r)}" fill="{GOLD}" stroke="{GOLD_DARK}" stroke-width="1"/>')
    out.append(f'<circle cx="{n(cx)}" cy="82.5" r="3" fill="#c8102e"/>')
    out.append(f'<circle cx="{n(cx - 13)}" cy="82.5" r="2.2" fill="#1f7a4d"/>')
    out.append(f'<circle cx="{n(cx + 13)}" cy="82.5" r="2.2" fill="#1f7a4d"/>')
    out += chest_badge(kind, cx, 208)
    return out


def figure_dame(kind, col):
    cx = 90
    # Long hair falls behind the shoulders.
    hair = "#6b3a24"
    out = [f'<path d="M{pts(cx - 24, 100)}C{pts(cx - 30, 70, cx + 30, 70, cx + 24, 100)}'
           f'C{pts(cx + 30, 130, cx + 36, 150, cx + 30, 172)}L{pts(cx - 30, 172)}'
           f'C{pts(cx - 36, 150, cx - 30, 130, cx - 24, 100)}Z" fill="{hair}" stroke="#40220f" stroke-width="1"/>']
    out += bust(cx, 150, col, GOLD)
    # Neckline shows skin above the gown.
    out.append(f'<path d="M{pts(cx - 9, 120)}L{pts(cx + 9, 120)}L{pts(cx + 9, 146)}'
               f'Q{pts(cx + 20, 152, cx, 176)}Q{pts(cx - 20, 152, cx - 9, 146)}Z" fill="{SKIN}" '
               f'stroke="{SKIN_LINE}" stroke-width="1"/>')
    for i in range(-4, 5):
        a = i / 4
        out.append(f'<circle cx="{n(cx + a * 12)}" cy="{n(150 + (1 - a * a) * 8)}" r="2" fill="#ffffff" stroke="#b9b2a8" stroke-width="0.6"/>')
    out += face(cx, 104)
    # Fringe over the forehead.
    out.append(f'<path d="M{pts(cx - 21, 100)}C{pts(cx - 20, 80, cx + 20, 80, cx + 21, 100)}'
               f'C{pts(cx + 12, 88, cx - 4, 86, cx - 21, 100)}Z" fill="{hair}"/>')
    # Tiara.
    out.append(f'<path d="M{pts(cx - 18, 86)}Q{pts(cx, 74, cx + 18, 86)}L{pts(cx + 12, 76)}L{pts(cx + 6, 78)}'
               f'L{pts(cx, 62)}L{pts(cx - 6, 78)}L{pts(cx - 12, 76)}Z" fill="{GOLD}" stroke="{GOLD_DARK}" '
               f'stroke-width="1.2" stroke-linejoin="round"/>')
    out.append(f'<circle cx="{n(cx)}" cy="75" r="3" fill="#2a7bd6" stroke="#ffffff" stroke-width="0.8"/>')
    out += chest_badge(kind, cx, 214)
    return out


def figure_cavalier(kind, col):
    cx = 90
    coat = "#9a5b2e"
    line = "#4a2a12"
    out = []
    # Caparison over the chest, drawn first so the neck sits on it.
    out.append(f'<path d="M{pts(cx - 44, 254)}L{pts(cx - 44, 214)}Q{pts(cx, 196, cx + 44, 214)}'
               f'L{pts(cx + 44, 254)}Z" fill="{col}" stroke="{INK}" stroke-width="1.2"/>')
    # Plume behind the ears, sweeping back over the mane.
    out.append(f'<path d="M{pts(cx + 4, 84)}C{pts(cx + 8, 60, cx + 30, 42, cx + 42, 34)}'
               f'C{pts(cx + 44, 52, cx + 36, 72, cx + 24, 90)}Z" fill="#ffffff" stroke="#8a8a8a" stroke-width="1"/>')
    out.append(f'<path d="M{pts(cx + 8, 86)}C{pts(cx + 16, 66, cx + 30, 56, cx + 42, 34)}'
               f'C{pts(cx + 36, 60, cx + 30, 76, cx + 20, 92)}Z" fill="{GOLD}" stroke="{GOLD_DARK}" stroke-width="1"/>')
    # Horse head in profile, facing left.
    out.append(
        f'<path d="M{pts(cx + 34, 222)}C{pts(cx + 38, 180, cx + 34, 130, cx + 18, 98)}'
        f'L{pts(cx + 22, 62)}L{pts(cx + 8, 82)}L{pts(cx + 2, 60)}L{pts(cx - 6, 86)}'
        f'C{pts(cx - 18, 96, cx - 28, 116, cx - 36, 140)}'
        f'C{pts(cx - 42, 154, cx - 44, 166, cx - 38, 172)}'
        f'C{pts(cx - 32, 178, cx - 20, 176, cx - 12, 170)}'
        f'C{pts(cx - 6, 166, cx - 2, 166, cx + 2, 170)}'
        f'C{pts(cx + 2, 188, cx - 6, 206, cx - 16, 222)}Z" '
        f'fill="{coat}" stroke="{line}" stroke-width="1.5" stroke-linejoin="round"/>')
    # Mane along the neck.
    out.append(
        f'<path d="M{pts(cx + 18, 86)}C{pts(cx + 34, 110, cx + 44, 150, cx + 40, 214)}'
        f'L{pts(cx + 32, 204)}L{pts(cx + 34, 180)}L{pts(cx + 28, 168)}L{pts(cx + 30, 144)}'
        f'L{pts(cx + 22, 130)}L{pts(cx + 22, 112)}L{pts(cx + 12, 100)}Z" fill="#3b2414"/>')
    # Blaze, eye, nostril.
    out.append(f'<path d="M{pts(cx - 10, 96)}Q{pts(cx - 26, 124, cx - 36, 158)}L{pts(cx - 31, 160)}'
               f'Q{pts(cx - 22, 126, cx - 6, 98)}Z" fill="#f4ece0"/>')
    out.append(f'<ellipse cx="{n(cx - 6)}" cy="116" rx="4" ry="3.2" fill="{INK}"/>')
    out.append(f'<circle cx="{n(cx - 7)}" cy="115" r="1" fill="#ffffff"/>')
    out.append(f'<ellipse cx="{n(cx - 34)}" cy="164" rx="2.5" ry="3.5" fill="{line}"/>')
    # Bridle in the card's colour with gold studs.
    out.append(f'<path d="M{pts(cx - 30, 150)}L{pts(cx + 8, 138)}L{pts(cx + 14, 98)}'
               f'M{pts(cx - 2, 90)}L{pts(cx + 14, 98)}M{pts(cx + 8, 138)}L{pts(cx + 2, 168)}" fill="none" stroke="{col}" '
               f'stroke-width="4" stroke-linecap="round" stroke-linejoin="round"/>')
    for x, y in ((cx - 30, 150), (cx + 8, 138), (cx + 14, 98)):
        out.append(f'<circle cx="{n(x)}" cy="{n(y)}" r="3.2" fill="{GOLD}" stroke="{GOLD_DARK}" stroke-width="0.8"/>')
    out += chest_badge(kind, cx, 236, r=15)
    return out


def figure_valet(kind, col):
    cx = 90
    out = bust(cx, 150, col, "#f4ece0")
    # Tunic buttons.
    for y in (186, 236):
        out.append(f'<circle cx="{n(cx)}" cy="{y}" r="2.6" fill="{GOLD}" stroke="{GOLD_DARK}" stroke-width="0.8"/>')
    out.append(f'<rect x="{n(cx - 8)}" y="122" width="16" height="30" fill="{SKIN}" stroke="{SKIN_LINE}" stroke-width="1"/>')
    hair = "#c08a3e"
    out.append(f'<path d="M{pts(cx - 22, 100)}C{pts(cx - 26, 120, cx - 22, 130, cx - 14, 132)}'
               f'L{pts(cx + 14, 132)}C{pts(cx + 22, 130, cx + 26, 120, cx + 22, 100)}Z" fill="{hair}" stroke="#7a5320" stroke-width="1"/>')
    out += face(cx, 106)
    # Soft cap with a brim, tilted, and a long feather.
    out.append(f'<path d="M{pts(cx + 16, 74)}C{pts(cx + 30, 54, cx + 60, 40, cx + 42, 28)}'
               f'C{pts(cx + 40, 44, cx + 28, 58, cx + 12, 76)}Z" fill="#ffffff" stroke="#8a8a8a" stroke-width="1"/>')
    out.append(f'<path d="M{pts(cx - 26, 92)}C{pts(cx - 30, 66, cx - 4, 58, cx + 22, 70)}'
               f'C{pts(cx + 30, 74, cx + 30, 86, cx + 24, 92)}Z" fill="{col}" stroke="{INK}" stroke-width="1.2"/>')
    out.append(f'<path d="M{pts(cx - 28, 94)}Q{pts(cx, 84, cx + 28, 94)}L{pts(cx + 26, 98)}'
               f'Q{pts(cx, 90, cx - 26, 98)}Z" fill="{GOLD}" stroke="{GOLD_DARK}" stroke-width="0.8"/>')
    out += chest_badge(kind, cx, 212)
    return out


FIGURES = {11: figure_valet, 12: figure_cavalier, 13: figure_dame, 14: figure_roi}


def court_card(kind, value, gid):
    letter, name, col, tint = COURT[value]
    body = [card_base()]
    body += suit_index(letter, kind)
    body.append(f'<defs><linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
                f'<stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="{tint}"/>'
                f'</linearGradient></defs>')
    body.append(f'<rect x="{FX0}" y="{FY0}" width="{FX1 - FX0}" height="{FY1 - FY0}" rx="8" '
                f'fill="url(#{gid})" stroke="{col}" stroke-width="3"/>')
    body += FIGURES[value](kind, col)
    # Name plate closes the frame and tells the rank at a glance.
    body.append(f'<path d="M{FX0} 254L{FX1} 254L{FX1} {FY1 - 8}Q{FX1} {FY1} {FX1 - 8} {FY1}'
                f'L{FX0 + 8} {FY1}Q{FX0} {FY1} {FX0} {FY1 - 8}Z" fill="{col}"/>')
    body.append(text(90, 274, name, 15 if len(name) < 8 else 12.5, "#ffffff"))
    body.append(f'<rect x="{FX0}" y="{FY0}" width="{FX1 - FX0}" height="{FY1 - FY0}" rx="8" '
                f'fill="none" stroke="{col}" stroke-width="3"/>')
    body.append(f'<rect x="{FX0 + 4}" y="{FY0 + 4}" width="{FX1 - FX0 - 8}" height="{FY1 - FY0 - 8}" rx="5" '
                f'fill="none" stroke="{GOLD}" stroke-width="1" stroke-opacity="0.8"/>')
    return body


# --- trumps ------------------------------------------------------------------

TRUMP_INK = "#1d3461"
TRUMP_ACCENT = "#c0562b"
TRUMP_BAND = "#f0ddb0"
PX0, PY0, PX1, PY1 = 12, 12, 168, 288  # decorated panel


def trump_badge(label, fill, fg, star=False):
    """Corner badge: a coloured tab sets trumps apart from suit cards even when tiny."""
    parts = [f'<path d="M1.5 58L1.5 13.5Q1.5 1.5 13.5 1.5L66 1.5L66 46Q66 58 54 58Z" fill="{fill}"/>']
    if star:
        parts.append(f'<path d="{star_path(33.5, 30.5, 22, 9)}" fill="{fg}"/>')
    else:
        parts.append(text(33.5, 45, label, 40, fg, squeeze=0.86 if len(label) > 1 else 1.0))
    return both_corners(parts)


def trump_card(number, gid):
    bout = number in (1, 21)
    body = [card_base(IVORY)]
    body.append(f'<defs><linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">'
                f'<stop offset="0" stop-color="#fffaf0"/><stop offset="0.5" stop-color="{IVORY}"/>'
                f'<stop offset="1" stop-color="#fffaf0"/></linearGradient></defs>')
    # Panel: framed, with ivory and sand bands and a coloured ornament.
    body.append(f'<rect x="{PX0}" y="{PY0}" width="{PX1 - PX0}" height="{PY1 - PY0}" rx="8" '
                f'fill="url(#{gid})" stroke="{TRUMP_INK}" stroke-width="2"/>')
    for y0, y1 in ((66, 84), (216, 234)):
        body.append(f'<rect x="{PX0 + 1}" y="{y0}" width="{PX1 - PX0 - 2}" height="{y1 - y0}" fill="{TRUMP_BAND}"/>')
        body.append(f'<path d="M{PX0 + 1} {y0}L{PX1 - 1} {y0}M{PX0 + 1} {y1}L{PX1 - 1} {y1}" '
                    f'stroke="{TRUMP_ACCENT}" stroke-width="1.5"/>')
        # Row of small diamonds in the band.
        ym = (y0 + y1) / 2
        for i in range(9):
            x = 26 + i * 16
            body.append(f'<path d="M{pts(x, ym - 5)}L{pts(x + 4, ym)}L{pts(x, ym + 5)}L{pts(x - 4, ym)}Z" '
                        f'fill="{TRUMP_ACCENT}"/>')
    # Rays from the medallion fill the middle band.
    band = (PX0 + 1, 85, PX1 - 1, 215)
    for i in range(24):
        a = math.radians(i * 15 + 7.5)
        tri = [(90 + 50 * math.cos(a), 150 + 50 * math.sin(a))]
        for da in (-3.2, 3.2):
            b = a + math.radians(da)
            tri.append((90 + 200 * math.cos(b), 150 + 200 * math.sin(b)))
        poly = clip_rect(tri, *band)
        d = "M" + "L".join(pts(x, y) for x, y in poly) + "Z"
        body.append(f'<path d="{d}" fill="{TRUMP_ACCENT}" fill-opacity="0.2"/>')
    ring = GOLD if bout else TRUMP_ACCENT
    body.append(f'<ellipse cx="90" cy="150" rx="56" ry="58" fill="#ffffff" stroke="{ring}" stroke-width="{5 if bout else 3}"/>')
    body.append(f'<ellipse cx="90" cy="150" rx="49" ry="51" fill="none" stroke="{TRUMP_INK}" stroke-width="1.2"/>')
    if bout:
        # The three bouts carry a star so they stand out in a fanned hand.
        for x in (42, 138):
            body.append(f'<path d="{star_path(x, 150, 8, 3.4)}" fill="{GOLD}" stroke="{GOLD_DARK}" stroke-width="0.8"/>')
    label = str(number)
    body.append(text(90, 176, label, 72, TRUMP_INK, squeeze=0.84 if len(label) > 1 else 1.0))
    # Small top and bottom ornaments between the corner tabs.
    for y, rot in ((38, 0), (262, 180)):
        body.append(f'<g transform="rotate({rot} 90 150)">'
                    f'<path d="M{pts(80, 38)}Q{pts(96, 24, 112, 38)}Q{pts(128, 24, 144, 38)}" fill="none" '
                    f'stroke="{TRUMP_ACCENT}" stroke-width="2" stroke-linecap="round"/>'
                    f'<circle cx="112" cy="44" r="3" fill="{TRUMP_INK}"/></g>')
    body += trump_badge(label, TRUMP_INK, "#ffffff")
    return body


EXCUSE_BG = "#3b1f63"


def excuse_card(gid):
    body = [card_base(IVORY)]
    body.append(f'<defs><radialGradient id="{gid}" cx="90" cy="150" r="150" gradientUnits="userSpaceOnUse">'
                f'<stop offset="0" stop-color="#6b3fa6"/><stop offset="1" stop-color="{EXCUSE_BG}"/>'
                f'</radialGradient></defs>')
    body.append(f'<rect x="{PX0}" y="{PY0}" width="{PX1 - PX0}" height="{PY1 - PY0}" rx="8" '
                f'fill="url(#{gid})" stroke="{GOLD}" stroke-width="2.5"/>')
    # Scattered small stars.
    for x, y, r in ((130, 76, 4), (150, 118, 3), (34, 120, 3.5), (44, 206, 4), (140, 214, 3),
                    (104, 250, 3.5), (28, 170, 2.5), (152, 168, 2.5), (60, 244, 2.5), (86, 62, 2.5)):
        body.append(f'<path d="{star_path(x, y, r, r * 0.42)}" fill="#f7e7a8"/>')
    # Jester's cap: three floppy points with bells.
    cap = [
        ("M58 132Q40 112 26 82Q52 92 72 120Z", "#d13b4b"),
        ("M122 132Q140 112 154 82Q128 92 108 120Z", "#2fa38a"),
        ("M66 128Q74 86 90 48Q106 86 114 128Z", GOLD),
    ]
    for d, c in cap:
        body.append(f'<path d="{d}" fill="{c}" stroke="#1b0f2e" stroke-width="1.5" stroke-linejoin="round"/>')
    for x, y in ((26, 82), (154, 82), (90, 48)):
        body.append(f'<circle cx="{x}" cy="{y}" r="6" fill="{GOLD}" stroke="#1b0f2e" stroke-width="1.2"/>')
    body.append(f'<path d="M54 124Q90 112 126 124L126 138Q90 128 54 138Z" fill="#f4ece0" stroke="#1b0f2e" stroke-width="1.5"/>')
    # Big star, the card's emblem.
    body.append(f'<path d="{star_path(90, 190, 52, 21)}" fill="{GOLD}" stroke="#fff4c2" stroke-width="2.5" stroke-linejoin="round"/>')
    body.append(f'<path d="{star_path(90, 190, 26, 10.5)}" fill="#f7d26a"/>')
    body += trump_badge("", EXCUSE_BG, GOLD, star=True)
    return body


# --- icons -------------------------------------------------------------------

def icon_doc(body, size=64, title=""):
    return svg_doc(body, size, size, title)


GLYPH = "#34495e"
GLYPH_ACCENT = "#2e86c1"


def mini_card(x, y, w, h, fill="#ffffff", stroke=GLYPH, sw=3.5):
    return f'<rect x="{n(x)}" y="{n(y)}" width="{n(w)}" height="{n(h)}" rx="5" fill="{fill}" stroke="{stroke}" stroke-width="{n(sw)}"/>'


def glyph_nouvelle():
    return [mini_card(10, 6, 32, 46),
            suit("COEUR", 26, 27, 18),
            f'<circle cx="46" cy="46" r="14" fill="#27ae60"/>',
            f'<path d="M46 38L46 54M38 46L54 46" stroke="#ffffff" stroke-width="4.5" stroke-linecap="round"/>']


def arrow_circle(cx, cy, r, a0, a1, colour, width):
    """Open ring from a0 to a1 degrees with an arrow head at a1 (cubics, no arcs)."""
    steps = 24
    d = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        d.append(("M" if i == 0 else "L") + pts(cx + r * math.cos(a), cy + r * math.sin(a)))
    a = math.radians(a1)
    tip_dir = math.radians(a1 + (90 if a1 > a0 else -90))
    ex, ey = cx + r * math.cos(a), cy + r * math.sin(a)
    hx, hy = ex + 13 * math.cos(tip_dir), ey + 13 * math.sin(tip_dir)
    nx, ny = math.cos(a), math.sin(a)
    head = (f"M{pts(ex + 11 * nx, ey + 11 * ny)}L{pts(hx, hy)}L{pts(ex - 11 * nx, ey - 11 * ny)}Z")
    return [f'<path d="{"".join(d)}" fill="none" stroke="{colour}" stroke-width="{width}" stroke-linecap="round"/>',
            f'<path d="{head}" fill="{colour}" stroke="{colour}" stroke-width="1.5" stroke-linejoin="round"/>']


def glyph_rejouer():
    return arrow_circle(32, 34, 21, -30, 246, GLYPH_ACCENT, 6.5) + [suit("COEUR", 32, 35, 20)]


def glyph_deductions():
    return [f'<circle cx="27" cy="27" r="17" fill="#eaf4fb" stroke="{GLYPH}" stroke-width="5"/>',
            text(27, 35, "D", 22, GLYPH_ACCENT),
            f'<path d="M39 39L56 56" stroke="{GLYPH}" stroke-width="8" stroke-linecap="round"/>']


def glyph_scores():
    out = [f'<path d="M8 56L58 56" stroke="{GLYPH}" stroke-width="4" stroke-linecap="round"/>']
    for x, h, c in ((12, 20, "#5dade2"), (26, 34, GLYPH_ACCENT), (40, 44, "#f39c12")):
        out.append(f'<rect x="{x}" y="{54 - h}" width="11" height="{h}" rx="2" fill="{c}"/>')
    out.append(f'<path d="{star_path(52, 14, 9, 4)}" fill="#f1c40f"/>')
    return out


def glyph_aide():
    return [f'<circle cx="32" cy="32" r="27" fill="{GLYPH_ACCENT}"/>',
            text(32, 46, "?", 40, "#ffffff")]


def glyph_effacer():
    # An eraser: wipes the replay table.
    return [f'<path d="M12 40L34 14L54 32L36 54L22 54Z" fill="#f5b7b1" stroke="{GLYPH}" stroke-width="3.5" stroke-linejoin="round"/>',
            f'<path d="M12 40L24 28L44 46L36 54L22 54Z" fill="#e74c3c" stroke="{GLYPH}" stroke-width="3.5" stroke-linejoin="round"/>',
            f'<path d="M30 58L56 58" stroke="{GLYPH}" stroke-width="3.5" stroke-linecap="round"/>']


def glyph_lecture():
    return [f'<path d="M8 12L32 32L8 52Z" fill="#27ae60" stroke="#1e8449" stroke-width="2" stroke-linejoin="round"/>',
            f'<rect x="38" y="12" width="7" height="40" rx="2" fill="{GLYPH}"/>',
            f'<rect x="50" y="12" width="7" height="40" rx="2" fill="{GLYPH}"/>']


def glyph_pas():
    return [f'<path d="M12 12L40 32L12 52Z" fill="{GLYPH_ACCENT}" stroke="{GLYPH_ACCENT}" stroke-width="2" stroke-linejoin="round"/>',
            f'<rect x="44" y="12" width="8" height="40" rx="2" fill="{GLYPH}"/>']


def glyph_arriere():
    return [f'<path d="M52 12L24 32L52 52Z" fill="{GLYPH_ACCENT}" stroke="{GLYPH_ACCENT}" stroke-width="2" stroke-linejoin="round"/>',
            f'<rect x="12" y="12" width="8" height="40" rx="2" fill="{GLYPH}"/>']


def glyph_tout():
    # Four cards as a trick laid out: show every card at once.
    return [mini_card(22, 4, 20, 26, sw=2.5), mini_card(4, 20, 20, 26, sw=2.5),
            mini_card(40, 20, 20, 26, sw=2.5), mini_card(22, 36, 20, 26, sw=2.5),
            suit("PIQUE", 32, 17, 11), suit("COEUR", 14, 33, 11), suit("CARREAU", 50, 33, 11),
            suit("TREFLE", 32, 49, 11)]


def glyph_couleur():
    out = [f'<path d="M32 6C15 6 5 19 5 32C5 47 17 58 30 58C36 58 36 52 33 49C30 45 33 41 38 41'
           f'L45 41C53 41 59 36 59 28C59 15 47 6 32 6Z" fill="#f6e1b8" stroke="{GLYPH}" stroke-width="3" stroke-linejoin="round"/>']
    for x, y, c in ((20, 24, "#e74c3c"), (32, 16, "#f1c40f"), (45, 22, "#27ae60"), (17, 39, GLYPH_ACCENT)):
        out.append(f'<circle cx="{x}" cy="{y}" r="5.5" fill="{c}"/>')
    return out


def glyph_imprimer():
    return [f'<rect x="18" y="6" width="28" height="18" fill="#ffffff" stroke="{GLYPH}" stroke-width="3"/>',
            f'<rect x="6" y="22" width="52" height="24" rx="5" fill="{GLYPH}"/>',
            f'<circle cx="50" cy="30" r="2.5" fill="#2ecc71"/>',
            f'<rect x="16" y="36" width="32" height="22" fill="#ffffff" stroke="{GLYPH}" stroke-width="3"/>',
            f'<path d="M22 44L42 44M22 51L36 51" stroke="{GLYPH_ACCENT}" stroke-width="2.5" stroke-linecap="round"/>']


GLYPHS = {
    "nouvelle": glyph_nouvelle, "rejouer": glyph_rejouer, "deductions": glyph_deductions,
    "scores": glyph_scores, "aide": glyph_aide, "effacer": glyph_effacer, "lecture": glyph_lecture,
    "pas": glyph_pas, "arriere": glyph_arriere, "tout": glyph_tout, "couleur": glyph_couleur,
    "imprimer": glyph_imprimer,
}


def app_icon():
    body = [f'<defs><radialGradient id="tapis" cx="128" cy="110" r="170" gradientUnits="userSpaceOnUse">'
            f'<stop offset="0" stop-color="#2f8f5b"/><stop offset="1" stop-color="#145232"/></radialGradient></defs>',
            '<rect x="8" y="8" width="240" height="240" rx="48" fill="url(#tapis)"/>']
    # Back card: a heart king's colour, tilted left.
    back = [f'<rect x="-48" y="-80" width="96" height="160" rx="10" fill="#ffffff" stroke="{INK}" stroke-width="3"/>',
            text(-30, -48, "R", 28, RED), suit("COEUR", -30, -28, 16), suit("COEUR", 0, 10, 56)]
    body.append(f'<g transform="translate(100 132) rotate(-14)">{"".join(back)}</g>')
    front = [f'<rect x="-48" y="-80" width="96" height="160" rx="10" fill="{IVORY}" stroke="{INK}" stroke-width="3"/>',
             f'<ellipse cx="0" cy="0" rx="36" ry="40" fill="#ffffff" stroke="{GOLD}" stroke-width="5"/>',
             text(0, 19, "21", 52, TRUMP_INK, squeeze=0.84),
             f'<path d="M-48 -44L-48 -70Q-48 -80 -38 -80L-10 -80L-10 -54Q-10 -44 -20 -44Z" fill="{TRUMP_INK}"/>',
             text(-29, -52, "21", 22, "#ffffff", squeeze=0.84)]
    body.append(f'<g transform="translate(156 132) rotate(12)">{"".join(front)}</g>')
    return body


# --- output ------------------------------------------------------------------

def write(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(content)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ressources")
    cards = os.path.join(root, "cartes")
    icons = os.path.join(root, "icones")
    count = 0
    for number in range(1, 22):
        write(os.path.join(cards, f"ATOUT{number}.svg"), svg_doc(trump_card(number, f"g{number}"), title=f"Atout {number}"))
        count += 1
    write(os.path.join(cards, "ATOUT22.svg"), svg_doc(excuse_card("g22"), title="Excuse"))
    count += 1
    for kind in SUITS:
        for value in range(1, 15):
            if value <= 10:
                body = pip_card(kind, value)
            else:
                body = court_card(kind, value, f"g{kind[0]}{value}")
            write(os.path.join(cards, f"{kind}{value}.svg"), svg_doc(body, title=f"{kind} {value}"))
            count += 1
    for kind in SUITS:
        write(os.path.join(icons, f"{kind.lower()}.svg"), icon_doc([suit(kind, 32, 32, 56)]))
    for name, fn in GLYPHS.items():
        write(os.path.join(icons, f"{name}.svg"), icon_doc(fn()))
    write(os.path.join(icons, "quarvel.svg"), icon_doc(app_icon(), 256, "Quarvel"))
    print(f"{count} cards, {4 + len(GLYPHS) + 1} icons written to {os.path.normpath(root)}")


if __name__ == "__main__":
    main()
