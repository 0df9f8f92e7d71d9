#!/usr/bin/env python3
"""Makes the test pictures and cursors of the era's formats into a folder.

Every picture is 32 x 32 pixels in four quadrants of 16 x 16 (red top left,
green top right, blue bottom left, white bottom right) unless said
otherwise. Bitmaps, cursors, icons, animated cursors and metafiles are
written here byte by byte; GIFs and JPEGs by ImageMagick. The file
`expected.txt` lists, for every picture, its size and the colour a person
sees at known points:  name width height x y r g b a tolerance.

Usage: make_pictures.py OUTPUT_FOLDER
"""
import os
import shutil
import struct
import subprocess
import sys

RED, GREEN, BLUE, WHITE, BLACK = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255), (0, 0, 0)
QUADRANTS = (RED, GREEN, BLUE, WHITE)
POINTS = ((8, 8), (24, 8), (8, 24), (24, 24))  # one point inside each quadrant
SIZE = 32

out = sys.argv[1]
os.makedirs(out, exist_ok=True)
expected = []


def expect(name, width, height, colours, tolerance=0, points=POINTS):
    for (x, y), colour in zip(points, colours):
        rgba = colour if len(colour) == 4 else colour + (255,)
        expected.append(f"{name} {width} {height} {x} {y} {' '.join(map(str, rgba))} {tolerance}")


def write(name, data):
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)


def quadrant(x, y, colours=QUADRANTS, size=SIZE):
    half = size // 2
    return colours[(1 if x >= half else 0) + (2 if y >= half else 0)]


def grid(colours=QUADRANTS, size=SIZE):
    return [[quadrant(x, y, colours, size) for x in range(size)] for y in range(size)]


# --- BMP ----------------------------------------------------------------

def pad(row):
    return row + b"\0" * (-len(row) % 4)


def pack_indices(indices, bits):
    row, acc, n = bytearray(), 0, 0
    for i in indices:
        acc = (acc << bits) | i
        n += bits
        if n == 8:
            row.append(acc)
            acc, n = 0, 0
    if n:
        row.append(acc << (8 - n))
    return bytes(row)


def bmp(info, palette, pixel_rows, top_down=False):
    rows = pixel_rows if top_down else list(reversed(pixel_rows))
    data = b"".join(pad(r) for r in rows) if not isinstance(pixel_rows, bytes) else pixel_rows
    offset = 14 + len(info) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + palette + data


def info40(width, height, bits, compression=0, colours=0, image_size=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, image_size, 2835, 2835, colours, 0)


def palette_of(colours, entry=4):
    return b"".join(bytes((b, g, r) + ((0,) if entry == 4 else ())) for r, g, b in colours)


def indexed(pixels, palette):
    return [[palette.index(p) for p in row] for row in pixels]


pixels = grid()
for bits in (4, 8):
    pal = list(QUADRANTS) + [BLACK] * ((1 << bits) - 4 if bits == 4 else 0)
    rows = [pack_indices(r, bits) for r in indexed(pixels, list(QUADRANTS))]
    write(f"bmp{bits}.bmp", bmp(info40(SIZE, SIZE, bits, colours=4), palette_of(QUADRANTS), rows))
    expect(f"bmp{bits}.bmp", SIZE, SIZE, QUADRANTS)

two = (RED, BLUE, BLUE, RED)
rows = [pack_indices(r, 1) for r in indexed(grid(two), [RED, BLUE])]
write("bmp1.bmp", bmp(info40(SIZE, SIZE, 1, colours=2), palette_of([RED, BLUE]), rows))
expect("bmp1.bmp", SIZE, SIZE, two)


def rle(index_rows, bits):
    """Run-length encoding, bottom row first: one run per quadrant half."""
    data = bytearray()
    for row in reversed(index_rows):
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and row[x + run] == row[x] and run < 255:
                run += 1
            value = row[x] if bits == 8 else (row[x] << 4) | row[x]
            data += bytes((run, value))
            x += run
        data += b"\0\0"  # end of line
    data += b"\0\1"  # end of bitmap
    return bytes(data)


