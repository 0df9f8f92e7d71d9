#!/usr/bin/env python3
"""Writes the data files of the demo game, as the editor writes them, from
the description in demo_layout.py.

    write_game_data.py GAME_FOLDER

Every file is 8-bit text of comma-separated fields with CR LF line ends:
text in double quotes, numbers bare, choices as #TRUE# or #FALSE#. Old data
files of the game (not its pictures and sounds) are removed first, so that a
file that the description no longer names does not linger.
"""

import os
import sys

import demo_layout as game

TWIPS = 15


def field(value):
    if isinstance(value, bool):
        return "#TRUE#" if value else "#FALSE#"
    if isinstance(value, int):
        return str(value)
    if '"' in value:
        raise ValueError("a text field cannot hold a double quote: " + value)
    return '"' + value + '"'


def write(path, lines):
    """lines: a list of records, each a list of fields written on one line."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    body = "".join(",".join(field(v) for v in record) + "\r\n" for record in lines)
    with open(path, "wb") as out:
        out.write(body.encode("cp1252"))


def flag(on):
    return 1 if on else 0


def project_file(folder):
    p = game.PROJECT
    write(os.path.join(folder, "Config", "General"),
          [[p["key"]], [p["unused_text"]], [p["title"]], [p["unused_number"]], [p["start"]], [p["version"]],
           [game.WIDTH], [game.HEIGHT], [p["author"]], [p["email"]], [p["homepage"]], [p["offer_640x480"]]])


def variables_file(folder):
    write(os.path.join(folder, "Config", "Variables"), [[len(game.VARIABLES)]] + [[v] for v in game.VARIABLES])


def frame_files(folder, name, f):
    duration = f["duration"]
    write(os.path.join(folder, "Frames", name + ".fme"),
          [[f["type"], f["background"], f["tile"], f["stop_music"], f["music"], duration is not None,
            duration or 0, f["next"], f["movie"], f["music_after_movie"]]])
    write(os.path.join(folder, "Frames", name + ".lks"), [[len(f["areas"])]])


def area_file(path, a):
    x, y, w, h = a["rect"]
    picture = a["picture"]
    lines = [[x * TWIPS - 30, y * TWIPS - 30, w * TWIPS + 60, h * TWIPS + 60],
             [picture is None, picture is not None, picture or "", flag(a["stretch"]), a["cursor"]]]
    conditional = bool(a["list_a"] or a["list_b"])
    lines.append([flag(conditional)])
    if conditional:
        lines.append([len(a["list_a"])])
        lines += [[name] for name in a["list_a"]]
        lines.append([len(a["list_b"])])
        lines += [[name] for name in a["list_b"]]
    write(path, lines)


def task_file(path, t):
    unknown = set(t) - {"var", "message", "sound", "disappear", "end", "goto", "stop_music", "stop_sound", "video"}
    if unknown:
        raise ValueError("unknown task keys " + ", ".join(sorted(unknown)))
    name, how = t.get("var", ("", None))
    video = t.get("video")
    lines = [
        [flag(how is not None), name, how == "0", how == "1", how == "flip"],
        [flag("message" in t), t.get("message", "")],
        [flag("sound" in t), t.get("sound", "")],
        [flag(t.get("disappear", False))],
        [flag(t.get("end", False))],
        [flag("goto" in t), t.get("goto", "")],
        [flag(t.get("stop_music", False)), flag(t.get("stop_sound", False))],
    ]
    if video is None:
        lines.append([0])
    else:
        movie, rect = video
        x, y, w, h = rect if rect is not None else (0, 0, 0, 0)
        lines.append([1, movie, False, rect is not None, x, y, w, h])
    write(path, lines)


def area_files(folder, name, f):
    for n, a in enumerate(f["areas"], start=1):
        base = os.path.join(folder, "Areas", name, str(n))
        area_file(base + "a.dat", a)
        task_file(base + "b.dat", a["click"])
        if a["pick"] is not None:
            if a["pick"] not in game.ITEMS:
                raise ValueError("unknown item " + a["pick"])
            write(base + "c.dat", [[1, a["pick"]]])
        for item, task in a["drops"].items():
            if item not in game.ITEMS:
                raise ValueError("unknown item " + item)
            task_file(base + "_" + item + ".drg", task)


def text_files(folder, name, f):
    for n, t in enumerate(f["texts"], start=1):
        write(os.path.join(folder, "Areas", name, "text%d.lbl" % n),
              [[t["caption"], t["x"] * TWIPS, t["y"] * TWIPS, t["bold"], t["italic"], t["font"], t["size"],
                t["strike"], t["underline"], t["color"]]])


def item_files(folder):
    for item, icon in game.ITEMS.items():
        write(os.path.join(folder, "Areas", item + ".obj"), [[icon]])
    for (dragged, target), (a, b, c, new) in game.COMBINATIONS.items():
        write(os.path.join(folder, "Areas", dragged + "_on_" + target + ".drg"), [[a, b, c, new]])


def remove_old_data(folder):
    data_endings = (".fme", ".lks", ".dat", ".drg", ".lbl", ".obj")
    for root, _dirs, files in os.walk(folder):
        for f in files:
            if f.endswith(data_endings):
                os.remove(os.path.join(root, f))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: write_game_data.py GAME_FOLDER")
    folder = sys.argv[1]
    remove_old_data(folder)
    project_file(folder)
    variables_file(folder)
    for name, f in game.FRAMES.items():
        frame_files(folder, name, f)
        area_files(folder, name, f)
        text_files(folder, name, f)
    item_files(folder)


if __name__ == "__main__":
    main()
