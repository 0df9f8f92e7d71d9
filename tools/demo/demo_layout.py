"""The demo game "The Keeper of Gullrock Light": its frames, areas, texts,
items and combinations, in one place.

Positions and sizes here are in pixels of the 640 x 480 frame display, as
the player shows them. write_game_data.py turns this description into the
game's data files; draw_pictures.py draws the pictures to the same places.
"""

WIDTH, HEIGHT = 640, 480

# Cursor files of the Icons folder.
EXIT = "exit.cur"     # walk somewhere else
TAKE = "hand.cur"     # take or use something
LOOK = "look.ico"     # look at something
DEFAULT = "default"


def rgb(r, g, b):
    """A colour number: red + 256 x green + 65536 x blue."""
    return r + 256 * g + 65536 * b


# ---------------------------------------------------------------------------
# Tasks. A task is a dict with any of the keys:
#   var=(name, "0" | "1" | "flip"), message=text, sound=file (in Areas),
#   disappear=True, end=True, goto=frame, stop_music=True, stop_sound=True,
#   video=(file in Frames, (x, y, w, h) or None for the whole display).
# ---------------------------------------------------------------------------


def goto(frame, **more):
    task = {"goto": frame}
    task.update(more)
    return task


def say(text, **more):
    task = {"message": text}
    task.update(more)
    return task


# An area: where it is, what it shows, when it shows, what it does.
def area(rect, click, picture=None, stretch=False, cursor=DEFAULT, hidden_by=(), shown_by=(), pick=None,
         drops=None, note=""):
    return {
        "rect": rect,              # x, y, w, h; for an unstretched picture w, h are the picture's size
        "picture": picture,        # file in Areas, or None for an invisible click zone
        "stretch": stretch,
        "cursor": cursor,
        "list_a": list(hidden_by),  # variables that must be 0
        "list_b": list(shown_by),   # variables that must be 1
        "pick": pick,              # item given by a click
        "click": click,
        "drops": drops or {},      # item name -> task
        "note": note,
    }


def text(caption, x, y, font="Arial", size=12, bold=False, italic=False, strike=False, underline=False,
         color=rgb(255, 255, 255)):
    return {"caption": caption, "x": x, "y": y, "font": font, "size": size, "bold": bold, "italic": italic,
            "strike": strike, "underline": underline, "color": color}


def frame(background_type, background, tile=False, stop_music=False, music="", duration=None, next_frame="",
          movie="", music_after_movie=True, areas=(), texts=()):
    return {"type": background_type, "background": background, "tile": tile, "stop_music": stop_music,
            "music": music, "duration": duration, "next": next_frame, "movie": movie,
            "music_after_movie": music_after_movie, "areas": list(areas), "texts": list(texts)}


PROJECT = {
    "key": "GullrockLight",
    "unused_text": "Gullrock",
    "title": "Gullrock Light",  # fits the welcome window's title line
    "unused_number": 1,
    "start": "Intro1",
    "version": "Version 1.0",
    "author": "The Quorlen player team",
    "email": "gullrock@example.org",
    "homepage": "http://www.example.org/gullrock/",
    "offer_640x480": 1,
}

VARIABLES = ["DoorOpen", "DrawerOpen", "RadioOn", "LampFilled", "LampLit"]

# Item name -> icon file in Areas.
ITEMS = {
    "Key": "icon_key.bmp",
    "Candle": "icon_candle.bmp",
    "Matches": "icon_matches.bmp",
    "Oil can": "icon_oilcan.bmp",
    "Lit candle": "icon_lit_candle.bmp",
}

# (dragged, target) -> (remove dragged, remove target, add new, new item).
COMBINATIONS = {
    ("Matches", "Candle"): (1, 1, 1, "Lit candle"),
}

SKIP = area((0, 0, WIDTH, HEIGHT), goto("Shore"), note="skip the story")

GRIM_DRAUGHT = "The draught up here blows every match out. You need a steadier flame."
UNLIT = "An unlit candle won't light anything. Strike a match first."

