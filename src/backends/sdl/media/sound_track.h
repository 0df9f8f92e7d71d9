#pragma once
// The sound track of a video: its packets decoded and converted to the
// mixer's format as the video reads them, and pushed into a PcmStream that
// the mixer plays.

#include <cstdint>
#include <memory>
#include <vector>

#include "backends/sdl/media/mixer_format.h"
#include "backends/sdl/media/pcm_stream.h"
#include "backends/sdl/media/ffmpeg_handles.h"
#include "backends/sdl/media/pcm_stream.h"

namespace quorlen::sdl {

class SoundTrack {
 public:
  // The best sound stream of `format` that FFmpeg can decode; null when
  // there is none.
  [[nodiscard]] static std::unique_ptr<SoundTrack> open(AVFormatContext& format, const MixerFormat& output);

  [[nodiscard]] int streamIndex() const { return stream_->index; }
  [[nodiscard]] const std::shared_ptr<PcmStream>& samples() const { return samples_; }
  // How far the sound has been decoded, in milliseconds of the video.
  [[nodiscard]] std::uint64_t decodedUntilMs() const { return decodedUntilMs_; }

  void decode(const AVPacket& packet);
  // After a seek: forgets what was decoded and drops the sound before `ms`.
  void restartAt(std::uint64_t ms);

  SoundTrack(AVStream& stream, CodecContextHandle codec, const MixerFormat& output);
  ~SoundTrack();
  SoundTrack(const SoundTrack&) = delete;
  SoundTrack& operator=(const SoundTrack&) = delete;

 private:
  void push(const AVFrame& frame);
  [[nodiscard]] bool readyFor(const AVFrame& frame);

  AVStream* stream_;
  CodecContextHandle codec_;
  MixerFormat output_;
  FrameHandle frame_;
  ResamplerHandle resampler_;
  int resamplerRate_ = 0;  // the input the resampler is set up for
  int resamplerFormat_ = -1;
  AVChannelLayout resamplerLayout_{};
  std::shared_ptr<PcmStream> samples_ = std::make_shared<PcmStream>();
  std::vector<std::int16_t> converted_;
  std::uint64_t skipUntilMs_ = 0;
  std::uint64_t decodedUntilMs_ = 0;
};

}  // namespace quorlen::sdl
