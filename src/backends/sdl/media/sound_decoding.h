#pragma once
// Wave audio that SDL_mixer's own loader refuses (GSM 6.10, MP3 inside a
// wave file, and whatever else FFmpeg decodes) decoded whole with FFmpeg
// from the bytes of the file and converted to the mixer's format, ready to
// play on a mixer channel like any other sound.

#include <cstdint>
#include <string_view>
#include <vector>

#include "backends/sdl/media/mixer_format.h"

namespace quorlen::sdl {

// The decoded samples; empty when FFmpeg finds no sound it can decode in
// `bytes`, or nothing came out of it. Damaged packets are left out.
[[nodiscard]] std::vector<std::int16_t> decodeSoundWithFfmpeg(std::string_view bytes, const MixerFormat& format);

}  // namespace quorlen::sdl
