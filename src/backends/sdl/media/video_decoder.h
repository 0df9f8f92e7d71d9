#pragma once
// A video file being decoded: the picture frame by frame, in the order of
// their times, as RGBA when one is to be shown, and the sound track (when
// there is one and an output to play it) decoded a little ahead of the
// picture. Made by the codecs module (codecs.h).

#include <cstdint>
#include <memory>
#include <optional>

#include "backends/sdl/media/pcm_stream.h"

namespace quorlen::sdl {

class VideoDecoder {
 public:
  virtual ~VideoDecoder() = default;

  [[nodiscard]] virtual std::uint64_t lengthMs() const = 0;
  // The decoded sound; null for a video played without sound.
  [[nodiscard]] virtual std::shared_ptr<PcmStream> sound() const = 0;

  // Moves to `ms`: the frame showing at that time becomes the current one,
  // and the sound starts again there.
  virtual void seek(std::uint64_t ms) = 0;
  // Decodes up to `ms`: the last frame due by then becomes the current one.
  // Answers whether the current frame changed.
  virtual bool advanceTo(std::uint64_t ms) = 0;
  // The time of the frame after the current one, when there is one.
  [[nodiscard]] virtual std::optional<std::uint64_t> nextFrameMs() const = 0;

  [[nodiscard]] virtual bool hasPicture() const = 0;
  [[nodiscard]] virtual int width() const = 0;
  [[nodiscard]] virtual int height() const = 0;
  [[nodiscard]] virtual const std::uint8_t* rgba() const = 0;
  // Frames decoded since the video was opened.
  [[nodiscard]] virtual std::uint64_t framesDecoded() const = 0;
};

}  // namespace quorlen::sdl
