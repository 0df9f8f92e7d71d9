#!/usr/bin/env python3
"""Makes the two videos of the demo game with ImageMagick and ffmpeg, in
codecs of the time with a PCM sound track:

- ending.avi, played when the frame Ending opens: 640 x 480, Microsoft
  Video 1; the lamp's beam turns and the Marigold sails home to the jetty;
- lamp.avi, the cut scene played over the lamp when it is lit: 180 x 240,
  Cinepak; the lamp catches and glows.

    make_videos.py GAME_FOLDER WORK_FOLDER

make_sounds.py must have made the sound tracks in WORK_FOLDER first.
"""

import os
import subprocess
import sys

import demo_layout as game
import scenes_indoor as indoor
import scenes_outdoor as outdoor

FPS = 10


def ffmpeg(*args):
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y"] + [str(a) for a in args[:-1]]
                   + ["-fflags", "+bitexact", "-flags", "+bitexact", str(args[-1])], check=True)


def ease_out(t):
    return 1 - (1 - t) ** 2


def ending_frames(folder):
    count = 5 * FPS
    for i in range(count):
        t = i / (count - 1)
        sailing = min(1.0, t / 0.8)
        boat_x = None if sailing >= 1.0 else round(-140 + (128 + 140) * ease_out(sailing))
        outdoor.night_sea(phase=(t * 450) % 360, boat_x=boat_x).save(os.path.join(folder, "e%03d.png" % i))


def lamp_frames(folder):
    # the cut scene fills the box that the lighting task gives it
    _movie, (x, y, w, h) = game.FRAMES["LampRoom"]["areas"][3]["click"]["video"]
    count = 3 * FPS
    for i in range(count):
        glow = min(1.0, (i / (count - 1)) * 1.4)
        c = indoor.lamproom(oil=True, flame=True, glow=glow)
        c.save(os.path.join(folder, "l%03d.png" % i), ["-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage"])


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_videos.py GAME_FOLDER WORK_FOLDER")
    game_folder, work = sys.argv[1:]
    frames = os.path.join(game_folder, "Frames")
    stills = os.path.join(work, "video-frames")
    os.makedirs(stills, exist_ok=True)
    print("videos: ending")
    ending_frames(stills)
    ffmpeg("-framerate", FPS, "-i", os.path.join(stills, "e%03d.png"), "-i", os.path.join(work, "ending-track.wav"),
           "-c:v", "msvideo1", "-pix_fmt", "rgb555le", "-c:a", "pcm_s16le", "-ar", 11025, "-ac", 1, "-shortest",
           os.path.join(frames, "ending.avi"))
    print("videos: lamp")
    lamp_frames(stills)
    ffmpeg("-framerate", FPS, "-i", os.path.join(stills, "l%03d.png"), "-i", os.path.join(work, "lamp-track.wav"),
           "-c:v", "cinepak", "-pix_fmt", "rgb24", "-c:a", "pcm_s16le", "-ar", 11025, "-ac", 1, "-shortest",
           os.path.join(frames, "lamp.avi"))


if __name__ == "__main__":
    main()
