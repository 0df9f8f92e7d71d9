#!/usr/bin/env python3
"""Makes AVI files in the 8-bit codecs that the ffmpeg program cannot
encode, written field by field: Microsoft RLE (RLE8) and Microsoft Video 1
in its 8-bit (palette) form. Each is 160 x 120, ten frames at ten a second,
of bright vertical bars that move by four pixels a frame, on black.

Usage: make_old_videos.py FOLDER  (writes msrle.avi and msvideo1-8bit.avi)
"""
import os
import struct
import sys

WIDTH, HEIGHT, FRAMES, RATE = 160, 120, 10, 10
BRIGHT, DARK = 200, 0  # palette indices; the palette is a grey ramp


def chunk(name, data):
    return name + struct.pack('<I', len(data)) + data + (b'\0' if len(data) % 2 else b'')


def riff_list(kind, name, body):
    return kind + struct.pack('<I', len(body) + 4) + name + body


def row_of(frame):
    return bytes(BRIGHT if ((x + 4 * frame) // 16) % 2 == 0 else DARK for x in range(WIDTH))


def rle8(frame):
    out = bytearray()
    row = row_of(frame)
    for _ in range(HEIGHT):  # bottom-up; every row is the same
        at = 0
        while at < WIDTH:
            run = 1
            while at + run < WIDTH and run < 255 and row[at + run] == row[at]:
                run += 1
            out += bytes([run, row[at]])
            at += run
        out += b'\0\0'  # end of line
    out += b'\0\1'  # end of picture
    return bytes(out)


def video1_8bit(frame):
    out = bytearray()
    row = row_of(frame)
    for _ in range(HEIGHT // 4):  # block rows, bottom-up
        for block in range(WIDTH // 4):
            out += bytes([row[4 * block], 0x80])  # the block filled with one colour
    return bytes(out)


def avi(handler, compression, frames):
    palette = b''.join(bytes([i, i, i, 0]) for i in range(256))
    bitmap = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 8, compression, WIDTH * HEIGHT, 0, 0, 256, 0)
    stream_header = (b'vids' + handler + struct.pack('<IHHIIIIIIII', 0, 0, 0, 0, 1, RATE, 0, len(frames),
                                                     WIDTH * HEIGHT, 0xFFFFFFFF, 0)
                     + struct.pack('<hhhh', 0, 0, WIDTH, HEIGHT))
    main_header = struct.pack('<IIIIIIIIII4I', 1000000 // RATE, 0, 0, 0x10, len(frames), 0, 1, WIDTH * HEIGHT,
                              WIDTH, HEIGHT, 0, 0, 0, 0)
    header_list = riff_list(b'LIST', b'hdrl', chunk(b'avih', main_header) + riff_list(
        b'LIST', b'strl', chunk(b'strh', stream_header) + chunk(b'strf', bitmap + palette)))
    movie, index, offset = b'', b'', 4
    for data in frames:
        index += b'00dc' + struct.pack('<III', 0x10, offset, len(data))
        piece = chunk(b'00dc', data)
        movie += piece
        offset += len(piece)
    body = b'AVI ' + header_list + riff_list(b'LIST', b'movi', movie) + chunk(b'idx1', index)
    return b'RIFF' + struct.pack('<I', len(body)) + body


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, 'msrle.avi'), 'wb') as out:
        out.write(avi(b'mrle', 1, [rle8(i) for i in range(FRAMES)]))
    with open(os.path.join(folder, 'msvideo1-8bit.avi'), 'wb') as out:
        out.write(avi(b'CRAM', struct.unpack('<I', b'CRAM')[0], [video1_8bit(i) for i in range(FRAMES)]))


main()
