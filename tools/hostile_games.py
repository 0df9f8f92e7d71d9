#!/usr/bin/env python3
"""Makes game folders that attack the player, each with a runner script.

    tools/hostile_games.py OUT

writes OUT/NAME/game and OUT/NAME/script for every case below;
tools/measure_hostile.sh runs them under /usr/bin/time. docs/reliability.md
lists what the player does with each.
"""
import os
import shutil
import struct
import sys

CRLF = "\r\n"
DOTDOT_ZERO = "..\\" * 12 + "dev\\zero"


def lines(*fields):
    return CRLF.join(fields) + CRLF


def quoted(text):
    return '"' + text + '"'


def frame(background_type=0, background="255", music="", duration=0, next_frame="", movie=""):
    timed = "#TRUE#" if duration else "#FALSE#"
    return (f'{background_type},{quoted(background)},#FALSE#,#FALSE#,{quoted(music)},{timed},{duration},'
            f'{quoted(next_frame)},{quoted(movie)},#TRUE#' + CRLF)


def bmp(width, height):
    """A 1 x 1 BMP whose header claims width x height."""
    pixels = b"\x00\x00\xff\x00"
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def text_file(caption, left=1500, size="18"):
    return lines(quoted(caption), str(left), "750", "#TRUE#", "#FALSE#", quoted("Arial"), size, "#FALSE#",
                 "#FALSE#", "255")


def saved_game(frame_name="Hall", variables=(), items=()):
    out = [quoted(frame_name), str(len(variables))]
    for name, value in variables:
        out += [quoted(name), str(value)]
    out.append("0")
    out.append(str(len(items)))
    out += [quoted(item) for item in items]
    return lines(*out)


START = "click frmWelcome.Image5\ndump\n"
LOAD = 'click frmWelcome.Image6\nselect frmLoadGame.List1 "Slot"\nclick frmLoadGame.Command2\ndump\n'


