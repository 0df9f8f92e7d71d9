#pragma once
// Wave audio that SDL_mixer's own loader refuses (GSM 6.10, MP3 inside a
// wave file, and whatever else FFmpeg decodes) decoded whole with FFmpeg
// from the bytes of the file and converted to the mixer's format, ready to
// play on a mixer channel like any other sound.

#include <string_view>

#include "backends/sdl/media/audio_output.h"
#include "backends/sdl/media/mixer_handles.h"

namespace quorlen::sdl {

// The decoded sound; null when FFmpeg finds no sound it can decode in
// `bytes`, or nothing came out of it. Damaged packets are left out.
[[nodiscard]] ChunkHandle decodeSoundWithFfmpeg(std::string_view bytes, const MixerFormat& format);

}  // namespace quorlen::sdl
