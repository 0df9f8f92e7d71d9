#pragma once
// The format the mixer plays: 16-bit signed samples in native order,
// interleaved.

namespace quorlen::sdl {

struct MixerFormat {
  int frequency = 0;
  int channels = 0;

  [[nodiscard]] int bytesPerFrame() const { return channels * 2; }
};

}  // namespace quorlen::sdl
