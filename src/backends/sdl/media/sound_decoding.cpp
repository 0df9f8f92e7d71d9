#include "backends/sdl/media/sound_decoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "backends/sdl/media/ffmpeg_handles.h"
#include "backends/sdl/media/resampler.h"

namespace quorlen::sdl {
namespace {

constexpr int kReadBufferSize = 16 * 1024;
// A sound held in memory is never longer than this (10 minutes of the
// mixer's format: about 100 MB); a file claiming more is cut there.
constexpr std::uint64_t kLongestSoundSeconds = 600;

// The bytes of the file, read by FFmpeg as if they were a file.
class MemoryReader {
 public:
  explicit MemoryReader(std::string_view bytes) : bytes_(bytes) {}

  static int read(void* self, std::uint8_t* buffer, int size) {
    auto& reader = *static_cast<MemoryReader*>(self);
    const std::size_t left = reader.bytes_.size() - reader.at_;
    const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(size, 0)));
    if (count == 0) return AVERROR_EOF;
    std::memcpy(buffer, reader.bytes_.data() + reader.at_, count);
    reader.at_ += count;
    return static_cast<int>(count);
  }

  static std::int64_t seek(void* self, std::int64_t offset, int whence) {
    auto& reader = *static_cast<MemoryReader*>(self);
    const auto size = static_cast<std::int64_t>(reader.bytes_.size());
    if ((whence & AVSEEK_SIZE) != 0) return size;
    std::int64_t target = offset;
    switch (whence & ~AVSEEK_FORCE) {
      case SEEK_SET: break;
      case SEEK_CUR: target += static_cast<std::int64_t>(reader.at_); break;
      case SEEK_END: target += size; break;
      default: return AVERROR(EINVAL);
    }
    if (target < 0 || target > size) return AVERROR(EINVAL);
    reader.at_ = static_cast<std::size_t>(target);
    return target;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

struct IoContextFree {
  void operator()(AVIOContext* context) const {
    if (context == nullptr) return;
    av_freep(&context->buffer);
    avio_context_free(&context);
  }
};
using IoContextHandle = std::unique_ptr<AVIOContext, IoContextFree>;

// Decoded samples, converted and gathered as they come.
class Converter {
 public:
  explicit Converter(const MixerFormat& format) : format_(format) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool add(const AVFrame& frame) {
    if (frame.sample_rate <= 0 || frame.nb_samples <= 0 || !readyFor(frame)) return false;
    return convert(const_cast<const std::uint8_t**>(frame.extended_data), frame.nb_samples);
  }
  // What the resampler still holds back.
  void flush() {
    if (resampler_) (void)convert(nullptr, 0);
  }
  [[nodiscard]] std::vector<std::int16_t>& samples() { return samples_; }

 private:
  bool readyFor(const AVFrame& frame) {
    if (resampler_) return frame.sample_rate == rate_ && frame.format == sampleFormat_;
    resampler_ = makeResampler(frame, format_);
    if (!resampler_) return false;
    rate_ = frame.sample_rate;
    sampleFormat_ = frame.format;
    return true;
  }

  bool convert(const std::uint8_t** input, int count) {
    const int room = swr_get_out_samples(resampler_.get(), count);
    if (room <= 0) return true;
    const auto channels = static_cast<std::size_t>(format_.channels);
    const std::size_t limit = kLongestSoundSeconds * static_cast<std::size_t>(format_.frequency) * channels;
    const std::size_t at = samples_.size();
    if (at + static_cast<std::size_t>(room) * channels > limit) return false;
    samples_.resize(at + static_cast<std::size_t>(room) * channels);
    std::uint8_t* out[] = {reinterpret_cast<std::uint8_t*>(samples_.data() + at)};
    const int made = swr_convert(resampler_.get(), out, room, input, count);
    samples_.resize(at + static_cast<std::size_t>(std::max(made, 0)) * channels);
    return made >= 0;
  }

  MixerFormat format_;
  ResamplerHandle resampler_;
  int rate_ = 0;
  int sampleFormat_ = -1;
  std::vector<std::int16_t> samples_;
};

}  // namespace

std::vector<std::int16_t> decodeSoundWithFfmpeg(std::string_view bytes, const MixerFormat& format) {
  if (bytes.empty() || format.channels <= 0 || format.frequency <= 0) return {};
  av_log_set_level(AV_LOG_ERROR);
  MemoryReader reader(bytes);
  auto* buffer = static_cast<unsigned char*>(av_malloc(kReadBufferSize));
  if (buffer == nullptr) return {};
  IoContextHandle io(avio_alloc_context(buffer, kReadBufferSize, 0, &reader, &MemoryReader::read, nullptr,
                                        &MemoryReader::seek));
  if (!io) {
    av_free(buffer);
    return {};
  }
  AVFormatContext* raw = avformat_alloc_context();
  if (raw == nullptr) return {};
  raw->pb = io.get();
  raw->flags |= AVFMT_FLAG_CUSTOM_IO;
  // The wave reader only: the bytes were already found to be a wave file.
  if (avformat_open_input(&raw, nullptr, av_find_input_format("wav"), nullptr) < 0) return {};
  FormatContextHandle file(raw);
  if (avformat_find_stream_info(file.get(), nullptr) < 0) return {};

  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(file.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
  if (index < 0 || decoder == nullptr) return {};
  CodecContextHandle codec(avcodec_alloc_context3(decoder));
  if (!codec || avcodec_parameters_to_context(codec.get(), file->streams[index]->codecpar) < 0) return {};
  if (avcodec_open2(codec.get(), decoder, nullptr) < 0) return {};

  Converter converter(format);
  PacketHandle packet(av_packet_alloc());
  FrameHandle frame(av_frame_alloc());
  if (!packet || !frame) return {};
  bool more = true;
  const auto receive = [&] {
    while (more && avcodec_receive_frame(codec.get(), frame.get()) == 0) {
      more = converter.add(*frame);
      av_frame_unref(frame.get());
    }
  };
  while (more && av_read_frame(file.get(), packet.get()) >= 0) {
    // A packet the decoder refuses is damaged; the sound goes on with the next.
    if (packet->stream_index == index) (void)avcodec_send_packet(codec.get(), packet.get());
    av_packet_unref(packet.get());
    receive();
  }
  (void)avcodec_send_packet(codec.get(), nullptr);
  receive();
  converter.flush();
  return std::move(converter.samples());
}

}  // namespace quorlen::sdl
