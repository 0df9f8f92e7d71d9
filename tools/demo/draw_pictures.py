#!/usr/bin/env python3
"""Draws every picture of the demo game: the frame backgrounds, the area
pictures and the inventory icons.

    draw_pictures.py GAME_FOLDER WORK_FOLDER

An area picture is cut out of a variant of its frame's scene (the scene with
the door open, the candle on the shelf, ...), so that it fits the background
around it without any transparency. Area pictures that the areas stretch are
cut at half size. Backgrounds in 256 colours share their palette with the
pictures cut from them, quantized without dithering so that the same scene
gives the same pixels.
"""

import os
import sys

import demo_layout as game
import item_icons
import magick
import scenes_indoor as indoor
import scenes_outdoor as outdoor


class Painter:
    def __init__(self, game_folder, work):
        self.frames = os.path.join(game_folder, "Frames")
        self.areas = os.path.join(game_folder, "Areas")
        self.work = work
        os.makedirs(self.frames, exist_ok=True)
        os.makedirs(self.areas, exist_ok=True)
        os.makedirs(work, exist_ok=True)

    def scene(self, name, canvas):
        return canvas.save(os.path.join(self.work, name + ".png"))

    def palette(self, name, canvases):
        """Renders the variants of a scene and chooses 256 colours for all of
        them together; returns the palette picture and the variants."""
        variants = [self.scene("%s-%d-full" % (name, i), c) for i, c in enumerate(canvases)]
        palette = os.path.join(self.work, name + "-palette.png")
        magick.run(*variants, "-append", "-dither", "None", "-colors", "256", "-unique-colors", palette)
        return palette, variants

    def quantized(self, variant, palette):
        """A variant in the colours of the palette, without dithering, so
        that the same part of a scene gives the same pixels in every variant."""
        out = variant.replace("-full.png", ".png")
        magick.run(variant, "-dither", "None", "-remap", palette, out)
        return out

    def area_picture(self, source, frame, index, scale=1.0):
        """Cuts the picture of area `index` of `frame` out of a scene."""
        a = game.FRAMES[frame]["areas"][index - 1]
        out = os.path.join(self.work, a["picture"] + ".png")
        magick.crop(source, a["rect"], out, scale)
        magick.to_bmp24(out, os.path.join(self.areas, a["picture"]))

    def frame_file(self, name):
        return os.path.join(self.frames, name)


def story(p):
    magick.to_jpeg(p.scene("intro1", outdoor.intro1()), p.frame_file("intro1.jpg"))
    magick.to_gif(p.scene("intro2", outdoor.intro2()), p.frame_file("intro2.gif"))
    magick.to_jpeg(p.scene("ending", outdoor.night_sea()), p.frame_file("ending.jpg"))


def shore(p):
    magick.to_bmp24(p.scene("shore", outdoor.shore()), p.frame_file("shore.bmp"))
    p.area_picture(p.scene("shore-shut", outdoor.shore(door_open=False)), "Shore", 3)
    p.area_picture(p.scene("shore-open", outdoor.shore(door_open=True)), "Shore", 4)
    p.area_picture(p.scene("shore-gull", outdoor.shore(with_gull=True)), "Shore", 5, scale=0.5)


def cottage(p):
    variants = [
        (None, dict(), 1.0),
        (2, dict(with_key=True), 1.0),
        (3, dict(with_candle=True), 0.5),
        (4, dict(drawer_open=False), 1.0),
        (5, dict(drawer_open=True, matches=False), 1.0),
        (6, dict(drawer_open=True, matches=True), 1.0),
        (7, dict(radio_on=False), 1.0),
        (8, dict(radio_on=True), 1.0),
    ]
    palette, scenes = p.palette("cottage", [indoor.cottage(**options) for _, options, _ in variants])
    magick.to_bmp8(p.quantized(scenes[0], palette), p.frame_file("cottage.bmp"))
    for (index, _options, scale), scene in zip(variants[1:], scenes[1:]):
        p.area_picture(p.quantized(scene, palette), "Cottage", index, scale)


def boathouse(p):
    tile = p.scene("planks", indoor.planks())
    magick.to_bmp24(tile, p.frame_file("planks.bmp"))
    empty = p.scene("boathouse", indoor.boathouse(tile))
    full = p.scene("boathouse-can", indoor.boathouse(tile, with_can=True))
    p.area_picture(empty, "Boathouse", 1)
    p.area_picture(empty, "Boathouse", 2, scale=0.5)
    p.area_picture(empty, "Boathouse", 3)
    p.area_picture(full, "Boathouse", 4)


def tower(p):
    picture = p.scene("tower", indoor.tower())
    magick.to_jpeg(picture, p.frame_file("tower.jpg"), quality=90)
    p.area_picture(picture, "Tower", 3)


def lamp_room(p):
    variants = [
        (2, dict(oil=False)),
        (3, dict(oil=True)),
        (4, dict(oil=True, flame=True)),
    ]
    palette, scenes = p.palette("lamproom", [indoor.lamproom(**options) for _, options in variants])
    magick.run(p.quantized(scenes[0], palette), p.frame_file("lamproom.gif"))
    for (index, _options), scene in zip(variants, scenes):
        p.area_picture(p.quantized(scene, palette), "LampRoom", index)
    beacon = p.scene("beacon", indoor.lamproom(oil=True, flame=True, glow=1.0, beams=True))
    magick.to_gif(beacon, p.frame_file("beacon.gif"))


def icons(p):
    for file, draw in item_icons.ICONS.items():
        big = p.scene(file, draw())
        small = os.path.join(p.work, file + "-32.png")
        magick.run(big, "-filter", "Triangle", "-resize", "32x32!", small)
        magick.to_bmp24(small, os.path.join(p.areas, file))
    missing = set(game.ITEMS.values()) - set(item_icons.ICONS)
    if missing:
        raise SystemExit("no icon drawn for " + ", ".join(sorted(missing)))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: draw_pictures.py GAME_FOLDER WORK_FOLDER")
    p = Painter(sys.argv[1], sys.argv[2])
    for step in (story, shore, cottage, boathouse, tower, lamp_room, icons):
        print("pictures:", step.__name__)
        step(p)


if __name__ == "__main__":
    main()
