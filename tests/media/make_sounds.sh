#!/usr/bin/env bash
# Makes the sounds and music the media tests play, into the folder given:
#   tones/*.wav  one second of a 440 Hz tone at half of full scale, in
#                every wave coding of the era (see the list below)
#   music/*.mid  MIDI files: format 0 and 1 with running status, system
#                exclusive messages and tempo changes, an RMID file, a loud
#                piece (every channel fortissimo) and notes with a long
#                release; each ends on a known millisecond (in the names'
#                table printed to lengths.txt)
# Needs the ffmpeg program and Python 3. Usage: make_sounds.sh FOLDER
set -euo pipefail
out=${1:?usage: make_sounds.sh FOLDER}
mkdir -p "$out/tones" "$out/music"

tone() {  # NAME RATE CHANNELS CODEC [more ffmpeg options]
  local name=$1 rate=$2 channels=$3 codec=$4
  shift 4
  ffmpeg -nostdin -hide_banner -loglevel error -y \
    -f lavfi -i "aevalsrc=0.5*sin(2*PI*440*t):s=$rate:d=1" \
    -ac "$channels" -ar "$rate" -c:a "$codec" "$@" -f wav "$out/tones/$name.wav"
}

for rate in 11025 22050 44100; do
  for channels in 1 2; do
    layout=$([ "$channels" = 1 ] && echo mono || echo stereo)
    tone "pcm8-$layout-$rate" "$rate" "$channels" pcm_u8
    tone "pcm16-$layout-$rate" "$rate" "$channels" pcm_s16le
  done
done
tone ima-adpcm 22050 1 adpcm_ima_wav
tone ms-adpcm 22050 2 adpcm_ms
tone mu-law 8000 1 pcm_mulaw
tone a-law 8000 1 pcm_alaw
tone gsm 8000 1 libgsm_ms
tone mp3 22050 1 libmp3lame -b:a 64k

python3 - "$out" <<'PYTHON'
import struct, sys
out = sys.argv[1]

def chunk(name, data):
    return name + struct.pack('<I', len(data)) + data + (b'\0' if len(data) % 2 else b'')

def chunks(riff):
    at, found = 12, []
    while at + 8 <= len(riff):
        name, size = riff[at:at + 4], struct.unpack('<I', riff[at + 4:at + 8])[0]
        found.append((name, riff[at + 8:at + 8 + size]))
        at += 8 + size + (size & 1)
    return found

