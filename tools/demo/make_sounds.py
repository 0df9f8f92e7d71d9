#!/usr/bin/env python3
"""Makes the sounds of the demo game with sox and a little synthesis of our
own: the area sounds (in Areas), the boathouse music (in Frames) and the
sound tracks of the two videos (in the work folder, for make_videos.py).

    make_sounds.py GAME_FOLDER WORK_FOLDER

Everything is mono 16-bit PCM at 11025 or 22050 samples a second, as the
sound devices of the time played it.
"""

import math
import os
import random
import struct
import subprocess
import sys
import wave

import make_midi

RATE = 22050


def sox(*args):
    # -R: the same noise and dither on every run, so that the files only
    # change when the game does
    subprocess.run(["sox", "-R"] + [str(a) for a in args], check=True)


def write_wav(path, samples, rate=RATE):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.85 * 32767 / peak
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        out.writeframes(b"".join(struct.pack("<h", int(s * scale)) for s in samples))


def frequency(note):
    return 440.0 * 2 ** ((note - 69) / 12)


def render(notes, seconds_per_eighth, voice, rate=RATE, tail=1.0):
    """notes: [(midi note or None, eighths)] -> samples, each note drawn by
    voice(frequency, time since its start, its length)."""
    total = sum(e for _, e in notes) * seconds_per_eighth + tail
    out = [0.0] * int(total * rate)
    start = 0.0
    for note, eighths in notes:
        length = eighths * seconds_per_eighth
        if note is not None:
            f = frequency(note)
            first = int(start * rate)
            for i in range(int((length + tail) * rate)):
                if first + i < len(out):
                    out[first + i] += voice(f, i / rate, length)
        start += length
    return out


def music_box(f, t, _length):
    decay = math.exp(-3.0 * t) * min(1.0, t / 0.006)
    return decay * (math.sin(2 * math.pi * f * t) + 0.3 * math.sin(2 * math.pi * 2 * f * t) * math.exp(-4 * t)
                    + (0.12 * math.sin(2 * math.pi * 5.4 * f * t) * math.exp(-9 * t) if f * 5.4 < 5000 else 0.0))


def square(f, t, length):
    if t > length:
        return 0.0
    envelope = min(1.0, t / 0.01) * min(1.0, (length - t) / 0.03)
    return envelope * (1.0 if math.sin(2 * math.pi * f * t) >= 0 else -1.0) * 0.5


def boathouse_music(work, out):
    """A music box playing the island air slowly over the lapping water."""
    melody, _ = make_midi.theme_parts()
    box = os.path.join(work, "musicbox.wav")
    write_wav(box, render([(n + 12 if n else n, e) for n, e in melody[:len(make_midi.THEME_A)]], 0.42,
                          music_box, 11025, tail=2.0), 11025)
    water = os.path.join(work, "water.wav")
    length = sox_length(box)
    sox("-n", "-r", 11025, "-c", 1, "-b", 16, water, "synth", length, "brownnoise", "lowpass", 500,
        "tremolo", 0.18, 80, "vol", 0.5, "fade", "t", 2, length, 3)
    sox("-m", "-v", 0.9, box, "-v", 0.6, water, "-b", 16, out, "norm", -2)


def sox_length(path):
    with wave.open(path) as w:
        return round(w.getnframes() / w.getframerate(), 2)


def radio(work, out):
    """The theme on a tinny little radio, with crackle."""
    melody, _ = make_midi.theme_parts()
    tune = os.path.join(work, "radio-tune.wav")
    write_wav(tune, render(melody[:len(make_midi.THEME_A)], 0.26, square, 11025, tail=0.3), 11025)
    crackle = os.path.join(work, "crackle.wav")
    random.seed(4)
    samples = []
    for _ in range(int(sox_length(tune) * 11025)):
        samples.append(random.uniform(-1, 1) * (1.0 if random.random() < 0.002 else 0.05))
    write_wav(crackle, samples, 11025)
    sox("-m", "-v", 0.5, tune, "-v", 0.15, crackle, "-b", 16, out, "vol", 0.5, "sinc", "400-2800", "norm", -3)


def area_sounds(areas):
    r = 11025
    sox("-n", "-r", r, "-c", 1, "-b", 16, os.path.join(areas, "creak.wav"), "synth", 1.4, "sawtooth", "70:150",
        "sawtooth", "72:148", "tremolo", 24, 70, "sinc", "300-2500", "fade", "q", 0.05, 1.4, 0.3, "norm", -3)
    sox("-n", "-r", r, "-c", 1, "-b", 16, os.path.join(areas, "drawer.wav"), "synth", 0.45, "brownnoise",
        "synth", 0.45, "sine", "amod", 18, "lowpass", 900, "fade", "t", 0.02, 0.45, 0.15, "norm", -3)
    gull = os.path.join(areas, "gull.wav")
    sox("-n", "-r", r, "-c", 1, "-b", 16, gull, "synth", 0.28, "sine", "1900:1100", "synth", 0.28, "sine",
        "fmod", "30", "overdrive", 8, "fade", "t", 0.02, 0.28, 0.08, "pad", 0, 0.06, "repeat", 2, "norm", -4)
    sox("-n", "-r", r, "-c", 1, "-b", 16, os.path.join(areas, "pour.wav"), "synth", 2.2, "pinknoise",
        "synth", 2.2, "sine", "amod", 6, "bandpass", 500, "300h", "fade", "t", 0.1, 2.2, 0.5, "norm", -3)


def video_sounds(work):
    r = 11025
    sox("-n", "-r", r, "-c", 1, "-b", 16, os.path.join(work, "lamp-sound.wav"), "synth", 3.0, "pinknoise",
        "lowpass", 1200, "fade", "t", 0.5, 3.0, 1.5, "vol", 0.6, ":", "synth", 0.01, "sine", 0)
    chime = os.path.join(work, "chime.wav")
    sox("-n", "-r", r, "-c", 1, "-b", 16, chime, "synth", 2.6, "pluck", "A5", "pluck", "E6", "delay", 0, 0.2,
        "remix", "-", "fade", "t", 0, 2.6, 2.0, "pad", 0.6)
    sox("-m", "-v", 0.5, os.path.join(work, "lamp-sound.wav"), "-v", 0.5, chime, os.path.join(work, "lamp-track.wav"), "trim", 0, 3.0,
        "norm", -3)
    sox("-n", "-r", r, "-c", 1, "-b", 16, os.path.join(work, "ending-track.wav"), "synth", 5.0, "sine", "D3",
        "sine", "A3", "sine", "F#4", "remix", "-", "fade", "t", 1.5, 5.0, 1.5, "norm", -6)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_sounds.py GAME_FOLDER WORK_FOLDER")
    game, work = sys.argv[1:]
    areas, frames = os.path.join(game, "Areas"), os.path.join(game, "Frames")
    for folder in (areas, frames, work):
        os.makedirs(folder, exist_ok=True)
    area_sounds(areas)
    radio(work, os.path.join(areas, "radio.wav"))
    boathouse_music(work, os.path.join(frames, "waves.wav"))
    video_sounds(work)


if __name__ == "__main__":
    main()