FRAMES = {
    # The timed story at the start: a JPEG, a GIF and a colour frame.
    "Intro1": frame(1, "intro1.jpg", music="theme.mid", duration=5, next_frame="Intro2", areas=[SKIP], texts=[
        text("The Keeper of", 60, 40, font="Times New Roman", size=22, italic=True, color=rgb(255, 236, 200)),
        text("Gullrock Light", 60, 76, font="Times New Roman", size=40, bold=True, color=rgb(255, 200, 80)),
        text("A little adventure for the Quorlen player", 64, 146, font="Arial", size=11, italic=True,
             color=rgb(255, 226, 210)),
        text("Click to skip the story", 500, 452, font="Arial", size=8, color=rgb(220, 200, 220)),
    ]),
    "Intro2": frame(1, "intro2.gif", music="theme.mid", duration=6, next_frame="Intro3", areas=[SKIP], texts=[
        text("Evening falls on Gullrock Island.", 40, 30, font="Times New Roman", size=20, italic=True,
             color=rgb(40, 40, 64)),
        text("Out at sea, Fen's little boat, the Marigold, is heading home...", 40, 66, font="Times New Roman",
             size=14, italic=True, color=rgb(40, 40, 64)),
        text("Click to skip the story", 500, 452, font="Arial", size=8, color=rgb(60, 60, 80)),
    ]),
    "Intro3": frame(0, str(rgb(18, 24, 64)), music="theme.mid", duration=8, next_frame="Shore", areas=[SKIP],
                    texts=[
        text("...but the fog is rolling in,", 60, 90, font="Times New Roman", size=24, italic=True,
             color=rgb(200, 210, 255)),
        text("and the great lamp has gone out!", 60, 130, font="Times New Roman", size=24, bold=True,
             italic=True, color=rgb(255, 210, 90)),
        text("Old Tamsin, the keeper, is away on the mainland.", 60, 210, font="Arial", size=14,
             color=rgb(230, 230, 240)),
        text("You are Wren, her apprentice.", 60, 240, font="Arial", size=14, bold=True,
             color=rgb(230, 230, 240)),
        text("Light the lamp and guide the Marigold home.", 60, 300, font="Courier New", size=14, bold=True,
             color=rgb(140, 230, 160)),
        text("Click to skip the story", 500, 452, font="Arial", size=8, color=rgb(160, 160, 200)),
    ]),

    # The island: a 24-bit BMP.
    "Shore": frame(1, "shore.bmp", music="theme.mid", areas=[
        area((104, 318, 52, 84), goto("Cottage"), cursor=EXIT, note="the cottage door"),
        area((290, 262, 80, 66), goto("Boathouse"), cursor=EXIT, note="the boathouse"),
        area((478, 330, 44, 70), say("The lighthouse door is locked. Old Tamsin keeps a spare key somewhere "
                                     "in her cottage."),
             picture="shore_door_shut.bmp", cursor=LOOK, hidden_by=["DoorOpen"], note="the shut door", drops={
                 "Key": {"var": ("DoorOpen", "1"), "message": "The key turns with a groan, and the heavy door "
                         "swings open.", "sound": "creak.wav", "disappear": True},
                 "Lit candle": say("Burn the door down? Tamsin would never forgive you."),
             }),
        area((478, 330, 44, 70), goto("Tower"), picture="shore_door_open.bmp", cursor=EXIT,
             shown_by=["DoorOpen"], note="the open door"),
        area((236, 372, 52, 40), say("Squawk! The gull flaps off in a huff.", sound="gull.wav", disappear=True),
             picture="shore_gull.bmp", stretch=True, cursor=LOOK, note="a gull on a post"),
    ], texts=[
        text("Gullrock Island", 210, 10, font="Times New Roman", size=20, bold=True, italic=True,
             color=rgb(255, 255, 255)),
        text("Esc or a right click shows the menu", 212, 44, font="Arial", size=9, color=rgb(60, 70, 110)),
    ]),

    # Tamsin's cottage: an 8-bit palettized BMP.
    "Cottage": frame(1, "cottage.bmp", music="theme.mid", areas=[
        area((560, 140, 70, 260), goto("Shore", var=("RadioOn", "0"), stop_sound=True), cursor=EXIT,
             note="the way out (the radio is switched off on the way)"),
        area((538, 190, 20, 44), say("You take the big brass key from its hook.", disappear=True),
             picture="cottage_key.bmp", cursor=TAKE, pick="Key", note="the key on its hook"),
        area((338, 66, 32, 64), {"disappear": True}, picture="cottage_candle.bmp", stretch=True, cursor=TAKE,
             pick="Candle", note="a candle on the shelf"),
        area((190, 262, 130, 58), {"var": ("DrawerOpen", "flip"), "sound": "drawer.wav"},
             picture="cottage_drawer_shut.bmp", cursor=TAKE, hidden_by=["DrawerOpen"], note="the shut drawer"),
        area((190, 262, 130, 58), {"var": ("DrawerOpen", "flip"), "sound": "drawer.wav"},
             picture="cottage_drawer_open.bmp", cursor=TAKE, shown_by=["DrawerOpen"], note="the open drawer"),
        area((236, 272, 40, 24), {"disappear": True}, picture="cottage_matches.bmp", cursor=TAKE,
             pick="Matches", shown_by=["DrawerOpen"], note="matches in the drawer"),
        area((216, 200, 76, 48), {"var": ("RadioOn", "flip"), "sound": "radio.wav"},
             picture="cottage_radio_off.bmp", cursor=TAKE, hidden_by=["RadioOn"], note="the radio, off"),
        area((216, 200, 76, 48), {"var": ("RadioOn", "flip"), "stop_sound": True},
             picture="cottage_radio_on.bmp", cursor=TAKE, shown_by=["RadioOn"], note="the radio, playing"),
    ], texts=[
        text("Home, Sweet Home", 376, 206, font="Times New Roman", size=14, italic=True,
             color=rgb(128, 0, 0)),
    ]),

    # The boathouse: a tiled frame with WAV music.
    "Boathouse": frame(1, "planks.bmp", tile=True, stop_music=True, music="waves.wav", areas=[
        area((520, 120, 100, 300), goto("Shore", stop_music=True), picture="boathouse_door.bmp", cursor=EXIT,
             note="the doorway"),
        area((60, 300, 400, 160), say("Tamsin's little rowing boat. She took the ferry to the mainland this "
                                      "morning."),
             picture="boathouse_boat.bmp", stretch=True, cursor=LOOK, note="the rowing boat"),
        area((120, 90, 220, 120), say("Ropes, nets and a tin of rusty nails."), picture="boathouse_shelf.bmp",
             cursor=LOOK, note="the shelf"),
        area((250, 112, 40, 48), say("A can of lamp oil. Just what a thirsty lamp needs.", disappear=True),
             picture="boathouse_oilcan.bmp", cursor=TAKE, pick="Oil can", note="the oil can"),
    ], texts=[
        text("NO SMOKING", 360, 40, font="Courier New", size=16, bold=True, color=rgb(255, 236, 190)),
        text("(that means you, Fen)", 364, 68, font="Arial", size=9, italic=True, color=rgb(255, 236, 190)),
    ]),

    # Inside the lighthouse: a JPEG.
    "Tower": frame(1, "tower.jpg", music="theme.mid", areas=[
        area((30, 190, 90, 230), goto("Shore"), cursor=EXIT, note="the door to the shore"),
        area((400, 40, 200, 380), goto("LampRoom"), cursor=EXIT, note="the stairs"),
        area((170, 286, 84, 34), say("Tamsin's logbook: 'Wren, if the lamp goes out: fill it with oil from the "
                                     "boathouse, then light it with a candle. Strike a match on the candle, "
                                     "the matches are in the kitchen drawer. And don't burn the island "
                                     "down! - T.'"),
             picture="tower_logbook.bmp", cursor=LOOK, note="the logbook"),
    ], texts=[
        text("TO DO", 214, 100, font="Courier New", size=11, bold=True, underline=True, color=rgb(40, 30, 20)),
        text("- paint railings", 214, 124, font="Courier New", size=10, strike=True, color=rgb(40, 30, 20)),
        text("- mend the nets", 214, 142, font="Courier New", size=10, strike=True, color=rgb(40, 30, 20)),
        text("- LIGHT THE LAMP!", 214, 166, font="Courier New", size=10, bold=True, color=rgb(170, 20, 20)),
        text("GULLROCK LIGHT", 200, 40, font="Times New Roman", size=18, bold=True, color=rgb(230, 190, 90)),
    ]),

    # The lamp room at the top: a GIF. Lighting the lamp is a cut scene in
    # the lamp's own rectangle, played by a click (the click hides the
    # cut-scene box again); it leads to a frame without a video of its own.
    "LampRoom": frame(1, "lamproom.gif", music="theme.mid", areas=[
        area((30, 390, 150, 80), goto("Tower"), cursor=EXIT, note="the hatch down"),
        area((230, 110, 180, 240), say("The great lamp is dry. Not a drop of oil in it."), picture="lamp_dry.bmp",
             cursor=LOOK, hidden_by=["LampFilled"], note="the dry lamp", drops={
                 "Oil can": {"var": ("LampFilled", "1"), "message": "You pour the oil into the lamp.",
                             "sound": "pour.wav", "disappear": True},
                 "Lit candle": say("The wick is bone dry and only smokes. Fill the lamp with oil first."),
                 "Candle": say(UNLIT),
                 "Matches": say(GRIM_DRAUGHT),
             }),
        area((230, 110, 180, 240), say("The lamp is full of oil. Now it needs a flame."), picture="lamp_full.bmp",
             cursor=LOOK, hidden_by=["LampLit"], shown_by=["LampFilled"], note="the lamp full of oil", drops={
                 "Lit candle": {"var": ("LampLit", "1"), "message": "You light the wick. A little flame flickers "
                                "inside the great lens. Now wind the clockwork to set the lens turning!",
                                "disappear": True},
                 "Candle": say(UNLIT),
                 "Matches": say(GRIM_DRAUGHT),
             }),
        area((230, 110, 180, 240), {"stop_music": True, "video": ("lamp.avi", (230, 110, 180, 240)),
                                    "goto": "Beacon"},
             picture="lamp_wick.bmp", cursor=TAKE, shown_by=["LampLit"], note="the lamp with its wick lit"),
    ], texts=[
        text("Hurry, it's getting dark!", 420, 10, font="Arial", size=12, italic=True, color=rgb(255, 190, 120)),
    ]),

    # The light shines: a frame without areas that moves on by itself.
    "Beacon": frame(1, "beacon.gif", duration=4, next_frame="Ending", texts=[
        text("The great light shines out over the sea!", 90, 404, font="Times New Roman", size=20, bold=True,
             italic=True, color=rgb(255, 220, 120)),
    ]),

    # The end: a video when the frame opens, then music after it.
    "Ending": frame(1, "ending.jpg", stop_music=True, music="ending.mid", movie="ending.avi",
                    music_after_movie=True, areas=[
        area((0, 0, WIDTH, HEIGHT), say("Thank you for playing The Keeper of Gullrock Light!", end=True),
             note="anywhere: the end"),
    ], texts=[
        text("The End", 40, 24, font="Times New Roman", size=36, bold=True, italic=True,
             color=rgb(255, 210, 90)),
        text("The Marigold is safely home, guided by your light.", 40, 86, font="Arial", size=13,
             color=rgb(255, 255, 255)),
        text("Click anywhere to finish.", 40, 116, font="Arial", size=9, italic=True, color=rgb(200, 200, 220)),
    ]),
}
