"""The inventory icons of the demo game, drawn four times larger than their
32 x 32 pixels and scaled down."""

from magick import Canvas

S = 4  # drawing scale


def plate():
    c = Canvas(32 * S, 32 * S, "#5a3a22")
    c.round_rect(2 * S, 2 * S, 30 * S, 30 * S, 5 * S, "#f4e8c8", "#8a6a40", S)
    return c


def key():
    c = plate()
    c.circle(11 * S, 11 * S, 5 * S, "none", "#b88a20", 3 * S)
    c.line(15 * S, 15 * S, 26 * S, 26 * S, "#b88a20", 3 * S)
    c.line(22 * S, 22 * S, 25 * S, 19 * S, "#b88a20", 2.5 * S)
    c.line(25 * S, 25 * S, 28 * S, 22 * S, "#b88a20", 2.5 * S)
    return c


def candle_body(c):
    c.ellipse(16 * S, 26 * S, 9 * S, 3 * S, "#c8a040", "#8a6a20", S)
    c.rect(13 * S, 11 * S, 19 * S, 25 * S, "#fbf6e6", "#b8b098", S)
    c.line(16 * S, 11 * S, 16 * S, 8 * S, "#222222", S)


def candle():
    c = plate()
    candle_body(c)
    return c


def lit_candle():
    c = plate()
    c.layer(lambda s: s.circle(16 * S, 7 * S, 7 * S, "rgba(255,220,120,0.8)"), 3 * S)
    candle_body(c)
    c.path("M %d,%d Q %d,%d %d,%d Q %d,%d %d,%d Z" % (16 * S, 2 * S, 20 * S, 7 * S, 16 * S, 10 * S,
                                                     12 * S, 7 * S, 16 * S, 2 * S), fill="#ffb020",
           stroke="#e07010", width=S)
    c.ellipse(16 * S, 7.5 * S, 1.5 * S, 2.5 * S, "#fff6c0")
    return c


def matches():
    c = plate()
    c.rect(6 * S, 14 * S, 26 * S, 26 * S, "#e8d048", "#6a5a10", S)
    c.rect(9 * S, 17 * S, 23 * S, 23 * S, "#c83020")
    for x in (10, 15):
        c.line(x * S, 13 * S, (x + 8) * S, 5 * S, "#d8b078", 1.6 * S)
        c.circle((x + 8) * S, 5 * S, 1.8 * S, "#a02010")
    return c


def oil_can():
    c = plate()
    c.rect(8 * S, 11 * S, 22 * S, 27 * S, "#c83020", "#7a1a10", S)
    c.rect(8 * S, 16 * S, 22 * S, 21 * S, "#e8d048")
    c.poly([(19 * S, 11 * S), (25 * S, 5 * S), (27 * S, 5 * S), (21 * S, 11 * S)], "#9a9a9a", "#4a4a4a", S)
    c.path("M %d,%d Q %d,%d %d,%d" % (10 * S, 11 * S, 14 * S, 5 * S, 18 * S, 11 * S), stroke="#4a4a4a",
           width=1.6 * S)
    return c


ICONS = {
    "icon_key.bmp": key,
    "icon_candle.bmp": candle,
    "icon_lit_candle.bmp": lit_candle,
    "icon_matches.bmp": matches,
    "icon_oilcan.bmp": oil_can,
}
