#pragma once
// The converter from the sound FFmpeg decodes (any rate, sample format and
// channel layout) to the mixer's 16-bit format.

#include "backends/sdl/media/mixer_format.h"
#include "backends/sdl/media/ffmpeg_handles.h"

namespace quorlen::sdl {

// A resampler from `frame`'s format to `output`; null when FFmpeg cannot
// make one.
[[nodiscard]] ResamplerHandle makeResampler(const AVFrame& frame, const MixerFormat& output);

}  // namespace quorlen::sdl
