#!/usr/bin/env python3
"""Writes the icon SVGs under resources/svg/ from one set of style rules.

The SVGs are committed and are what the build renders; this script only keeps
stroke widths, colours and badge shapes identical across the set. Re-run it
after changing a drawing here, or edit a single SVG by hand for a one-off fix
(re-running overwrites such edits).

Usage: python3 resources/tools/make_svgs.py
"""

import math
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "svg")

WHITE = "#FFFFFF"
ACCENT = "#00A7F6"       # same blue as the measurement tool buttons
ACCENT_DARK = "#0087D0"
SLATE = "#465163"
SLATE_DARK = "#2C3440"
RECORD_RED = "#FF4646"
RECORD_RED_DARK = "#C62828"
FIELD_GREY = "#5C6675"   # glyphs that sit on white fields (line edits)

TOOL_STROKE = 2.5        # measurement tools: ~2.5 px at 32 px
BAR_STROKE = 2.2         # toolbar glyphs live inside a 30 px badge


def fmt(v):
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def pt(x, y):
    return "%s %s" % (fmt(x), fmt(y))


def svg(body, w=32, h=32, vw=None, vh=None, defs=""):
    vw = w if vw is None else vw
    vh = h if vh is None else vh
    d = "<defs>%s</defs>\n" % defs if defs else ""
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%s" height="%s" '
            'viewBox="0 0 %s %s">\n%s%s</svg>\n' % (fmt(w), fmt(h), fmt(vw), fmt(vh), d, body))


