#pragma once
// What the media devices need FFmpeg for: videos with their sound tracks,
// and the wave codings SDL_mixer does not read. FFmpeg and the many
// libraries it brings live in a module of their own, quorlen-codecs.so,
// which the player loads only when a game first opens a video or such a
// sound; music and ordinary sounds never map it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backends/sdl/media/mixer_format.h"
#include "backends/sdl/media/video_decoder.h"
#include "backends/shared/media/media_result.h"

namespace quorlen::sdl {

class Codecs {
 public:
  virtual ~Codecs() = default;

  // Opens `path` (a path on disk). `sound` is the mixer's format, or null
  // to leave the sound out. Fails with kMediaErrFileNotFound or
  // kMediaErrFileRead when the file cannot be opened, kMediaErrInvalidFile
  // when it is not an AVI file or holds no picture that FFmpeg decodes.
  [[nodiscard]] virtual backends::MediaResult<std::unique_ptr<VideoDecoder>> openVideo(const std::string& path,
                                                                                      const MixerFormat* sound) = 0;
  // A wave file decoded whole and converted to `format`; empty when FFmpeg
  // finds no sound it can decode in `bytes`. Damaged packets are left out.
  [[nodiscard]] virtual std::vector<std::int16_t> decodeWave(std::string_view bytes, const MixerFormat& format) = 0;
};

// Where the devices get the codecs: loaded on the first call; null when
// they cannot be (the one who loads them has said why).
class CodecsSource {
 public:
  [[nodiscard]] virtual Codecs* codecs() = 0;

 protected:
  ~CodecsSource() = default;
};

// The module's file and the function it makes its codecs with; the caller
// owns what it answers (null when it cannot make them).
inline constexpr const char* kCodecsModuleFile = "quorlen-codecs.so";
inline constexpr const char* kMakeCodecsSymbol = "quorlen_make_codecs";
using MakeCodecs = Codecs* (*)();

}  // namespace quorlen::sdl
