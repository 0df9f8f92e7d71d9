// The entry of the codecs module (codecs.h): the only symbol it shows.

#include <exception>
#include <type_traits>

#include "backends/sdl/media/codecs.h"
#include "backends/sdl/media/ffmpeg_video_decoder.h"
#include "backends/sdl/media/sound_decoding.h"
#include "backends/sdl/module_entry.h"

namespace quorlen::sdl {
namespace {

class FfmpegCodecs final : public Codecs {
 public:
  backends::MediaResult<std::unique_ptr<VideoDecoder>> openVideo(const std::string& path,
                                                                 const MixerFormat* sound) override {
    return FfmpegVideoDecoder::open(path, sound);
  }
  std::vector<std::int16_t> decodeWave(std::string_view bytes, const MixerFormat& format) override {
    return decodeSoundWithFfmpeg(bytes, format);
  }
};

}  // namespace
}  // namespace quorlen::sdl

QUORLEN_MODULE_ENTRY quorlen::sdl::Codecs* quorlen_make_codecs() {
  try {
    return new quorlen::sdl::FfmpegCodecs();
  } catch (const std::exception&) {
    return nullptr;
  }
}

static_assert(std::is_same_v<decltype(&quorlen_make_codecs), quorlen::sdl::MakeCodecs>,
              "the entry has the type the player calls it with");