class Game:
    def __init__(self, root):
        self.root = root
        self.files = {
            "Config/General": lines('"hostile"', '""', '"Hostile"', "0", '"Hall"', '"1.0"', "640", "480",
                                    '"A. Author"', '""', '""', "0"),
            "Config/Variables": lines("1", '"DoorOpen"'),
            "Frames/Hall.fme": frame(),
            "Frames/Kitchen.fme": frame(background="65280"),
            "Areas/Key.obj": lines('"key.bmp"'),
            "Areas/key.bmp": bmp(1, 1),
        }
        self.fifos = []
        self.links = {}

    def write(self, script):
        game = os.path.join(self.root, "game")
        for path, content in self.files.items():
            full = os.path.join(game, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "wb") as out:
                out.write(content.encode("latin-1") if isinstance(content, str) else content)
        for path in self.fifos:
            full = os.path.join(game, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            os.mkfifo(full)
        for path, target in self.links.items():
            full = os.path.join(game, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            os.symlink(target, full)
        with open(os.path.join(self.root, "script"), "w") as out:
            out.write(script)


def cases():
    """(name, function filling a Game and returning its script)"""
    def devzero_frame(g):
        del g.files["Frames/Hall.fme"]
        g.links["Frames/Hall.fme"] = "/dev/zero"
        return START

    def fifo_frame(g):
        del g.files["Frames/Hall.fme"]
        g.fifos.append("Frames/Hall.fme")
        return START

    def fifo_general(g):
        del g.files["Config/General"]
        g.fifos.append("Config/General")
        return START

    def devzero_variables(g):
        del g.files["Config/Variables"]
        g.links["Config/Variables"] = "/dev/zero"
        return START

    def fifo_link_file(g):
        g.fifos.append("Frames/Hall.lks")
        return START

    def fifo_item(g):
        del g.files["Areas/Key.obj"]
        g.fifos.append("Areas/Key.obj")
        g.files["Slot.sav"] = saved_game(items=["Key"])
        return LOAD

    def dotdot_media(g):
        g.files["Frames/Hall.fme"] = frame(background_type=1, background=DOTDOT_ZERO, music=DOTDOT_ZERO,
                                           movie=DOTDOT_ZERO)
        g.files["Areas/Key.obj"] = lines(quoted(DOTDOT_ZERO))
        g.files["Slot.sav"] = saved_game(items=["Key"])
        return LOAD

    def areas_32767(g):
        g.files["Frames/Hall.lks"] = lines("32767")
        return START

    def areas_minus_one(g):
        g.files["Frames/Hall.lks"] = lines("-1")
        return START

    def variables_32767(g):
        g.files["Config/Variables"] = lines("32767", *[quoted(f"V{i}") for i in range(32767)])
        return START

    def variables_minus_one(g):
        g.files["Config/Variables"] = lines("-1", '"DoorOpen"')
        return START

    def variables_30000_saved(g):
        names = [f"V{i}" for i in range(30000)]
        g.files["Config/Variables"] = lines(str(len(names)), *[quoted(n) for n in names])
        g.files["Slot.sav"] = saved_game(variables=[(n, 1) for n in names])
        return LOAD

    def names_100k(g):
        long = "N" * 100_000
        g.files["Config/General"] = lines('"hostile"', '""', quoted(long), "0", '"Hall"', quoted(long), "640",
                                          "480", quoted(long), '""', '""', "0")
        g.files["Config/Variables"] = lines("1", quoted(long))
        g.files["Areas/Hall/a.lbl"] = text_file(long)
        g.files["Slot.sav"] = saved_game(variables=[(long, 1)], items=[long])
        return START + 'key Game.PictureBox 27\nmenu Game.mnuExit\n' + LOAD

    def saved_items_32767(g):
        g.files["Slot.sav"] = saved_game(items=["Key"] * 32767)
        return LOAD

    def saved_items_minus_one(g):
        g.files["Slot.sav"] = lines('"Hall"', "-1", "-1", "-1")
        return LOAD

    def timed_frames_hours(g):
        g.files["Frames/Hall.fme"] = frame(duration=1, next_frame="Kitchen")
        g.files["Frames/Kitchen.fme"] = frame(background="65280", duration=1, next_frame="Hall")
        return "click frmWelcome.Image5\n" + "wait 3600000\n" * 4 + "dump\n"

    def truncated_and_lying_media(g):
        g.files["Frames/Hall.fme"] = frame(background_type=1, background="lying.bmp", music="cut.mid",
                                           movie="cut.avi")
        g.files["Frames/lying.bmp"] = bmp(30000, 30000)
        g.files["Frames/cut.mid"] = b"MThd\x00\x00\x00\x06\x00\x01"
        g.files["Frames/cut.avi"] = b"RIFF\xff\xff\xff\x7fAVI LIST"
        g.files["Areas/key.bmp"] = bmp(-2147483648, -2147483648)
        g.files["Slot.sav"] = saved_game(items=["Key"])
        return START + 'key Game.PictureBox 27\nmenu Game.mnuExit\n' + LOAD

    def huge_geometry(g):
        g.files["Areas/Hall/a.lbl"] = text_file("far away", left=2147483647)
        g.files["Areas/Hall/b.lbl"] = text_file("enormous", size="200000000")
        g.files["Areas/Key.obj"] = lines('"wide.bmp"')
        g.files["Areas/wide.bmp"] = bmp(2147483647, 200000000)
        g.files["Slot.sav"] = saved_game(items=["Key"])
        return START + "click Game.Text(1)\nclick Game.Text(2)\nkey Game.PictureBox 27\nmenu Game.mnuExit\n" + LOAD

    def save_through_link(g):
        g.links["Slot.sav.new"] = "../victim.txt"
        g.links["Other.sav"] = "../victim.txt"
        return ("click frmWelcome.Image5\nkey Game.PictureBox 27\nmenu Game.mnuSaveGame\n"
                'type frmSaveGame.Text1 "Slot"\nclick frmSaveGame.Command2\n'
                'menu Game.mnuSaveGame\ntype frmSaveGame.Text1 "Other"\nclick frmSaveGame.Command2\nanswer ok\n'
                "answer ok\ndump\n")

    return [(f.__name__.replace("_", "-"), f) for f in [
        devzero_frame, fifo_frame, fifo_general, devzero_variables, fifo_link_file, fifo_item, dotdot_media,
        areas_32767, areas_minus_one, variables_32767, variables_minus_one, variables_30000_saved, names_100k,
        saved_items_32767, saved_items_minus_one, timed_frames_hours, truncated_and_lying_media, huge_geometry,
        save_through_link]]


def main():
    out = sys.argv[1]
    for name, fill in cases():
        root = os.path.join(out, name)
        shutil.rmtree(root, ignore_errors=True)
        os.makedirs(root)
        with open(os.path.join(root, "victim.txt"), "w") as victim:
            victim.write("the user's own file\n")
        game = Game(root)
        game.write(fill(game))


if __name__ == "__main__":
    main()
