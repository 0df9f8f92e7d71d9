#!/usr/bin/env python3
"""Writes the two MIDI tunes of the demo game, composed for it:
theme.mid (the island, a slow 6/8 air in D dorian: flute, harp and cello)
and ending.mid (the lamp is lit, a short hymn in D major: horn and strings).

    make_midi.py FRAMES_FOLDER

Also used by make_sounds.py, which plays the theme on a tinny radio.
"""

import os
import struct
import sys

TICKS = 480          # per quarter note
EIGHTH = TICKS // 2

NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def pitch(name):
    """'D4', 'F#4', 'Bb3' -> MIDI note number (C4 = 60); 'r' is a rest."""
    if name == "r":
        return None
    n = NOTE[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        n, rest = n + 1, rest[1:]
    elif rest.startswith("b"):
        n, rest = n - 1, rest[1:]
    return 12 * (int(rest) + 1) + n


def parse(text):
    """'D4:2 F4:1 ...' -> [(note, eighths)]."""
    out = []
    for word in text.split():
        name, length = word.split(":")
        out.append((pitch(name), float(length)))
    return out


# --- the island theme -----------------------------------------------------------

THEME_A = parse("""D4:2 F4:1 A4:2 A4:1  G4:2 F4:1 E4:2 D4:1  C4:2 E4:1 G4:2 G4:1  F4:3 E4:2 C4:1
                   D4:2 F4:1 A4:2 D5:1  C5:2 A4:1 G4:2 E4:1  F4:2 G4:1 A4:2 E4:1  D4:6""")
THEME_B = parse("""A4:2 D5:1 D5:2 E5:1  F5:2 E5:1 D5:2 C5:1  C5:2 B4:1 A4:2 G4:1  A4:6
                   D5:2 C5:1 A4:2 F4:1  G4:2 A4:1 B4:2 G4:1  A4:2 F4:1 E4:2 C4:1  D4:6""")
THEME_CHORDS_A = ["D3 F3 A3", "G2 B2 D3", "C3 E3 G3", "F2 A2 C3", "D3 F3 A3", "A2 C3 E3", "C3 E3 G3", "D3 F3 A3"]
THEME_CHORDS_B = ["D3 F3 A3", "F2 A2 C3", "G2 B2 D3", "A2 C3 E3", "D3 F3 A3", "G2 B2 D3", "C3 E3 G3", "D3 F3 A3"]
THEME_FORM = "ABAB"


def theme_parts():
    melody, chords = [], []
    for part in THEME_FORM:
        melody += THEME_A if part == "A" else THEME_B
        chords += THEME_CHORDS_A if part == "A" else THEME_CHORDS_B
    return melody, chords


def theme():
    melody, chords = theme_parts()
    harp, cello = [], []
    for chord in chords:
        root, third, fifth = (pitch(n) for n in chord.split())
        for n in (root + 12, fifth + 12, root + 24, third + 24, fifth + 12, third + 12):
            harp.append((n, 1.0))
        cello.append((root, 6.0))
    return [
        (0, 73, 92, melody),    # flute
        (1, 46, 70, harp),      # harp
        (2, 42, 64, cello),     # cello
    ], 555556, (6, 3)           # a dotted quarter at 72 a minute; 6/8


# --- the ending hymn ------------------------------------------------------------

END_MELODY = parse("""F#4:2 A4:2 D5:4  C#5:2 B4:2 A4:4  G4:2 B4:2 A4:2 F#4:2  E4:8
                      F#4:2 A4:2 D5:3 E5:1  F#5:2 E5:2 D5:4  B4:2 G4:2 E4:2 C#5:2  D5:8""")
END_CHORDS = ["D3 F#3 A3", "A2 C#3 E3", "G2 B2 D3", "A2 C#3 E3", "D3 F#3 A3", "B2 D3 F#3", "G2 B2 E3", "D3 F#3 A3"]


def ending():
    strings, bass = [], []
    for chord in END_CHORDS:
        strings.append(([pitch(n) + 12 for n in chord.split()], 8.0))
        bass.append((pitch(chord.split()[0]) - 12, 8.0))
    return [
        (0, 60, 96, END_MELODY),  # French horn
        (1, 48, 72, strings),     # strings
        (2, 43, 72, bass),        # contrabass
    ], 750000, (4, 2)             # a quarter at 80 a minute; 4/4


# --- the file ---------------------------------------------------------------------

def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, 0x80 | (n & 0x7F))
        n >>= 7
    return bytes(out)


def track(events):
    """events: [(tick, bytes)] in any order; note-offs sort before note-ons."""
    body = b""
    now = 0
    for tick, data in sorted(events, key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80)):
        body += vlq(tick - now) + data
        now = tick
    body += vlq(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + body


def part_track(channel, program, velocity, notes):
    events = [(0, bytes([0xC0 | channel, program]))]
    tick = 0
    for note, eighths in notes:
        length = int(eighths * EIGHTH)
        chord = note if isinstance(note, list) else [note]
        for n in chord:
            if n is None:
                continue
            events.append((tick, bytes([0x90 | channel, n, velocity])))
            events.append((tick + length - 12, bytes([0x80 | channel, n, 0])))
        tick += length
    return track(events)


def midi_file(parts, tempo, signature):
    numerator, power = signature
    meta = [(0, b"\xff\x51\x03" + tempo.to_bytes(3, "big")),
            (0, bytes([0xFF, 0x58, 0x04, numerator, power, 24, 8]))]
    tracks = [track(meta)] + [part_track(*p) for p in parts]
    return b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS) + b"".join(tracks)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_midi.py FRAMES_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, tune in (("theme.mid", theme), ("ending.mid", ending)):
        parts, tempo, signature = tune()
        with open(os.path.join(folder, name), "wb") as out:
            out.write(midi_file(parts, tempo, signature))


if __name__ == "__main__":
    main()