for bits, compression in ((8, 1), (4, 2)):
    data = rle(indexed(pixels, list(QUADRANTS)), bits)
    info = info40(SIZE, SIZE, bits, compression, colours=4, image_size=len(data))
    write(f"rle{bits}.bmp", bmp(info, palette_of(QUADRANTS), data))
    expect(f"rle{bits}.bmp", SIZE, SIZE, QUADRANTS)


def rgb555(c):
    r, g, b = (v >> 3 for v in c)
    return struct.pack("<H", (r << 10) | (g << 5) | b)


def rgb565(c):
    r, g, b = c[0] >> 3, c[1] >> 2, c[2] >> 3
    return struct.pack("<H", (r << 11) | (g << 5) | b)


write("bmp16-555.bmp", bmp(info40(SIZE, SIZE, 16), b"", [b"".join(rgb555(p) for p in r) for r in pixels]))
masks565 = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
write("bmp16-565.bmp", bmp(info40(SIZE, SIZE, 16, 3), masks565, [b"".join(rgb565(p) for p in r) for r in pixels]))
# 5-bit channels widen to 255 (0x1F -> 0xFF), or 248 where a loader shifts only
for name in ("bmp16-555.bmp", "bmp16-565.bmp"):
    expect(name, SIZE, SIZE, QUADRANTS, tolerance=8)

rows24 = [b"".join(bytes((b, g, r)) for r, g, b in row) for row in pixels]
write("bmp24.bmp", bmp(info40(SIZE, SIZE, 24), b"", rows24))
expect("bmp24.bmp", SIZE, SIZE, QUADRANTS)
write("topdown.bmp", bmp(info40(SIZE, -SIZE, 24), b"", rows24, top_down=True))
expect("topdown.bmp", SIZE, SIZE, QUADRANTS)
# 32-bit, compression 0: the fourth byte is not alpha, whatever it holds
rows32 = [b"".join(bytes((b, g, r, 0x80 if x < 16 else 0x01)) for x, (r, g, b) in enumerate(row)) for row in pixels]
write("bmp32.bmp", bmp(info40(SIZE, SIZE, 32), b"", rows32))
expect("bmp32.bmp", SIZE, SIZE, QUADRANTS)

# OS/2: a 12-byte core header with 16-bit sizes and a palette of triples
core = struct.pack("<IHHHH", 12, SIZE, SIZE, 1, 8)
rows = [pack_indices(r, 8) for r in indexed(pixels, list(QUADRANTS))]
write("os2.bmp", bmp(core, palette_of(list(QUADRANTS) + [BLACK] * 252, entry=3), rows))
expect("os2.bmp", SIZE, SIZE, QUADRANTS)


def info_v(size, width, height, masks, bits=32, compression=3):
    head = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, 0, 2835, 2835, 0, 0)
    rest = struct.pack("<IIII", *masks) + b"sRGB"[::-1] + b"\0" * (size - 40 - 20)
    return head + rest


