#pragma once
// What the headless devices read from a media file: whether it starts the
// way its device type needs, and how long it plays. Nothing is decoded.

#include <cstdint>
#include <string_view>

#include "backends/shared/media/media_device.h"

namespace quorlen::backends {

// RIFF....WAVE with a format chunk (one channel or more, a sample rate) and
// a data chunk for waveaudio; MThd, or RIFF....RMID whose data chunk holds
// one, for the sequencer; RIFF....AVI  for avivideo. The codings inside are
// not looked at.
[[nodiscard]] bool hasMediaHeader(MediaDeviceType type, std::string_view bytes);

// The playing time of a file that hasMediaHeader(type, ...) accepted; 0 when
// the parts holding it are missing or damaged.
[[nodiscard]] std::uint64_t mediaLengthMs(MediaDeviceType type, std::string_view bytes);

// The sizes the lengths come from: a WAVE file's data chunk over the byte
// rate of its fmt chunk; an AVI file's picture stream header (strh) frame
// count over its frame rate, or without one its main header's (avih) frame
// time in microseconds times its frame count; both to the nearest
// millisecond, as FFmpeg counts them for the desktop.
[[nodiscard]] std::uint64_t waveLengthMs(std::string_view bytes);
[[nodiscard]] std::uint64_t aviLengthMs(std::string_view bytes);

// The standard MIDI file inside `bytes`: the bytes themselves, or the data
// chunk of an RMID file. Empty when there is none.
[[nodiscard]] std::string_view midiFileIn(std::string_view bytes);

}  // namespace quorlen::backends
