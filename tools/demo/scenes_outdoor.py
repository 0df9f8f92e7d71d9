"""The outdoor pictures of the demo game: the story slides, the shore and
the ending. Each function returns a Canvas (see magick.py); variants of a
scene take keyword arguments.
"""

from magick import Canvas

W, H = 640, 480


def fog(c, bands, colour="rgba(255,255,255,0.55)", blur=14):
    def build(s):
        for cx, cy, rx, ry in bands:
            s.ellipse(cx, cy, rx, ry, colour)
    c.layer(build, blur)


def waves(c, y0, y1, colour, step=22, seed=0):
    """Short curved strokes over a sea between two heights."""
    row = 0
    for y in range(y0, y1, step // 2 + 3):
        offset = (row * 37 + seed * 11) % 60
        length = 10 + (y - y0) // 6
        for x in range(-offset, W, 60 + (y - y0) // 3):
            c.path("M %d,%d Q %d,%d %d,%d" % (x, y, x + length / 2, y - 3, x + length, y), stroke=colour,
                   width=1 + (y - y0) // 40)
        row += 1


def lighthouse(c, lit=False, stripes=("#c8322d", "#f4f1ea")):
    """The tower on the hill at the right, its door at 478,330 to 522,400."""
    top, base = 110, 400
    def x_at(y):
        d = (base - y) * 30 / (base - top)
        return 440 + d, 560 - d
    band = (base - top) / 5
    for i in range(5):
        y0, y1 = top + i * band, top + (i + 1) * band
        l0, r0 = x_at(y0)
        l1, r1 = x_at(y1)
        c.poly([(l0, y0), (r0, y0), (r1, y1), (l1, y1)], stripes[i % 2])
    # shading on the right side of the tower
    c.poly([(515, top), (530, top), (560, base), (530, base)], "rgba(0,0,30,0.18)")
    # gallery and railings
    c.rect(452, 100, 548, 110, "#3b3b46")
    for x in range(456, 548, 8):
        c.line(x, 86, x, 100, "#3b3b46", 2)
    c.line(452, 86, 548, 86, "#3b3b46", 2)
    # lamp room glass
    glass = "#fff3b0" if lit else "#8d9bb0"
    c.rect(470, 54, 530, 96, glass, "#2d2d36", 3)
    for x in (485, 500, 515):
        c.line(x, 54, x, 96, "#2d2d36", 2)
    if lit:
        c.circle(500, 76, 12, "#ffffff")
    # roof
    c.poly([(462, 56), (538, 56), (500, 24)], "#7e2320", "#4a1210", 2)
    c.circle(500, 22, 5, "#3b3b46")
    # little windows up the tower
    for y in (170, 260):
        c.round_rect(494, y, 506, y + 18, 4, "#2b3448")


def lighthouse_door(c, open_):
    c.path("M 478,400 L 478,346 Q 500,322 522,346 L 522,400 Z", fill="#3e2a1c")
    if open_:
        # the dark hall inside, with the first steps of the stair
        c.path("M 482,400 L 482,348 Q 500,330 518,348 L 518,400 Z", fill="#1a1410")
        for i, y in enumerate((392, 382, 372, 362)):
            c.rect(500 - i * 2, y, 518, y + 4, "#5a4a3a")
        c.poly([(482, 348), (489, 342), (489, 400), (482, 400)], "#2f5a50")
    else:
        c.path("M 482,400 L 482,348 Q 500,330 518,348 L 518,400 Z", fill="#2f6a5c")
        for x in (490, 500, 510):
            c.line(x, 340 if x == 500 else 344, x, 400, "#24524a", 1)
        c.line(482, 362, 518, 362, "#24524a", 2)
        c.line(482, 384, 518, 384, "#24524a", 2)
        c.circle(511, 374, 2.5, "#d9b65a")
        c.rect(510, 378, 512, 382, "#1c1c1c")


def cottage(c, windows_lit=False):
    c.rect(40, 282, 230, 400, "#f1ebdc", "#b9ae98", 1)
    c.rect(190, 210, 212, 250, "#8a6a5a")  # chimney
    c.rect(186, 204, 216, 212, "#6a4a3a")
    c.poly([(28, 288), (242, 288), (204, 226), (66, 226)], "#a5432f", "#7a2e20", 2)
    for y in range(238, 288, 12):
        c.line(66 - (y - 226) * 0.6, y, 204 + (y - 226) * 0.6, y, "#8f3826", 1)
    c.rect(110, 326, 150, 400, "#4f7a3a", "#35552a", 2)
    c.circle(142, 366, 3, "#e0c060")
    window = "#ffd98a" if windows_lit else "#a9bdd2"
    for x in (58, 172):
        c.rect(x, 312, x + 38, 348, window, "#5a4a3a", 3)
        c.line(x + 19, 312, x + 19, 348, "#5a4a3a", 2)
        c.line(x, 330, x + 38, 330, "#5a4a3a", 2)
        c.rect(x - 3, 348, x + 41, 352, "#7a6a5a")
    c.rect(100, 398, 160, 404, "#b7a98e")  # door step


def boathouse(c):
    c.rect(280, 256, 380, 332, "#8a5a30", "#5a3a1c", 2)
    for x in range(288, 380, 10):
        c.line(x, 258, x, 330, "#74491f", 1)
    c.rect(300, 280, 360, 332, "#2a1a10")
    c.poly([(268, 260), (392, 260), (330, 228)], "#5b3b26", "#3a2414", 2)
    # jetty into the water
    c.poly([(360, 324), (430, 318), (432, 326), (362, 334)], "#9a7a50", "#6a4a2a", 1)
    for x in (372, 396, 420):
        c.line(x, 330, x, 346, "#5a3a1c", 3)


def gull_post(c):
    c.rect(259, 398, 267, 446, "#7a5434", "#5a3a20", 1)
    c.ellipse(263, 398, 5, 2, "#9a7454")


def gull(c):
    c.ellipse(262, 392, 14, 8, "#ffffff", "#8a8a8a", 1)          # body
    c.poly([(250, 388), (270, 386), (282, 396), (258, 396)], "#9aa3ad", "#6a7078", 1)  # wing
    c.circle(250, 382, 7, "#ffffff", "#8a8a8a", 1)              # head
    c.poly([(243, 382), (235, 384), (243, 385)], "#f0b030")     # beak
    c.circle(248, 380, 1.3, "#111111")
    c.line(260, 399, 260, 404, "#f0a030", 2)
    c.line(266, 399, 266, 404, "#f0a030", 2)


def shore(door_open=False, with_gull=False):
    c = Canvas(W, H, "#6f9fd8")
    c.gradient(0, 0, W, 240, "#5f8fd0", "#f6d8b4")
    c.circle(96, 214, 26, "#ffe39a")
    fog(c, [(120, 200, 160, 18), (420, 170, 220, 14), (600, 215, 160, 16)], "rgba(255,255,255,0.6)", 10)
    c.poly([(0, 232), (60, 222), (140, 226), (210, 218), (250, 232)], "#8e98b8")  # mainland far away
    c.gradient(0, 230, W, 120, "#4d7fae", "#2f5f8c")
    waves(c, 240, 340, "rgba(255,255,255,0.55)")
    # the beach and the hill
    c.path("M 0,336 C 120,322 240,344 330,334 C 420,326 520,338 640,330 L 640,480 L 0,480 Z", fill="#e6d09c")
    c.path("M 0,352 C 120,340 240,360 340,350 C 430,342 520,354 640,346", stroke="#f7ecd0", width=3)
    c.path("M 390,404 C 420,380 470,388 520,384 C 580,380 610,392 640,388 L 640,480 L 380,480 Z",
           fill="#6e9a48")
    c.path("M 380,480 C 400,440 430,420 470,410 L 520,404 C 560,406 600,410 640,400 L 640,480 Z",
           fill="#5d8a3c")
    # a path from the cottage to the lighthouse
    c.path("M 130,404 C 200,430 300,440 380,420 C 430,408 470,404 500,402 L 504,410 C 460,414 420,420 386,432"
           " C 300,456 190,448 124,414 Z", fill="#d8bd84")
    # rocks
    for cx, cy, rx, ry in ((24, 446, 22, 12), (58, 462, 14, 8), (600, 440, 18, 10), (350, 470, 20, 9)):
        c.ellipse(cx, cy, rx, ry, "#8c8a86", "#6c6a66", 1)
    boathouse(c)
    cottage(c)
    lighthouse(c)
    lighthouse_door(c, door_open)
    gull_post(c)
    if with_gull:
        gull(c)
    # tufts of grass
    for x, y in ((400, 420), (430, 440), (600, 430), (620, 460), (560, 470), (60, 420)):
        c.polyline([(x - 6, y), (x - 3, y - 10), (x, y), (x + 3, y - 12), (x + 6, y)], "#3f6a2a", 2)
    return c


def intro1():
    c = Canvas(W, H, "#2a1f4a")
    c.gradient(0, 0, W, 300, "#2a1f4a", "#f08a4a")
    c.circle(200, 300, 46, "#ffcf6a")
    c.gradient(0, 300, W, 180, "#6a3a5a", "#1a1a3a")
    for i in range(8):  # glitter of the sun on the sea
        y = 312 + i * 16
        c.rect(200 - 50 + i * 4, y, 200 + 50 - i * 4, y + 3 + i // 3, "rgba(255,210,120,0.6)")
    # the island and the lighthouse as a dark shape against the sky
    c.path("M 380,310 C 420,270 470,262 520,266 C 570,270 610,290 640,300 L 640,320 L 380,320 Z", fill="#1c1430")
    c.poly([(492, 268), (548, 268), (540, 120), (500, 120)], "#1c1430")
    c.rect(492, 108, 548, 122, "#1c1430")
    c.rect(504, 76, 536, 108, "#1c1430")
    c.poly([(498, 78), (542, 78), (520, 58)], "#1c1430")
    c.rect(506, 82, 534, 104, "#3a2f50")
    # gulls
    for x, y in ((300, 120), (330, 140), (270, 150)):
        c.path("M %d,%d Q %d,%d %d,%d Q %d,%d %d,%d" % (x - 10, y, x - 5, y - 6, x, y, x + 5, y - 6, x + 10, y),
               stroke="#1c1430", width=2)
    return c


def marigold(c, x, y, scale=1.0, lamp=False):
    """Fen's fishing boat, its bow to the right, its waterline at y."""
    s = scale
    c.path("M %g,%g L %g,%g Q %g,%g %g,%g L %g,%g Z" % (x, y - 30 * s, x + 120 * s, y - 34 * s, x + 112 * s,
                                                         y - 4 * s, x + 90 * s, y, x + 14 * s, y),
           fill="#b8322a", stroke="#6a1a14", width=2)
    c.line(x + 2 * s, y - 22 * s, x + 118 * s, y - 26 * s, "#f4f1ea", 3 * s)
    c.rect(x + 30 * s, y - 58 * s, x + 66 * s, y - 31 * s, "#f4f1ea", "#7a7a7a", 1)
    c.rect(x + 38 * s, y - 52 * s, x + 48 * s, y - 42 * s, "#ffd98a" if lamp else "#6a88a8")
    c.rect(x + 52 * s, y - 52 * s, x + 60 * s, y - 42 * s, "#ffd98a" if lamp else "#6a88a8")
    c.line(x + 80 * s, y - 32 * s, x + 80 * s, y - 90 * s, "#5a3a20", 3 * s)
    c.line(x + 80 * s, y - 88 * s, x + 110 * s, y - 36 * s, "#5a3a20", 1)


def intro2():
    c = Canvas(W, H, "#c9d3dc")
    c.gradient(0, 0, W, 250, "#aebdcc", "#e4e8ea")
    c.gradient(0, 250, W, 230, "#7d929e", "#4f6470")
    waves(c, 262, 470, "rgba(230,240,245,0.5)", seed=3)
    marigold(c, 250, 330, 1.3)
    fog(c, [(100, 250, 220, 30), (560, 240, 200, 26), (320, 300, 260, 16), (80, 360, 200, 20),
            (560, 380, 220, 22)], "rgba(240,244,246,0.75)", 16)
    return c


def stars(c, count, height, seed=7):
    value = seed
    for _ in range(count):
        value = (value * 1103515245 + 12345) % 2147483648
        x = value % W
        value = (value * 1103515245 + 12345) % 2147483648
        y = value % height
        c.rect(x, y, x + (value >> 8) % 2, y + (value >> 9) % 2, "#e8ecff")


def beam(c, phase):
    """The lamp's beam turning round: at phase 0 it points left, at 90 at the
    viewer, at 180 right."""
    import math
    a = math.radians(phase)
    reach = math.cos(a)
    cx, cy = 520, 102

    def build(s):
        half = 28 + 60 * abs(math.sin(a))
        far = cx - 760 * reach
        s.poly([(cx, cy - 6), (far, cy - half - 30 * abs(reach)), (far, cy + half + 10), (cx, cy + 6)],
               "rgba(255,244,190,0.42)")
        s.circle(cx, cy, 26 + 40 * abs(math.sin(a)), "rgba(255,244,190,%.2f)" % (0.25 + 0.4 * abs(math.sin(a))))
    c.layer(build, 6)


def night_sea(phase=None, boat_x=None):
    """The ending: night, the lamp lit; `phase` turns the beam (see beam), or
    None for no beam; `boat_x` is where the Marigold is (None: at the jetty)."""
    c = Canvas(W, H, "#0b1230")
    c.gradient(0, 0, W, 250, "#070b22", "#24305a")
    stars(c, 70, 220)
    c.gradient(0, 236, W, 244, "#1a2a50", "#0a1430")
    waves(c, 246, 470, "rgba(160,180,230,0.35)", seed=5)
    # the island, the tower and the jetty
    c.path("M 360,330 C 420,296 470,292 520,294 C 580,298 610,316 640,320 L 640,480 L 300,480 "
           "C 320,420 340,370 360,330 Z", fill="#12202a")
    c.poly([(488, 300), (552, 300), (544, 130), (496, 130)], "#d8d4cc")
    for y0 in (164, 232):
        c.poly([(496 - (y0 - 130) * 8 / 170, y0), (544 + (y0 - 130) * 8 / 170, y0),
                (544 + (y0 + 34 - 130) * 8 / 170, y0 + 34), (496 - (y0 + 34 - 130) * 8 / 170, y0 + 34)],
               "#9a2a24")
    c.round_rect(514, 250, 526, 272, 4, "#ffd06a")
    c.rect(488, 118, 552, 130, "#2a2a34")
    c.rect(500, 86, 540, 118, "#fff3b0", "#2a2a34", 3)
    c.poly([(494, 88), (546, 88), (520, 66)], "#5a1a18")
    c.poly([(230, 356), (380, 348), (382, 356), (232, 364)], "#4a3a2a")
    for x in (250, 290, 330, 370):
        c.line(x, 360, x, 384, "#2a1a10", 3)
    if phase is not None:
        beam(c, phase)
    else:
        c.layer(lambda s: s.circle(520, 102, 44, "rgba(255,240,170,0.75)"), 14)
    boat = 128 if boat_x is None else boat_x
    marigold(c, boat, 372, 0.8, lamp=True)
    # the reflection of the boat's lamp and Fen, waving, on deck
    c.rect(boat + 36, 378, boat + 48, 380, "rgba(255,217,138,0.6)")
    if boat_x is None:
        c.line(boat + 70, 350, boat + 70, 336, "#f4e0c0", 3)
        c.circle(boat + 70, 332, 4, "#f4e0c0")
        c.line(boat + 70, 340, boat + 78, 328, "#f4e0c0", 2)
    return c