# V4 with an alpha mask: real alpha (the white quadrant half transparent)
alpha = lambda x, y: 0x80 if x >= 16 and y >= 16 else 0xFF
rows_alpha = [b"".join(bytes((b, g, r, alpha(x, y))) for x, (r, g, b) in enumerate(row)) for y, row in enumerate(pixels)]
argb = (0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
write("v4.bmp", bmp(info_v(108, SIZE, SIZE, argb), b"", rows_alpha))
expect("v4.bmp", SIZE, SIZE, (RED, GREEN, BLUE, WHITE + (0x80,)), tolerance=1)
# V5 without compression: alpha ignored, opaque
write("v5.bmp", bmp(info_v(124, SIZE, SIZE, argb, compression=0), b"", rows_alpha))
expect("v5.bmp", SIZE, SIZE, QUADRANTS)

# --- GIF and JPEG (ImageMagick) -----------------------------------------

convert = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else shutil.which("convert")


def ppm(name, colours):
    body = b"".join(bytes(p) for row in grid(colours) for p in row)
    write(name, b"P6 %d %d 255\n" % (SIZE, SIZE) + body)


ppm("base.ppm", QUADRANTS)
ppm("other.ppm", (BLACK, BLUE, GREEN, RED))
GREYS = ((64,) * 3, (128,) * 3, (192,) * 3, WHITE)
ppm("greys.ppm", GREYS)


def magick(*args):
    subprocess.run([convert, *args], check=True)


base = os.path.join(out, "base.ppm")
other = os.path.join(out, "other.ppm")
magick(base, os.path.join(out, "static.gif"))
expect("static.gif", SIZE, SIZE, QUADRANTS)
magick(base, "-transparent", "white", os.path.join(out, "transparent.gif"))
expect("transparent.gif", SIZE, SIZE, (RED, GREEN, BLUE))
expected.append(f"transparent.gif {SIZE} {SIZE} 24 24 - - - 0 0")
# two frames: the picture shows the first
magick("-delay", "50", base, other, "-loop", "0", os.path.join(out, "animated.gif"))
expect("animated.gif", SIZE, SIZE, QUADRANTS)
jpegs = {
    "baseline.jpg": ["-quality", "95"],
    "progressive.jpg": ["-quality", "95", "-interlace", "Plane"],
    "grey.jpg": ["-quality", "95", "-colorspace", "Gray"],
    "cmyk.jpg": ["-quality", "95", "-colorspace", "CMYK"],
}
for name, args in jpegs.items():
    source = os.path.join(out, "greys.ppm") if name == "grey.jpg" else base
    magick(source, "-sampling-factor", "1x1", *args, os.path.join(out, name))
for name in ("baseline.jpg", "progressive.jpg", "cmyk.jpg"):
    expect(name, SIZE, SIZE, QUADRANTS, tolerance=24)
expect("grey.jpg", SIZE, SIZE, GREYS, tolerance=8)
for name in ("base.ppm", "other.ppm", "greys.ppm"):
    os.remove(os.path.join(out, name))

# --- Metafiles ----------------------------------------------------------

def colorref(c):
    return c[0] | (c[1] << 8) | (c[2] << 16)


def wmf_record(function, *words):
    return struct.pack("<IH", 3 + len(words), function) + struct.pack("<%dh" % len(words), *words)


def wmf():
    twips = 15 * SIZE
    records = [wmf_record(0x020B, 0, 0), wmf_record(0x020C, twips, twips)]  # window origin, extent
    records.append(struct.pack("<IHHhI", 8, 0x02FA, 5, 0, 0) + b"\0\0")  # a null pen, object 0
    records.append(wmf_record(0x012D, 0))
    half = twips // 2
    for i, colour in enumerate(QUADRANTS):
        records.append(struct.pack("<IHHIH", 7, 0x02FC, 0, colorref(colour), 0))  # solid brush, object 1
        records.append(wmf_record(0x012D, 1))
        left, top = (i % 2) * half, (i // 2) * half
        records.append(wmf_record(0x041B, top + half + 15, left + half + 15, top, left))  # bottom right top left
        records.append(wmf_record(0x01F0, 1))
    records.append(wmf_record(0x0000))
    body = b"".join(records)
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, 2, max(len(r) for r in records) // 2, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, twips, twips, 1440, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable[:20]):
        checksum ^= word
    return placeable + struct.pack("<H", checksum) + header + body


write("quadrants.wmf", wmf())


def wmf_text():
    """Black text "HI" 64 twips high on a white ground, 64 x 32 pixels."""
    width, height = 15 * 64, 15 * 32
    records = [wmf_record(0x020B, 0, 0), wmf_record(0x020C, height, width)]
    records.append(struct.pack("<IHI", 5, 0x0209, colorref(BLACK)))  # text colour
    records.append(wmf_record(0x0102, 1))  # transparent text ground
    face = b"Helvetica\0"
    face += b"\0" * (len(face) % 2)
    font = struct.pack("<hhhhhBBBBBBBB", -height * 3 // 4, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0) + face
    records.append(struct.pack("<IH", 3 + len(font) // 2, 0x02FB) + font)  # font, object 0
    records.append(wmf_record(0x012D, 0))
    records.append(struct.pack("<IHHI", 7, 0x02FC, 0, colorref(WHITE)) + b"\0\0")  # white brush, object 1
    records.append(wmf_record(0x012D, 1))
    records.append(wmf_record(0x041B, height, width, 0, 0))
    records.append(struct.pack("<IHH", 3 + 1 + 1 + 2, 0x0521, 2) + b"HI" + struct.pack("<hh", height // 8, width // 4))
    records.append(wmf_record(0x0000))
    body = b"".join(records)
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, 2, max(len(r) for r in records) // 2, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, width, height, 1440, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable[:20]):
        checksum ^= word
    return placeable + struct.pack("<H", checksum) + header + body


write("text.wmf", wmf_text())
expect("quadrants.wmf", SIZE, SIZE, QUADRANTS, tolerance=8)


def emf():
    records = []
    half = SIZE // 2
    records.append(struct.pack("<III", 37, 12, 0x80000008))  # select the stock null pen
    for i, colour in enumerate(QUADRANTS):
        records.append(struct.pack("<IIIIII", 39, 24, 1, 0, colorref(colour), 0))  # brush object 1
        records.append(struct.pack("<III", 37, 12, 1))
        left, top = (i % 2) * half, (i // 2) * half
        records.append(struct.pack("<IIiiii", 43, 24, left, top, left + half + 1, top + half + 1))
        records.append(struct.pack("<III", 40, 12, 1))
    records.append(struct.pack("<IIIII", 14, 20, 0, 16, 20))
    body = b"".join(records)
    frame = SIZE * 2540 // 96  # hundredths of a millimetre
    header = struct.pack("<II4i4iIIIIHHIII2i2i", 1, 88, 0, 0, SIZE - 1, SIZE - 1, 0, 0, frame, frame,
                         0x464D4520, 0x10000, 88 + len(body), len(records) + 1, 2, 0, 0, 0, 0,
                         1024, 768, 271, 203)
    return header + body


write("quadrants.emf", emf())
expect("quadrants.emf", SIZE, SIZE, QUADRANTS, tolerance=8)

# --- Cursors and icons --------------------------------------------------

def dib_image(pixels, bits, inverting=lambda x, y: False, transparent=lambda x, y: False, alpha=None):
    """A cursor image: BITMAPINFOHEADER, palette, XOR and AND masks."""
    height, width = len(pixels), len(pixels[0])
    palette = []
    if bits <= 8:
        for row in pixels:
            for p in row:
                if p not in palette:
                    palette.append(p)
        for extra in (BLACK, WHITE):
            if extra not in palette:
                palette.append(extra)
        palette += [BLACK] * ((1 << bits) - len(palette))
    xor_rows, and_rows = [], []
    for y in range(height - 1, -1, -1):
        colours, mask = [], []
        for x in range(width):
            p = pixels[y][x]
            if inverting(x, y):
                p, m = WHITE, 1
            elif transparent(x, y):
                p, m = BLACK, 1
            else:
                m = 0
            colours.append(p)
            mask.append(m)
        if bits <= 8:
            xor_rows.append(pad(pack_indices([palette.index(c) for c in colours], bits)))
        elif bits == 24:
            xor_rows.append(pad(b"".join(bytes((b, g, r)) for r, g, b in colours)))
        else:
            xor_rows.append(b"".join(bytes((b, g, r, alpha(x, y))) for x, (r, g, b) in enumerate(colours)))
        and_rows.append(pad(pack_indices(mask, 1)))
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0, 0, 0, 0, 0, 0)
    return info + palette_of(palette) + b"".join(xor_rows) + b"".join(and_rows)


def icon_file(kind, images):
    """images: (width, height, hot x, hot y, image bytes, bits)."""
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for width, height, hx, hy, image, bits in images:
        a, b = (hx, hy) if kind == 2 else (1, bits)
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, a, b, len(image), offset + len(data))
        data += image
    return head + entries + data


bottom_right = lambda x, y, size=SIZE: x >= size // 2 and y >= size // 2
bottom_left = lambda x, y, size=SIZE: x < size // 2 and y >= size // 2
TRANSPARENT = (0, 0, 0, 0)
INVERTING = "inverting"  # shown black by a colour cursor
cursor_expectations = []


def cursor_expect(name, width, height, hx, hy, colours, monochrome, points=POINTS):
    for (x, y), c in zip(points, colours):
        c = c if isinstance(c, str) else "%d %d %d %d" % (c if len(c) == 4 else c + (255,))
        cursor_expectations.append(f"{name} {width} {height} {hx} {hy} {int(monochrome)} {x} {y} {c}")


mono = grid((BLACK, WHITE, BLACK, BLACK))
write("mono.cur", icon_file(2, [(SIZE, SIZE, 5, 7, dib_image(mono, 1, bottom_right, bottom_left), 1)]))
cursor_expect("mono.cur", SIZE, SIZE, 5, 7, (BLACK, WHITE, TRANSPARENT, INVERTING), True)
for bits, name in ((4, "colour16.cur"), (8, "colour256.cur")):
    write(name, icon_file(2, [(SIZE, SIZE, 2, 3, dib_image(pixels, bits, bottom_right, bottom_left), bits)]))
    cursor_expect(name, SIZE, SIZE, 2, 3, (RED, GREEN, TRANSPARENT, INVERTING), False)
soft = lambda x, y: {0: 255, 1: 128, 2: 0, 3: 255}[(1 if x >= 16 else 0) + (2 if y >= 16 else 0)]
write("alpha32.cur", icon_file(2, [(SIZE, SIZE, 31, 31, dib_image(pixels, 32, alpha=soft), 32)]))
cursor_expect("alpha32.cur", SIZE, SIZE, 31, 31, (RED, GREEN + (128,), BLUE + (0,), WHITE), False)
big = grid(size=48)
write("large48.cur", icon_file(2, [(48, 48, 40, 44, dib_image(big, 8), 8)]))
cursor_expect("large48.cur", 48, 48, 40, 44, QUADRANTS, False, ((12, 12), (36, 12), (12, 36), (36, 36)))
write("single.ico", icon_file(1, [(SIZE, SIZE, 0, 0, dib_image(pixels, 8), 8)]))
cursor_expect("single.ico", SIZE, SIZE, 16, 16, QUADRANTS, False)
# 16 x 16 listed first: the 32 x 32 image is the one shown, with its own centre
small = grid((BLACK, BLACK, BLACK, BLACK), 16)
write("multi.ico", icon_file(1, [(16, 16, 0, 0, dib_image(small, 32, alpha=lambda x, y: 255), 32),
                                 (SIZE, SIZE, 0, 0, dib_image(pixels, 8), 8),
                                 (48, 48, 0, 0, dib_image(grid((BLACK,) * 4, 48), 4), 4)]))
cursor_expect("multi.ico", SIZE, SIZE, 16, 16, QUADRANTS, False)


def riff_chunk(tag, body):
    return tag + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def ani():
    frames = []
    for i, colour in enumerate((RED, GREEN, BLUE)):
        image = dib_image(grid((colour,) * 4), 8)
        frames.append(icon_file(2, [(SIZE, SIZE, 3 + i, 4 + i, image, 8)]))
    anih = struct.pack("<9I", 36, 3, 4, 0, 0, 0, 0, 6, 3)  # 3 frames, 4 steps, icons with a sequence
    rate = struct.pack("<4I", 6, 12, 6, 30)  # jiffies: 100, 200, 100, 500 ms
    seq = struct.pack("<4I", 0, 1, 2, 1)
    info = riff_chunk(b"LIST", b"INFO" + riff_chunk(b"INAM", b"test\0"))
    fram = riff_chunk(b"LIST", b"fram" + b"".join(riff_chunk(b"icon", f) for f in frames))
    body = b"ACON" + info + riff_chunk(b"anih", anih) + riff_chunk(b"rate", rate) + riff_chunk(b"seq ", seq) + fram
    return b"RIFF" + struct.pack("<I", len(body)) + body


write("animated.ani", ani())
cursor_expect("animated.ani", SIZE, SIZE, 3, 4, (RED,), False, ((8, 8),))

with open(os.path.join(out, "expected.txt"), "w") as f:
    f.write("\n".join(expected) + "\n")
with open(os.path.join(out, "cursors.txt"), "w") as f:
    f.write("\n".join(cursor_expectations) + "\n")