# ffmpeg writes its encoder's bit rate (128 kbit/s) as the byte rate of ADPCM
# files; the programs of the era wrote the rate the blocks play at.
for name in ('ima-adpcm', 'ms-adpcm'):
    wave = bytearray(open(f'{out}/tones/{name}.wav', 'rb').read())
    at = wave.index(b'fmt ') + 8
    rate, block, per_block = (struct.unpack('<I', wave[at + 4:at + 8])[0], struct.unpack('<H', wave[at + 12:at + 14])[0],
                              struct.unpack('<H', wave[at + 18:at + 20])[0])
    wave[at + 8:at + 12] = struct.pack('<I', (block * rate + per_block // 2) // per_block)
    open(f'{out}/tones/{name}.wav', 'wb').write(wave)

# A wave file with chunks the reader has to step over: an odd-sized one
# before the format, a list of texts and a fact chunk between, a cue list after.
pcm = open(f'{out}/tones/pcm16-mono-22050.wav', 'rb').read()
parts = dict(chunks(pcm))
body = (chunk(b'JUNK', b'odd') + chunk(b'fmt ', parts[b'fmt ']) + chunk(b'LIST', b'INFO' + chunk(b'INAM', b'tone\0'))
        + chunk(b'fact', struct.pack('<I', len(parts[b'data']) // 2)) + chunk(b'data', parts[b'data'])
        + chunk(b'cue ', struct.pack('<I', 0)))
open(f'{out}/tones/extra-chunks.wav', 'wb').write(b'RIFF' + struct.pack('<I', 4 + len(body)) + b'WAVE' + body)
# RIFF sizes that do not match the file, as programs that wrote while
# recording left them: too large, and zero.
open(f'{out}/tones/riff-size-too-large.wav', 'wb').write(pcm[:4] + struct.pack('<I', 0x7FFFFFF0) + pcm[8:])
open(f'{out}/tones/riff-size-zero.wav', 'wb').write(pcm[:4] + struct.pack('<I', 0) + pcm[8:])

def number(value):  # a variable-length quantity
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(groups))

def track(events):  # [(delta, bytes)], ended here
    data = b''.join(number(delta) + event for delta, event in events) + number(0) + b'\xff\x2f\x00'
    return b'MTrk' + struct.pack('>I', len(data)) + data

def smf(form, division, tracks):
    return b'MThd' + struct.pack('>IHHH', 6, form, len(tracks), division) + b''.join(tracks)

def tempo(microseconds):
    return b'\xff\x51\x03' + microseconds.to_bytes(3, 'big')

GM_ON = b'\xf0' + number(5) + b'\x7e\x7f\x09\x01\xf7'
lengths = {}

# Format 0: four quarter notes at 120 bpm (2000 ms), then a tempo change to
# 60 bpm and two more (2000 ms). Notes after the first use running status,
# ended by note-on with velocity 0.
keys = [60, 62, 64, 66]
events = [(0, tempo(500000)), (0, GM_ON), (0, b'\xc0\x00'), (0, bytes([0x90, keys[0], 0x60]))]
for previous, key in zip(keys, keys[1:]):
    events += [(480, bytes([previous, 0x00])), (0, bytes([key, 0x60]))]
events += [(480, bytes([keys[-1], 0x00])), (0, tempo(1000000)), (0, b'\x90\x48\x60'), (480, b'\x48\x00'),
           (0, b'\x4a\x60'), (480, b'\x4a\x00')]
open(f'{out}/music/type0.mid', 'wb').write(smf(0, 480, [track(events)]))
lengths['type0.mid'] = 4000

# Format 1: a tempo track (100 bpm, then 150 bpm after two beats) and two
# tracks of notes, one starting with a system exclusive message: 1200 ms +
# 800 ms.
tempo_map = track([(0, tempo(600000)), (960, tempo(400000))])
melody = track([(0, GM_ON), (0, b'\xc1\x28'), (0, b'\x91\x43\x70'), (480, b'\x43\x00'), (0, b'\x45\x70'),
                (480, b'\x45\x00'), (0, b'\x47\x70'), (960, b'\x47\x00')])
bass = track([(0, b'\xc2\x20'), (0, b'\x92\x30\x70'), (960, b'\x82\x30\x40'), (0, b'\x92\x2b\x70'),
              (960, b'\x2b\x00')])
type1 = smf(1, 480, [tempo_map, melody, bass])
open(f'{out}/music/type1.mid', 'wb').write(type1)
lengths['type1.mid'] = 2000

# The same music in an RMID file, with a list of texts after it.
rmid = chunk(b'data', type1) + chunk(b'LIST', b'INFO' + chunk(b'INAM', b'theme\0'))
open(f'{out}/music/type1.rmi', 'wb').write(b'RIFF' + struct.pack('<I', 4 + len(rmid)) + b'RMID' + rmid)
lengths['type1.rmi'] = 2000

# Loud: a band playing fortissimo as General MIDI music does at its
# loudest: piano, strings and brass chords and a bass line at velocity 120,
# over loud drums, for two seconds at 120 bpm.
events = [(0, GM_ON)]
band = [(0, 0, (48, 52, 55, 60)), (1, 48, (60, 64, 67)), (2, 61, (55, 60, 64)), (3, 33, (36,))]
for channel, program, _ in band:
    events.append((0, bytes([0xc0 | channel, program])))
for beat in range(4):
    for channel, _, keys in band:
        events += [(0, bytes([0x90 | channel, key, 120])) for key in keys]
    events += [(0, bytes([0x99, key, 120])) for key in ((36, 49) if beat == 0 else (36, 42))]
    events.append((480, bytes([0x89, 36, 0])))
    for channel, _, keys in band:
        events += [(0, bytes([0x80 | channel, key, 0])) for key in keys]
open(f'{out}/music/loud.mid', 'wb').write(smf(0, 480, [track([(0, tempo(500000))] + events)]))
lengths['loud.mid'] = 2000

# Long release: pad and string chords for one second (the notes fade for
# seconds after it), with the sustain pedal let go at the end.
events = [(0, tempo(500000))]
for channel, program in ((0, 88), (1, 48), (2, 94)):
    events += [(0, bytes([0xc0 | channel, program])), (0, bytes([0xb0 | channel, 64, 127]))]
    events += [(0, bytes([0x90 | channel, key, 100])) for key in (60, 64, 67)]
events.append((960, bytes([0xb0, 64, 0])))
for channel in range(3):
    events += [(0, bytes([0x80 | channel, key, 0])) for key in (60, 64, 67)]
    events.append((0, bytes([0xb0 | channel, 64, 0])))
open(f'{out}/music/long-release.mid', 'wb').write(smf(0, 480, [track(events)]))
lengths['long-release.mid'] = 1000

with open(f'{out}/lengths.txt', 'w') as table:
    for name, ms in lengths.items():
        table.write(f'{name} {ms}\n')
PYTHON
