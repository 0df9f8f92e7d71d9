#include "backends/sdl/media/sound_track.h"

#include <algorithm>
#include <utility>

#include "backends/sdl/media/resampler.h"

namespace quorlen::sdl {
namespace {

constexpr AVRational kMilliseconds{1, 1000};

}  // namespace

std::unique_ptr<SoundTrack> SoundTrack::open(AVFormatContext& format, const MixerFormat& output) {
  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(&format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
  if (index < 0 || decoder == nullptr) return nullptr;
  AVStream& stream = *format.streams[index];
  CodecContextHandle codec(avcodec_alloc_context3(decoder));
  if (!codec || avcodec_parameters_to_context(codec.get(), stream.codecpar) < 0) return nullptr;
  codec->pkt_timebase = stream.time_base;
  if (avcodec_open2(codec.get(), decoder, nullptr) < 0) return nullptr;
  return std::make_unique<SoundTrack>(stream, std::move(codec), output);
}

SoundTrack::SoundTrack(AVStream& stream, CodecContextHandle codec, const MixerFormat& output)
    : stream_(&stream), codec_(std::move(codec)), output_(output), frame_(av_frame_alloc()) {}

SoundTrack::~SoundTrack() { av_channel_layout_uninit(&resamplerLayout_); }

void SoundTrack::decode(const AVPacket& packet) {
  // A packet the decoder refuses is damaged; the sound goes on with the next.
  if (avcodec_send_packet(codec_.get(), &packet) < 0) return;
  while (avcodec_receive_frame(codec_.get(), frame_.get()) == 0) {
    push(*frame_);
    av_frame_unref(frame_.get());
  }
}

void SoundTrack::restartAt(std::uint64_t ms) {
  avcodec_flush_buffers(codec_.get());
  resampler_.reset();  // drops what it still held back
  samples_->clear();
  skipUntilMs_ = ms;
  decodedUntilMs_ = ms;
}

bool SoundTrack::readyFor(const AVFrame& frame) {
  if (resampler_ && resamplerRate_ == frame.sample_rate && resamplerFormat_ == frame.format &&
      av_channel_layout_compare(&resamplerLayout_, &frame.ch_layout) == 0) {
    return true;
  }
  resampler_.reset();
  av_channel_layout_uninit(&resamplerLayout_);
  if (av_channel_layout_copy(&resamplerLayout_, &frame.ch_layout) < 0) return false;
  resampler_ = makeResampler(frame, output_);
  if (!resampler_) return false;
  resamplerRate_ = frame.sample_rate;
  resamplerFormat_ = frame.format;
  return true;
}

void SoundTrack::push(const AVFrame& frame) {
  if (frame.sample_rate <= 0 || frame.nb_samples <= 0 || !readyFor(frame)) return;
  std::uint64_t startMs = decodedUntilMs_;
  if (frame.best_effort_timestamp != AV_NOPTS_VALUE) {
    const std::int64_t origin = stream_->start_time == AV_NOPTS_VALUE ? 0 : stream_->start_time;
    startMs = static_cast<std::uint64_t>(
        std::max<std::int64_t>(av_rescale_q(frame.best_effort_timestamp - origin, stream_->time_base, kMilliseconds), 0));
  }
  decodedUntilMs_ = startMs + static_cast<std::uint64_t>(frame.nb_samples) * 1000 /
                                  static_cast<std::uint64_t>(frame.sample_rate);

  const int room = swr_get_out_samples(resampler_.get(), frame.nb_samples);
  if (room <= 0) return;
  converted_.resize(static_cast<std::size_t>(room) * static_cast<std::size_t>(output_.channels));
  std::uint8_t* out[] = {reinterpret_cast<std::uint8_t*>(converted_.data())};
  const int made = swr_convert(resampler_.get(), out, room, const_cast<const std::uint8_t**>(frame.extended_data),
                               frame.nb_samples);
  if (made <= 0) return;

  // After a seek the sound starts where the picture does.
  std::size_t skip = 0;
  if (startMs < skipUntilMs_) {
    skip = static_cast<std::size_t>((skipUntilMs_ - startMs) * static_cast<std::uint64_t>(output_.frequency) / 1000);
  }
  const auto frames = static_cast<std::size_t>(made);
  if (skip >= frames) return;
  const auto channels = static_cast<std::size_t>(output_.channels);
  samples_->push(converted_.data() + skip * channels, (frames - skip) * channels);
}

}  // namespace quorlen::sdl
