"""The indoor pictures of the demo game: Tamsin's cottage, the boathouse,
the tower and the lamp room. Each function returns a Canvas (see magick.py);
the keyword arguments draw the variants from which area pictures are cut.
"""

from magick import Canvas

W, H = 640, 480


def foggy_view(c, x0, y0, x1, y1):
    c.gradient(x0, y0, x1 - x0, y1 - y0, "#c8d2dc", "#8aa0b4")
    c.rect(x0, (y0 + y1) // 2 + 8, x1, y1, "rgba(60,90,120,0.45)")


# --- the cottage --------------------------------------------------------------

def radio(c, on):
    c.round_rect(220, 206, 288, 244, 8, "#8a5a34", "#5a3a1c", 2)
    c.round_rect(226, 212, 254, 238, 4, "#d9c8a0", "#7a6a4a", 1)
    for y in range(215, 238, 4):
        c.line(228, y, 252, y, "#9a8a6a", 1)
    dial = "#ffe27a" if on else "#b8b0a0"
    c.circle(270, 220, 9, dial, "#5a3a1c", 2)
    c.line(270, 220, 276 if on else 264, 214, "#5a3a1c", 2)
    c.circle(264, 236, 3, "#e0d0b0")
    c.circle(276, 236, 3, "#e0d0b0")
    c.circle(282, 210, 2.5, "#ff5a3a" if on else "#6a3a2a")
    if on:
        c.layer(lambda s: s.circle(270, 220, 12, "rgba(255,230,120,0.7)"), 4)
        c.text(258, 206, "\u266a", 12, "#3a2414", "DejaVu-Sans")


def drawer(c, open_, matches=False):
    if not open_:
        c.rect(196, 268, 314, 312, "#8f5a32", "#5a3418", 2)
        c.circle(228, 290, 4, "#e0c070", "#7a5a20", 1)
        c.circle(282, 290, 4, "#e0c070", "#7a5a20", 1)
        return
    c.rect(198, 266, 312, 298, "#3a2414")
    c.poly([(198, 266), (312, 266), (318, 296), (192, 296)], "#5a3a22", "#3a2414", 1)
    c.poly([(204, 272), (306, 272), (310, 294), (200, 294)], "#2a180c")
    if matches:
        c.rect(240, 276, 270, 292, "#e8d048", "#6a5a10", 1)
        c.rect(244, 280, 266, 288, "#c83020")
        c.rect(270, 276, 274, 292, "#8a6a3a")
    c.rect(190, 296, 320, 320, "#8f5a32", "#5a3418", 2)
    c.circle(228, 308, 4, "#e0c070", "#7a5a20", 1)
    c.circle(282, 308, 4, "#e0c070", "#7a5a20", 1)


def candle(c):
    c.ellipse(354, 124, 16, 5, "#c8a040", "#8a6a20", 1)
    c.rect(346, 82, 362, 122, "#f6f0dc", "#c8c0a0", 1)
    c.ellipse(354, 82, 8, 3, "#fffaf0", "#c8c0a0", 1)
    c.line(354, 80, 354, 72, "#222222", 2)


def key(c):
    c.circle(548, 200, 7, "none", "#c8a040", 3)
    c.line(548, 207, 548, 230, "#c8a040", 4)
    c.rect(549, 220, 556, 223, "#c8a040")
    c.rect(549, 226, 554, 229, "#c8a040")


def cottage(drawer_open=False, matches=True, radio_on=False, with_key=False, with_candle=False):
    c = Canvas(W, H, "#e9d49a")
    for x in range(0, W, 32):                        # wallpaper stripes
        c.rect(x, 0, x + 12, 300, "#e2c98a")
    for x in range(16, W, 64):
        for y in range(20, 290, 48):
            c.circle(x, y, 3, "#d0b070")
    c.rect(0, 300, W, 362, "#a87a4a")               # wainscot
    for x in range(0, W, 40):
        c.line(x, 300, x, 362, "#8a5e34", 2)
    c.rect(0, 296, W, 302, "#7a5030")
    c.gradient(0, 362, W, 118, "#a0683a", "#6a4020")  # floor boards
    for y in (380, 402, 428, 456):
        c.line(0, y, W, y, "#5a3418", 2)
    c.ellipse(330, 430, 170, 34, "#9a3a3a", "#6a2020", 3)  # rug
    c.ellipse(330, 430, 130, 22, "none", "#e0c070", 2)
    # the window with the fog outside
    c.rect(34, 74, 166, 206, "#f4f0e6")
    foggy_view(c, 42, 82, 158, 198)
    c.line(100, 82, 100, 198, "#f4f0e6", 5)
    c.line(42, 140, 158, 140, "#f4f0e6", 5)
    c.rect(26, 204, 174, 212, "#d8d0c0")
    c.rect(20, 70, 36, 214, "#4f7a9a")              # curtains
    c.rect(164, 70, 180, 214, "#4f7a9a")
    # the shelf with jars and books
    c.rect(296, 130, 484, 138, "#7a4a2a")
    for x in (316, 464):
        c.poly([(x, 138), (x + 4, 138), (x + 4, 160), (x - 10, 138)], "#6a3a1a")
    c.round_rect(396, 100, 420, 130, 4, "#b8d8c8", "#6a8a7a", 1)
    c.rect(400, 94, 416, 100, "#c83020")
    c.rect(430, 104, 446, 130, "#3a5a8a")
    c.rect(446, 96, 460, 130, "#8a2a2a")
    c.rect(460, 108, 474, 130, "#2a6a3a")
    if with_candle:
        candle(c)
    else:
        c.ellipse(354, 124, 16, 5, "#c8a040", "#8a6a20", 1)  # the holder stays
    # the sampler on the wall
    c.rect(360, 190, 530, 250, "#7a4a2a")
    c.rect(368, 198, 522, 242, "#f8f0d8")
    c.rect(372, 202, 518, 238, "none", "#c8a0a0", 1)
    # the chest of drawers
    c.rect(174, 244, 336, 252, "#6a3a1a")
    c.rect(180, 252, 330, 370, "#7a4a28", "#5a3418", 2)
    c.rect(196, 322, 314, 360, "#8f5a32", "#5a3418", 2)
    c.circle(228, 341, 4, "#e0c070", "#7a5a20", 1)
    c.circle(282, 341, 4, "#e0c070", "#7a5a20", 1)
    drawer(c, drawer_open, matches)
    radio(c, radio_on)
    # the armchair
    c.round_rect(400, 300, 520, 390, 16, "#4a7a6a", "#2a5a4a", 2)
    c.round_rect(410, 270, 510, 330, 20, "#5a8a7a", "#2a5a4a", 2)
    c.round_rect(392, 320, 416, 384, 8, "#3a6a5a")
    c.round_rect(504, 320, 528, 384, 8, "#3a6a5a")
    # the doorway to the shore, the door open inwards
    c.rect(560, 140, 632, 400, "#5a3a22")
    c.rect(566, 148, 626, 400, "#c8d2dc")
    foggy_view(c, 566, 148, 626, 330)
    c.rect(566, 330, 626, 400, "#d8c08a")
    c.poly([(566, 148), (590, 160), (590, 394), (566, 400)], "#4f7a3a", "#35552a", 2)
    c.circle(548, 192, 3, "#7a6a5a")                  # the hook by the door
    if with_key:
        key(c)
    return c


# --- the boathouse ----------------------------------------------------------

def planks(width=80, height=120):
    """The tile of the boathouse wall: four upright boards."""
    c = Canvas(width, height, "#7a4a26")
    shades = ("#8a5630", "#7d4c28", "#93603a", "#815030")
    for i, shade in enumerate(shades):
        x = i * 20
        c.rect(x, 0, x + 18, height, shade)
        c.line(x + 19, 0, x + 19, height, "#3a2010", 2)
        for j, y in enumerate((18, 52, 88)):
            c.path("M %d,%d Q %d,%d %d,%d" % (x + 3, y + i * 5, x + 9, y + 8 + i * 5, x + 15, y + 2 + i * 5),
                   stroke="#6a3a1a", width=1)
        c.circle(x + 9, 6 + 40 * (i % 3), 1.5, "#3a3030")
    return c


def boathouse(tile_file, with_can=False):
    c = Canvas(W, H, "#7a4a26")
    c.tile(tile_file)
    # the doorway to the shore
    c.rect(520, 120, 620, 420, "#3a2010")
    foggy_view(c, 530, 130, 610, 340)
    c.rect(530, 340, 610, 420, "#d8c08a")
    c.layer(lambda s: s.ellipse(570, 330, 60, 10, "rgba(255,255,255,0.6)"), 6)
    # the rowing boat in the slip of dark water
    c.rect(40, 404, 480, 460, "#1e3040")
    for y in (414, 430, 446):
        for x in range(52 + (y % 3) * 10, 470, 48):
            c.path("M %d,%d Q %d,%d %d,%d" % (x, y, x + 8, y - 3, x + 16, y), stroke="#4a6a80", width=2)
    c.path("M 80,330 L 440,330 Q 430,400 380,420 L 140,420 Q 90,400 80,330 Z", fill="#2f6a8a",
           stroke="#1a3a4a", width=3)
    c.line(86, 350, 434, 350, "#f4f1ea", 5)
    c.rect(80, 324, 440, 334, "#8a6a40", "#5a3a20", 1)
    for x in (170, 260, 350):
        c.rect(x, 334, x + 24, 340, "#a07a48")
    c.line(120, 312, 300, 360, "#c8a070", 5)          # an oar
    c.ellipse(108, 308, 18, 7, "#c8a070")
    c.text(300, 396, "ROSIE", 18, "#f4f1ea", "DejaVu-Sans-Bold")
    # the shelf
    c.rect(126, 160, 334, 168, "#5a3418", "#3a2010", 1)
    c.rect(126, 200, 334, 208, "#5a3418", "#3a2010", 1)
    for x in (136, 316):
        c.rect(x, 168, x + 6, 210, "#4a2a10")
    c.ellipse(170, 188, 24, 10, "none", "#c8b070", 5)  # a coiled rope
    c.ellipse(170, 184, 18, 7, "none", "#b8a060", 4)
    c.rect(210, 136, 236, 160, "#8a9aa8", "#4a5a68", 1)  # a tin of nails
    c.text(213, 152, "NAILS", 6, "#2a2a2a")
    c.path("M 290,170 Q 300,200 310,176 Q 320,204 328,172", stroke="#a8a070", width=2)  # a net
    c.path("M 290,180 L 328,180 M 294,190 L 324,190", stroke="#a8a070", width=1)
    if with_can:
        c.rect(254, 124, 286, 160, "#c83020", "#7a1a10", 2)
        c.rect(254, 136, 286, 146, "#e8d048")
        c.text(258, 145, "OIL", 8, "#7a1a10", "DejaVu-Sans-Bold")
        c.poly([(280, 124), (284, 112), (290, 110), (288, 114), (286, 124)], "#8a8a8a", "#4a4a4a", 1)
        c.path("M 258,124 Q 266,112 274,124", stroke="#4a4a4a", width=3)
    return c


# --- the tower --------------------------------------------------------------

def tower():
    c = Canvas(W, H, "#8a8478")
    c.hgradient(0, 0, W, 400, "#5a564e", "#9a9486")
    for row, y in enumerate(range(0, 400, 28)):       # stone blocks
        c.line(0, y, W, y, "#6a665c", 2)
        for x in range(-40 + (row % 2) * 30, W, 60):
            c.line(x, y, x, y + 28, "#6a665c", 2)
    c.gradient(0, 400, W, 80, "#6a5a48", "#4a3c30")   # floor
    for x in range(-60, W + 60, 80):
        c.line(x, 400, x - 40, 480, "#3a2e24", 2)
    c.line(0, 436, W, 436, "#3a2e24", 2)
    # the door to the shore, open
    c.path("M 30,420 L 30,240 Q 75,180 120,240 L 120,420 Z", fill="#3a2a1a")
    c.path("M 38,420 L 38,244 Q 75,194 112,244 L 112,420 Z", fill="#c8d2dc")
    c.gradient(38, 300, 74, 60, "#c8d2dc", "#8aa0b4")
    c.rect(38, 360, 112, 420, "#d8c08a")
    # a slit window
    c.round_rect(60, 40, 84, 120, 10, "#2a3448")
    c.round_rect(64, 44, 80, 116, 8, "#a9bdd2")
    # the notice board
    c.rect(196, 84, 380, 204, "#b08a5a", "#6a4a2a", 4)
    c.rect(204, 92, 372, 196, "#f6f0dc")
    c.circle(288, 96, 4, "#c83020")
    # the desk with a lamp of the wrong kind (a cold one)
    c.rect(140, 318, 290, 326, "#6a3a1a")
    c.rect(148, 326, 158, 400, "#5a3418")
    c.rect(272, 326, 282, 400, "#5a3418")
    c.rect(158, 330, 272, 350, "#7a4a28", "#5a3418", 1)
    c.rect(262, 300, 268, 318, "#3a3a3a")
    c.poly([(252, 300), (278, 300), (272, 288), (258, 288)], "#4a6a4a")
    # the logbook on the desk
    c.poly([(174, 318), (212, 310), (250, 318), (250, 294), (212, 288), (174, 294)], "#f6f0dc", "#7a6a4a", 1)
    c.line(212, 288, 212, 310, "#7a6a4a", 2)
    for y in (298, 303, 308):
        c.line(180, y, 206, y - 4, "#8a8a9a", 1)
        c.line(218, y - 4, 244, y, "#8a8a9a", 1)
    c.rect(172, 316, 252, 320, "#8a2a2a")
    # Tamsin's coat on a peg
    c.circle(150, 160, 4, "#3a3a3a")
    c.path("M 150,164 L 126,200 L 120,280 L 180,280 L 174,200 Z", fill="#c89a30", stroke="#8a6a10", width=2)
    c.line(150, 170, 150, 276, "#8a6a10", 2)
    # the spiral stair going up
    for i in range(12):
        y = 400 - i * 30
        x = 420 + (i % 4) * 30 if (i // 4) % 2 == 0 else 510 - (i % 4) * 30
        c.poly([(x, y), (x + 110, y), (x + 120, y - 12), (x + 10, y - 12)], "#b8b0a0", "#6a665c", 2)
        c.rect(x, y, x + 110, y + 8, "#8a8478", "#6a665c", 1)
    c.line(560, 0, 560, 420, "#4a4a4a", 6)             # the central post
    rail = []
    for i in range(12):
        y = 400 - i * 30
        x = 420 + (i % 4) * 30 if (i // 4) % 2 == 0 else 510 - (i % 4) * 30
        rail.append((x + 6, y - 44))
    c.polyline(rail, "#3a2a1a", 4)
    for x, y in rail:
        c.line(x, y, x, y + 32, "#3a2a1a", 2)
    c.layer(lambda s: s.rect(400, 0, 640, 60, "rgba(0,0,0,0.35)"), 12)
    return c


# --- the lamp room ------------------------------------------------------------

def lamp(c, oil=False, flame=False, glow=0.0):
    """The great lamp in the middle of the room: its oil tank full or not,
    its wick lit or not, and its glow from 0 (dark) to 1."""
    c.rect(300, 330, 340, 348, "#4a4a52", "#2a2a30", 2)   # pedestal
    c.rect(340, 334, 366, 338, "#6a6a72", "#2a2a30", 1)   # the clockwork crank
    c.rect(362, 322, 368, 338, "#6a6a72", "#2a2a30", 1)
    c.circle(365, 320, 4, "#c83020", "#6a1a10", 1)
    c.rect(284, 282, 356, 330, "#b89a4a", "#6a5a20", 2)   # brass burner with its glass oil tank
    c.rect(296, 292, 344, 322, "#e8801a" if oil else "#dce8f0", "#6a5a20", 1)
    if oil:
        c.rect(296, 292, 344, 298, "#ffc860")
        c.rect(300, 300, 304, 318, "rgba(255,240,200,0.7)")
    else:
        c.line(298, 294, 342, 320, "#b8c8d4", 1)
    c.ellipse(320, 200, 72, 84, "#a8b8c4", "#5a6a78", 3)  # the lens
    for dy in range(-70, 80, 14):
        half = 72 * (1 - (dy / 84.0) ** 2) ** 0.5
        c.line(320 - half, 200 + dy, 320 + half, 200 + dy, "#d8e4ec", 2)
    c.rect(262, 194, 378, 204, "#b89a4a", "#6a5a20", 1)  # the brass band round the lens
    c.ellipse(320, 276, 44, 8, "#b89a4a", "#6a5a20", 1)
    c.ellipse(320, 124, 36, 8, "#b89a4a", "#6a5a20", 1)
    c.poly([(300, 120), (340, 120), (330, 112), (310, 112)], "#8a7a3a", "#6a5a20", 1)
    if flame:
        c.layer(lambda s: s.circle(320, 252, 22, "rgba(255,200,100,0.7)"), 6)
        c.path("M 320,234 Q 331,252 320,264 Q 309,252 320,234 Z", fill="#ffb020", stroke="#e07010", width=1)
        c.ellipse(320, 255, 3, 6, "#fff6c0")
    if glow > 0:
        def build(s):
            s.ellipse(320, 200, 40 + 40 * glow, 50 + 40 * glow, "rgba(255,236,150,%.2f)" % (0.3 + 0.6 * glow))
            s.circle(320, 204, 10 + 22 * glow, "rgba(255,255,230,%.2f)" % min(1.0, 0.4 + glow))
        c.layer(build, 6 + 8 * glow)


def lamproom(oil=False, flame=False, glow=0.0, beams=False):
    c = Canvas(W, H, "#2a2438")
    c.gradient(0, 40, W, 260, "#3a3a6a", "#c88a7a")   # the evening outside, through the glass
    c.layer(lambda s: [s.ellipse(x, y, 140, 14, "rgba(230,230,240,0.55)")
                       for x, y in ((100, 200), (400, 240), (600, 180), (260, 270))], 10)
    c.rect(0, 0, W, 40, "#2a2a34")
    for x in range(0, W + 1, 128):                     # window frames
        c.rect(x - 5, 40, x + 5, 300, "#2a2a34")
    c.rect(0, 160, W, 166, "#2a2a34")
    c.rect(0, 296, W, 350, "#4a4a58")                 # the low wall
    c.line(0, 296, W, 296, "#2a2a34", 4)
    c.gradient(0, 350, W, 130, "#6a6a78", "#3a3a44")   # the iron floor
    for x in range(0, W, 64):
        c.line(x, 350, x, 480, "#2a2a34", 2)
    for x in range(20, W, 64):
        for y in (370, 420, 466):
            c.circle(x, y, 2, "#8a8a98")
    # the hatch down to the tower, open
    c.rect(30, 390, 180, 470, "#0e0c10", "#2a2a34", 3)
    for i, y in enumerate((400, 420, 440, 460)):
        c.rect(40 + i * 20, y, 120 + i * 10, y + 6, "#3a3230")
    c.poly([(30, 390), (180, 390), (196, 372), (46, 372)], "#5a5a68", "#2a2a34", 2)
    if beams:
        c.layer(lambda s: [s.poly([(320, 200), (x0, 40), (x1, 40)], "rgba(255,244,190,0.35)")
                           for x0, x1 in ((-200, 60), (580, 840))], 8)
    lamp(c, oil, flame, glow)
    return c
