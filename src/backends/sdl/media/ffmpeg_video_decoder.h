#pragma once
// A video file read and decoded with FFmpeg (video_decoder.h), in the
// codecs module.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/sdl/media/ffmpeg_handles.h"
#include "backends/sdl/media/mixer_format.h"
#include "backends/sdl/media/sound_track.h"
#include "backends/sdl/media/video_decoder.h"
#include "backends/shared/media/media_result.h"

namespace quorlen::sdl {

class FfmpegVideoDecoder final : public VideoDecoder {
 public:
  // As Codecs::openVideo (codecs.h).
  [[nodiscard]] static backends::MediaResult<std::unique_ptr<VideoDecoder>> open(const std::string& path,
                                                                                const MixerFormat* sound);

  FfmpegVideoDecoder(FormatContextHandle format, int videoIndex, CodecContextHandle video,
                     std::unique_ptr<SoundTrack> sound);
  FfmpegVideoDecoder(const FfmpegVideoDecoder&) = delete;
  FfmpegVideoDecoder& operator=(const FfmpegVideoDecoder&) = delete;

  [[nodiscard]] std::uint64_t lengthMs() const override { return lengthMs_; }
  [[nodiscard]] std::shared_ptr<PcmStream> sound() const override;
  void seek(std::uint64_t ms) override;
  bool advanceTo(std::uint64_t ms) override;
  [[nodiscard]] std::optional<std::uint64_t> nextFrameMs() const override;
  [[nodiscard]] bool hasPicture() const override { return !rgba_.empty(); }
  [[nodiscard]] int width() const override { return width_; }
  [[nodiscard]] int height() const override { return height_; }
  [[nodiscard]] const std::uint8_t* rgba() const override { return rgba_.data(); }
  [[nodiscard]] std::uint64_t framesDecoded() const override { return framesDecoded_; }

 private:
  // Reads one packet: picture packets wait in a queue, sound is decoded at
  // once. False at the end of the file.
  bool readPacket();
  // Decodes the next frame into next_. False when the picture has ended.
  bool decodeNext();
  [[nodiscard]] std::uint64_t msOf(const AVFrame& frame);
  void convertCurrent();

  FormatContextHandle format_;
  AVStream* stream_;
  CodecContextHandle video_;
  std::unique_ptr<SoundTrack> sound_;
  PacketHandle packet_;
  std::deque<PacketHandle> queued_;
  FrameHandle next_;
  FrameHandle current_;
  bool started_ = false;  // decoding has begun
  bool haveNext_ = false;
  bool haveCurrent_ = false;
  std::uint64_t nextMs_ = 0;
  bool fileEnded_ = false;
  bool decoderFlushed_ = false;
  bool pictureEnded_ = false;
  std::uint64_t lengthMs_ = 0;
  std::uint64_t frameStepMs_ = 0;  // for frames without a time
  std::uint64_t guessMs_ = 0;
  std::uint64_t framesDecoded_ = 0;
  ScalerHandle scaler_;
  std::vector<std::uint8_t> rgba_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace quorlen::sdl