def write(rel, text):
    path = os.path.join(ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def dot(x, y, r=2.6, color=WHITE):
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (fmt(x), fmt(y), fmt(r), color)


def polar(cx, cy, r, deg):
    a = math.radians(deg)
    return cx + r * math.cos(a), cy + r * math.sin(a)


# ---------------------------------------------------------------- measurement tools
# White strokes on transparent; a faint dark copy one step lower keeps the
# glyph readable on both the blue and the green (checked) button.

def tool_svg(strokes, fills=""):
    inner = strokes + fills
    shadow = ('<g transform="translate(0 0.8)" opacity="0.28" fill="none" stroke="#002B45" '
              'stroke-width="%s" stroke-linecap="round" stroke-linejoin="round">\n%s\n</g>\n'
              % (fmt(TOOL_STROKE), inner.replace(WHITE, "#002B45")))
    glyph = ('<g fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" '
             'stroke-linejoin="round">\n%s\n</g>\n' % (WHITE, fmt(TOOL_STROKE), inner))
    return svg(shadow + glyph)


def tools():
    t = {}

    # 1 point with its coordinate projections onto two axes
    t[1] = tool_svg(
        '<path d="M6 4 V26 H28"/>'
        '<path d="M6 12 H19 V26" stroke-width="1.6" stroke-dasharray="2.2 2.2"/>'
        '<path d="M4 12 H8 M19 24 V28" stroke-width="2"/>',
        dot(19, 12, 3.4))

    # 2 line with dimension end ticks
    a, b = (8, 24), (24, 8)
    k = 4.2 / math.sqrt(2)
    t[2] = tool_svg(
        '<path d="M%s L%s"/>' % (pt(*a), pt(*b)) +
        '<path d="M%s L%s M%s L%s"/>' % (pt(a[0] - k, a[1] - k), pt(a[0] + k, a[1] + k),
                                         pt(b[0] - k, b[1] - k), pt(b[0] + k, b[1] + k)))

    # 3 broken line
    pts = [(4, 24), (11, 9), (20, 21), (28, 7)]
    t[3] = tool_svg('<path d="M%s"/>' % " L".join(pt(*p) for p in pts),
                    "".join(dot(x, y, 2.4) for x, y in pts))

    # 4 rectangle
    t[4] = tool_svg('<rect x="5" y="8" width="22" height="16" rx="0.8"/>',
                    "".join(dot(x, y, 2.2) for x, y in [(5, 8), (27, 24)]))

    # 5 polygon
    pts = [(14, 4.5), (27.5, 11), (24.5, 26.5), (8, 27.5), (4.5, 13)]
    t[5] = tool_svg('<path d="M%s Z"/>' % " L".join(pt(*p) for p in pts),
                    "".join(dot(x, y, 2.3) for x, y in pts))

    # 6 parallel lines with the distance between them
    t[6] = tool_svg(
        '<path d="M4 19 L19 4 M13 28 L28 13"/>'
        '<path d="M12.2 12.2 L19.8 19.8" stroke-width="1.7" stroke-dasharray="2 1.8"/>')

    # 7 perpendicular dropped from a point onto a line
    t[7] = tool_svg(
        '<path d="M3.5 25 H28.5 M16 6 V25"/>'
        '<path d="M16 19.5 H21.5 V25" stroke-width="1.8"/>',
        dot(16, 6, 3))

    # 8 grid lines
    t[8] = tool_svg('<path d="M11 4 V28 M21 4 V28 M4 11 H28 M4 21 H28"/>')

    # 9 angle: two rays from a vertex and the arc between them
    v = (6, 25)
    ray = (22.5, 5.5)
    dx, dy = ray[0] - v[0], ray[1] - v[1]
    ln = math.hypot(dx, dy)
    r = 10.5
    e = (v[0] + r * dx / ln, v[1] + r * dy / ln)
    t[9] = tool_svg(
        '<path d="M%s L%s L%s"/>' % (pt(*ray), pt(*v), pt(28, 25)) +
        '<path d="M%s A%s %s 0 0 0 %s" stroke-width="2"/>' % (pt(v[0] + r, v[1]), fmt(r), fmt(r), pt(*e)),
        dot(*v, 2.6))

    # 10 three-point arc
    c, r = (16, 23), 12.5
    p1, p2, p3 = polar(c[0], c[1], r, -160), polar(c[0], c[1], r, -90), polar(c[0], c[1], r, -20)
    t[10] = tool_svg('<path d="M%s A%s %s 0 0 1 %s"/>' % (pt(*p1), fmt(r), fmt(r), pt(*p3)),
                     "".join(dot(x, y, 2.6) for x, y in (p1, p2, p3)))

    # 11 circle from centre and radius
    e = polar(16, 16, 11, -45)
    t[11] = tool_svg('<circle cx="16" cy="16" r="11"/>'
                     '<path d="M16 16 L%s" stroke-width="2"/>' % pt(*e),
                     dot(16, 16, 2.6) + dot(*e, 2.6))

    # 12 circle from the two ends of a diameter
    a, b = polar(16, 16, 11, 135), polar(16, 16, 11, -45)
    t[12] = tool_svg('<circle cx="16" cy="16" r="11"/>'
                     '<path d="M%s L%s" stroke-width="2"/>' % (pt(*a), pt(*b)),
                     dot(*a, 2.8) + dot(*b, 2.8))

    # 13 circle through three points
    t[13] = tool_svg('<circle cx="16" cy="16" r="11"/>',
                     "".join(dot(*polar(16, 16, 11, d), r=3) for d in (-90, 150, 30)))

    # 14 concentric circles
    t[14] = tool_svg('<circle cx="16" cy="16" r="12"/><circle cx="16" cy="16" r="6"/>',
                     dot(16, 16, 1.9))

    # 15 two circles joined centre to centre
    t[15] = tool_svg('<circle cx="9.5" cy="9.5" r="6.5"/><circle cx="23" cy="23" r="5.5"/>'
                     '<path d="M9.5 9.5 L23 23" stroke-width="2"/>',
                     dot(9.5, 9.5, 2.1) + dot(23, 23, 2.1))

    # 16 move: four-way arrow
    t[16] = tool_svg('<path d="M16 4 V28 M4 16 H28"/>'
                     '<path d="M12 8 L16 4 L20 8 M12 24 L16 28 L20 24 '
                     'M8 12 L4 16 L8 20 M24 12 L28 16 L24 20"/>')

    # 17 eraser
    t[17] = tool_svg(
        '<g transform="rotate(-45 15 15)">'
        '<rect x="4.5" y="10" width="21" height="10" rx="2"/>'
        '<path d="M12 10 V20"/></g>'
        '<path d="M15 27.5 H28" stroke-width="2"/>',
        '<g transform="rotate(-45 15 15)"><rect x="4.5" y="10" width="7.5" height="10" rx="2" '
        'fill="%s" stroke="none"/></g>' % WHITE)

    # 18 cross-hair reticle
    t[18] = tool_svg('<circle cx="16" cy="16" r="9"/>'
                     '<path d="M16 3 V11 M16 21 V29 M3 16 H11 M21 16 H29"/>',
                     dot(16, 16, 1.8))

    # 19 text: a bold T built from its outline
    t[19] = tool_svg(
        '',
        '<path d="M6 5 H26 V11 H23.5 L22.8 8.5 H18.4 V24.5 L21 25 V27.5 H11 V25 L13.6 24.5 '
        'V8.5 H9.2 L8.5 11 H6 Z" fill="%s" stroke="none"/>' % WHITE)

    # 20 clear all: trash can
    t[20] = tool_svg('<path d="M5.5 8.5 H26.5"/>'
                     '<path d="M12.5 8.5 V5 H19.5 V8.5"/>'
                     '<path d="M8.5 8.5 L10 27.5 H22 L23.5 8.5"/>'
                     '<path d="M13.5 13 V23 M18.5 13 V23" stroke-width="2"/>')

    for n, s in t.items():
        write("measure/tool-%d.svg" % n, s)

    undo = ('<path d="M11 7 L5 13 L11 19"/>'
            '<path d="M5.5 13 H19 A6.75 6.75 0 0 1 19 26.5 H12"/>')
    write("measure/undo.svg", tool_svg(undo))
    write("measure/redo.svg", tool_svg('<g transform="translate(32 0) scale(-1 1)">%s</g>' % undo))


# ---------------------------------------------------------------- toolbar buttons
# Normal: white glyph on a slate rounded square; _Select: the same glyph on
# the accent blue. The badge makes both read on light, grey and dark bars.

def badge_defs(top, bottom):
    return ('<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
            '</linearGradient>' % (top, bottom))


def badge_svg(glyph, selected, colours=None):
    if colours is None:
        colours = (ACCENT, ACCENT_DARK) if selected else (SLATE, SLATE_DARK)
    body = ('<rect x="1" y="1" width="30" height="30" rx="7" fill="url(#bg)"/>\n'
            '<rect x="1.5" y="1.5" width="29" height="29" rx="6.5" fill="none" '
            'stroke="#FFFFFF" stroke-opacity="%s" stroke-width="1"/>\n'
            '<g fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" '
            'stroke-linejoin="round">\n%s\n</g>\n'
            % ("0.55" if selected else "0.18", WHITE, fmt(BAR_STROKE), glyph))
    return svg(body, defs=badge_defs(*colours))


def gear_path(cx, cy, teeth, r_out, r_in, tooth_frac=0.45):
    pts = []
    step = 360.0 / teeth
    for i in range(teeth):
        a0 = i * step
        half_top = step * tooth_frac / 2
        half_base = half_top + step * 0.09
        pts += [polar(cx, cy, r_in, a0 - half_base), polar(cx, cy, r_out, a0 - half_top),
                polar(cx, cy, r_out, a0 + half_top), polar(cx, cy, r_in, a0 + half_base)]
    return "M" + " L".join(pt(*p) for p in pts) + " Z"


def toolbar():
    g = {}
    g["btnCapture"] = ('<path d="M8 11 H11.5 L13.3 8 H18.7 L20.5 11 H24 A2 2 0 0 1 26 13 V22 '
                       'A2 2 0 0 1 24 24 H8 A2 2 0 0 1 6 22 V13 A2 2 0 0 1 8 11 Z"/>'
                       '<circle cx="16" cy="17.5" r="3.8"/>')
    g["btnRecord"] = ('<circle cx="16" cy="16" r="8.5"/>'
                      '<circle cx="16" cy="16" r="4.8" fill="%s" stroke="none"/>' % RECORD_RED)
    g["btnTimeSetting"] = ('<circle cx="16" cy="17.5" r="8"/>'
                           '<path d="M16 9.5 V7 M13.5 6.5 H18.5 M23 10.5 L24.5 9"/>'
                           '<path d="M16 13 V17.5 L19 19.5"/>')
    g["btnFullScreen"] = ('<path d="M7 12.5 V7 H12.5 M19.5 7 H25 V12.5 M25 19.5 V25 H19.5 '
                          'M12.5 25 H7 V19.5"/>')
    g["btnScreenSwitch"] = ('<rect x="7" y="7" width="7.6" height="7.6" rx="1.3"/>'
                            '<rect x="17.4" y="7" width="7.6" height="7.6" rx="1.3"/>'
                            '<rect x="7" y="17.4" width="7.6" height="7.6" rx="1.3"/>'
                            '<rect x="17.4" y="17.4" width="7.6" height="7.6" rx="1.3"/>')
    g["btnOpenDir"] = ('<path d="M6 10 A1.5 1.5 0 0 1 7.5 8.5 H12.8 L15 11 H24.5 A1.5 1.5 0 0 1 '
                       '26 12.5 V22.5 A1.5 1.5 0 0 1 24.5 24 H7.5 A1.5 1.5 0 0 1 6 22.5 Z"/>'
                       '<path d="M6 14.5 H26"/>')
    g["btnSetting"] = ('<path d="%s"/>' % gear_path(16, 16, 8, 9.5, 7.0) +
                       '<circle cx="16" cy="16" r="3"/>')
    g["btnCalib"] = ('<g transform="rotate(-45 16 16)">'
                     '<rect x="4.5" y="12" width="23" height="8" rx="1.2"/>'
                     '<path d="M9 12 V15.5 M13 12 V14.5 M17 12 V15.5 M21 12 V14.5 M25 12 V15.5" '
                     'stroke-width="1.7"/></g>')
    g["btnZoom"] = ('<circle cx="14" cy="14" r="7"/>'
                    '<path d="M19.2 19.2 L25 25" stroke-width="3"/>'
                    '<path d="M14 10.8 V17.2 M10.8 14 H17.2" stroke-width="2"/>')
    g["btnAdd"] = ('<circle cx="16" cy="16" r="9"/>'
                   '<path d="M16 11.5 V20.5 M11.5 16 H20.5"/>')
    # Mosaic: four overlapping fields, offset as a moved stage leaves them.
    g["btnMosaic"] = ('<rect x="6" y="7" width="11" height="8.5" rx="1.2"/>'
                      '<rect x="15" y="8.5" width="11" height="8.5" rx="1.2"/>'
                      '<rect x="6.5" y="16" width="11" height="8.5" rx="1.2"/>'
                      '<rect x="15.5" y="17" width="10.5" height="8" rx="1.2"/>')
    g["btnBack"] = ('<path d="M13.5 9.5 L7 16 L13.5 22.5"/><path d="M7.5 16 H25"/>')

    for name, glyph in g.items():
        write("icon/%s.svg" % name, badge_svg(glyph, False))
        write("icon/%s_Select.svg" % name, badge_svg(glyph, True))

    # While recording the button blinks between btnRecord and this one, so it
    # must look clearly different: a red badge with a stop square.
    stop = '<rect x="11" y="11" width="10" height="10" rx="1.6" fill="%s" stroke="none"/>' % WHITE
    write("icon/btnRecord_Playing.svg", badge_svg(stop, False, ("#F05050", RECORD_RED_DARK)))
    write("icon/btnRecord_Playing_Select.svg", badge_svg(stop, True))


# ---------------------------------------------------------------- small plain glyphs

def plain():
    # A thin white halo under a darker glyph keeps these readable on white
    # fields, grey buttons and dark panels alike.
    def haloed(d, colour, width=3):
        return svg('<g fill="none" stroke-linecap="round" stroke-linejoin="round">'
                   '<path d="%s" stroke="#FFFFFF" stroke-opacity="0.85" stroke-width="%s"/>'
                   '<path d="%s" stroke="%s" stroke-width="%s"/></g>\n'
                   % (d, fmt(width + 2), d, colour, fmt(width)))

    write("icon/btnSearch.svg", haloed(
        "M21 13.5 A7.5 7.5 0 1 1 21 13.49 Z M19.2 19.2 L26 26", FIELD_GREY))
    write("icon/arrow_off.svg", haloed("M12.5 8 L20.5 16 L12.5 24", "#4A5463"))
    write("icon/arrow_on.svg", haloed("M8 12.5 L16 20.5 L24 12.5", "#1E95EA"))

    # On/off switch, 61 x 27 logical units.
    def switch(on):
        track = "#63BAFF" if on else "#BDB9BD"
        kx = 61 - 13.5 if on else 13.5
        body = ('<rect x="0.5" y="0.5" width="60" height="26" rx="13" fill="%s" '
                'stroke="%s" stroke-width="1"/>\n' % (track, "#4FA6EE" if on else "#A5A1A5"))
        body += '<circle cx="%s" cy="14.3" r="10.6" fill="#000000" fill-opacity="0.16"/>\n' % fmt(kx)
        body += '<circle cx="%s" cy="13.5" r="10.5" fill="#FFFFFF"/>\n' % fmt(kx)
        return svg(body, 61, 27)

    write("icon/switch_on.svg", switch(True))
    write("icon/switch_off.svg", switch(False))


# ---------------------------------------------------------------- file browser thumbnails
# 160 x 120 logical units: the list shows them at exactly that size.

def thumbs():
    folder = (
        '<path d="M18 22 A6 6 0 0 1 24 16 H60 L70 27 H136 A6 6 0 0 1 142 33 V96 A6 6 0 0 1 136 102 '
        'H24 A6 6 0 0 1 18 96 Z" fill="#E9A623"/>\n'
        '<rect x="26" y="30" width="108" height="40" rx="3" fill="#FFFFFF" fill-opacity="0.9"/>\n'
        '<path d="M18 44 A6 6 0 0 1 24 38 H136 A6 6 0 0 1 142 44 V96 A6 6 0 0 1 136 102 H24 '
        'A6 6 0 0 1 18 96 Z" fill="url(#fg)"/>\n'
        '<path d="M24 39.5 H136" stroke="#FFE7A8" stroke-width="2" stroke-linecap="round"/>\n')
    write("icon/iconFolder.svg", svg(
        folder, 160, 120,
        defs='<linearGradient id="fg" x1="0" y1="0" x2="0" y2="1">'
             '<stop offset="0" stop-color="#FFD66B"/><stop offset="1" stop-color="#F4B73A"/>'
             '</linearGradient>'))

    card = ('<rect x="12" y="8" width="136" height="104" rx="8" fill="#EEF1F4" '
            'stroke="#B8C0CA" stroke-width="2"/>\n')
    picture = ('<g fill="none" stroke="%s" stroke-width="5" stroke-linecap="round" '
               'stroke-linejoin="round">'
               '<circle cx="98" cy="42" r="8"/>'
               '<path d="M38 86 L62 56 L80 76 L92 64 L122 86 Z"/></g>\n')
    # Loading placeholder: the picture glyph faded, with three progress dots.
    write("icon/iconPlaceholder.svg", svg(
        card + picture % "#C3CAD3" +
        "".join('<circle cx="%d" cy="100" r="4" fill="%s"/>' % (x, c)
                for x, c in ((68, "#8E99A8"), (80, "#AEB7C3"), (92, "#CDD3DB"))), 160, 120))

    # Broken file: the picture torn along a zigzag with a red cross badge.
    tear = ('<path d="M84 8 L76 30 L88 48 L74 70 L86 90 L78 112" fill="none" stroke="#FFFFFF" '
            'stroke-width="6" stroke-linejoin="round"/>\n'
            '<path d="M84 8 L76 30 L88 48 L74 70 L86 90 L78 112" fill="none" stroke="#98A2AF" '
            'stroke-width="2" stroke-linejoin="round"/>\n')
    cross = ('<circle cx="128" cy="92" r="15" fill="#E53935"/>'
             '<path d="M122 86 L134 98 M134 86 L122 98" stroke="#FFFFFF" stroke-width="4" '
             'stroke-linecap="round"/>\n')
    write("icon/iconBroken.svg", svg(card + picture % "#9AA4B1" + tear + cross, 160, 120))


# ---------------------------------------------------------------- logo and splash

def objective(scale=1.0, tx=0.0, ty=0.0):
    """A microscope objective seen from the side, drawn in a 256 box."""
    s = []
    s.append('<g transform="translate(%s %s) scale(%s)">' % (fmt(tx), fmt(ty), fmt(scale)))
    # light cone under the front lens
    s.append('<path d="M112 196 L84 244 H172 L144 196 Z" fill="url(#cone)"/>')
    # thread
    s.append('<rect x="96" y="36" width="64" height="22" rx="3" fill="url(#metalDark)"/>')
    for x in range(100, 160, 8):
        s.append('<path d="M%d 38 L%d 56" stroke="#5E6B7B" stroke-width="2"/>' % (x, x + 4))
    # barrel
    s.append('<path d="M80 58 H176 V136 L162 160 H94 L80 136 Z" fill="url(#metal)"/>')
    s.append('<rect x="80" y="96" width="96" height="14" fill="#36C27A"/>')     # colour ring
    s.append('<rect x="80" y="112" width="96" height="4" fill="#F2C94C"/>')
    s.append('<path d="M80 58 H176 V64 H80 Z" fill="#FFFFFF" fill-opacity="0.35"/>')
    # nose
    s.append('<path d="M100 160 H156 L146 190 H110 Z" fill="url(#metal)"/>')
    s.append('<rect x="108" y="188" width="40" height="10" rx="3" fill="#6E7D8F"/>')
    # front lens
    s.append('<ellipse cx="128" cy="198" rx="17" ry="5" fill="#7FE3FF"/>')
    # highlight stripe
    s.append('<path d="M96 62 V134 L104 150 H110 L102 134 V62 Z" fill="#FFFFFF" fill-opacity="0.5"/>')
    s.append('</g>')
    return "\n".join(s) + "\n"


def objective_defs():
    return (
        '<linearGradient id="metal" x1="0" y1="0" x2="1" y2="0">'
        '<stop offset="0" stop-color="#C9D3DE"/><stop offset="0.3" stop-color="#F7FAFC"/>'
        '<stop offset="0.7" stop-color="#AEBBC9"/><stop offset="1" stop-color="#7F8FA1"/>'
        '</linearGradient>'
        '<linearGradient id="metalDark" x1="0" y1="0" x2="1" y2="0">'
        '<stop offset="0" stop-color="#8C9AAA"/><stop offset="0.35" stop-color="#D5DDE6"/>'
        '<stop offset="1" stop-color="#66768A"/></linearGradient>'
        '<linearGradient id="cone" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#BFF3FF" stop-opacity="0.95"/>'
        '<stop offset="1" stop-color="#BFF3FF" stop-opacity="0"/></linearGradient>')


def logo():
    defs = objective_defs() + (
        '<linearGradient id="disc" x1="0" y1="0" x2="1" y2="1">'
        '<stop offset="0" stop-color="#27BDFF"/><stop offset="1" stop-color="#0B5EA8"/>'
        '</linearGradient>')
    body = ('<circle cx="128" cy="128" r="120" fill="url(#disc)"/>\n'
            '<circle cx="128" cy="128" r="112" fill="none" stroke="#FFFFFF" stroke-opacity="0.35" '
            'stroke-width="3"/>\n' + objective(0.86, 18, 14))
    write("logo.svg", svg(body, 256, 256, defs=defs))


# Stroke letters for the splash title, in a 24 x 36 cell (y down, baseline 36).
LETTERS = {
    "O": "M12 0 A12 18 0 1 0 12.01 0 Z",
    "R": "M0 36 V0 H13 A9 9 0 0 1 13 18 H0 M10 18 L22 36",
    "V": "M0 0 L12 36 L24 0",
    "A": "M0 36 L12 0 L24 36 M4.7 22 H19.3",
    "N": "M0 36 V0 L22 36 V0",
    "T": "M0 0 H24 M12 0 V36",
    "P": "M0 36 V0 H13 A9.5 9.5 0 0 1 13 19 H0",
}
WIDTHS = {"O": 24, "R": 22, "V": 24, "A": 24, "N": 22, "T": 24, "P": 22}


def title_paths(text, x, y, scale, spacing=9.0, word_gap=20.0):
    parts = []
    cx = 0.0
    for ch in text:
        if ch == " ":
            cx += word_gap
            continue
        parts.append('<path transform="translate(%s 0)" d="%s"/>' % (fmt(cx), LETTERS[ch]))
        cx += WIDTHS[ch] + spacing
    width = (cx - spacing) * scale
    g = ('<g transform="translate(%s %s) scale(%s)">%s</g>'
         % (fmt(x), fmt(y), fmt(scale), "".join(parts)))
    return g, width


def splash():
    defs = objective_defs() + (
        '<linearGradient id="sky" x1="0" y1="0" x2="1" y2="1">'
        '<stop offset="0" stop-color="#0E2C4C"/><stop offset="1" stop-color="#061526"/>'
        '</linearGradient>'
        '<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">'
        '<stop offset="0" stop-color="#1FA8F0" stop-opacity="0.55"/>'
        '<stop offset="1" stop-color="#1FA8F0" stop-opacity="0"/></radialGradient>')
    body = ['<rect width="600" height="360" fill="url(#sky)"/>']
    # field-of-view rings, as seen through an eyepiece
    body.append('<circle cx="150" cy="180" r="150" fill="url(#glow)"/>')
    for r, op in ((135, 0.18), (110, 0.12), (160, 0.08)):
        body.append('<circle cx="150" cy="180" r="%d" fill="none" stroke="#7FD3FF" '
                    'stroke-opacity="%s" stroke-width="1.5"/>' % (r, op))
    # a measuring scale along the bottom
    ticks = []
    for i in range(0, 41):
        x = 300 + i * 6.5
        h = 14 if i % 10 == 0 else (9 if i % 5 == 0 else 5)
        ticks.append("M%s 300 V%s" % (fmt(x), fmt(300 - h)))
    body.append('<path d="M300 300 H560 %s" fill="none" stroke="#7FD3FF" stroke-opacity="0.7" '
                'stroke-width="1.5"/>' % " ".join(ticks))
    body.append(objective(0.95, 28, 58))
    title, w = title_paths("ORVANTA", 300, 128, 1.12)
    body.append('<g fill="none" stroke="#FFFFFF" stroke-width="4.6" stroke-linecap="round" '
                'stroke-linejoin="round">%s</g>' % title)
    sub, _ = title_paths("PRO", 300, 190, 0.62)
    body.append('<g fill="none" stroke="#27BDFF" stroke-width="5.5" stroke-linecap="round" '
                'stroke-linejoin="round">%s</g>' % sub)
    body.append('<path d="M300 244 H%s" stroke="#27BDFF" stroke-width="3" stroke-linecap="round"/>'
                % fmt(300 + w))
    write("splash.svg", svg("\n".join(body) + "\n", 600, 360, defs=defs))


if __name__ == "__main__":
    tools()
    toolbar()
    plain()
    thumbs()
    logo()
    splash()
