#!/usr/bin/env python3
"""Renders a frame of the demo game as the player would show it, for
checking the pictures against the areas without running the player.

    preview.py GAME_FOLDER FRAME OUT.png [VARIABLE=VALUE ...] [-FRAME:AREA ...] [+ITEM ...]

VARIABLE=VALUE sets a game variable (all others are 0), -AREA hides an area
that has disappeared, +ITEM puts an item in the inventory. Fonts are
stand-ins, so texts are only close to what a player draws.
"""

import os
import sys

import demo_layout as game
from magick import Canvas

FONTS = {"Arial": "DejaVu-Sans", "Times New Roman": "DejaVu-Serif", "Courier New": "DejaVu-Sans-Mono"}


def font_of(t):
    base = FONTS.get(t["font"], "DejaVu-Sans")
    style = ("-Bold" if t["bold"] else "") + (("-Italic" if "Serif" in base else "-Oblique") if t["italic"] else "")
    return base + style


def colour_of(number):
    return "#%02x%02x%02x" % (number & 255, (number >> 8) & 255, (number >> 16) & 255)


def shown(a, variables, frame_name, index, gone):
    if (frame_name, index) in gone:
        return False
    return all(variables.get(v, 0) == 0 for v in a["list_a"]) and all(variables.get(v, 0) == 1 for v in a["list_b"])


def render(folder, name, out, variables, gone, items):
    f = game.FRAMES[name]
    frames = os.path.join(folder, "Frames")
    areas = os.path.join(folder, "Areas")
    if f["type"] == 0:
        c = Canvas(game.WIDTH, game.HEIGHT, colour_of(int(f["background"])))
    else:
        c = Canvas(game.WIDTH, game.HEIGHT, "black")
        if f["tile"]:
            c.tile(os.path.join(frames, f["background"]))
        else:
            c.args += ["(", os.path.join(frames, f["background"]), "-resize", "%dx%d!" % (game.WIDTH, game.HEIGHT),
                       ")", "-geometry", "+0+0", "-composite"]
    c.args += ["-gravity", "NorthWest"]
    for t in f["texts"]:
        c.args += ["-font", font_of(t), "-pointsize", str(round(t["size"] * 4 / 3)), "-fill", colour_of(t["color"]),
                   "-stroke", "none", "-annotate", "+%d+%d" % (t["x"], t["y"]), t["caption"]]
    for index, a in enumerate(f["areas"], start=1):
        if a["picture"] is None or not shown(a, variables, name, index, gone):
            continue
        x, y, w, h = a["rect"]
        picture = os.path.join(areas, a["picture"])
        size = ["-resize", "%dx%d!" % (w, h)] if a["stretch"] else []
        c.args += ["(", picture] + size + [")", "-geometry", "+%d+%d" % (x, y), "-composite"]
    columns = game.WIDTH // 35
    for slot, item in enumerate(items):
        x, y = (slot % columns) * 35, (slot // columns) * 35
        c.args += ["(", os.path.join(areas, game.ITEMS[item]), ")", "-geometry", "+%d+%d" % (x, y), "-composite"]
    c.save(out)


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    folder, name, out = sys.argv[1:4]
    variables, gone, items = {}, set(), []
    for word in sys.argv[4:]:
        if word.startswith("+"):
            items.append(word[1:])
        elif word.startswith("-"):
            frame_name, index = word[1:].split(":")
            gone.add((frame_name, int(index)))
        else:
            key, value = word.split("=")
            variables[key] = int(value)
    render(folder, name, out, variables, gone, items)


if __name__ == "__main__":
    main()
