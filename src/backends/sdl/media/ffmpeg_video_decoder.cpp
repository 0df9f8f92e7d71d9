#include "backends/sdl/media/ffmpeg_video_decoder.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <utility>

#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {
namespace {

constexpr AVRational kMilliseconds{1, 1000};
// The sound is decoded this far ahead of the picture, so the mixer never
// waits for it ...
constexpr std::uint64_t kSoundLeadMs = 400;
// ... unless the picture would have to wait in memory longer than this.
constexpr std::size_t kMostQueuedPackets = 256;
constexpr std::uint64_t kDefaultFrameStepMs = 67;  // 15 frames a second

int openError(int averror) {
  if (averror == AVERROR(ENOENT)) return backends::kMediaErrFileNotFound;
  if (averror == AVERROR(EACCES) || averror == AVERROR(EIO) || averror == AVERROR(EISDIR)) {
    return backends::kMediaErrFileRead;
  }
  return backends::kMediaErrInvalidFile;
}

std::uint64_t toMs(std::int64_t value, AVRational timeBase) {
  return static_cast<std::uint64_t>(std::max<std::int64_t>(av_rescale_q(value, timeBase, kMilliseconds), 0));
}

// The playing time: the picture stream's own, else the file's, else its
// frame count at its frame rate.
std::uint64_t lengthOf(const AVFormatContext& format, const AVStream& stream) {
  if (stream.duration != AV_NOPTS_VALUE && stream.duration > 0) return toMs(stream.duration, stream.time_base);
  if (format.duration != AV_NOPTS_VALUE && format.duration > 0) return toMs(format.duration, AVRational{1, AV_TIME_BASE});
  if (stream.nb_frames > 0 && stream.avg_frame_rate.num > 0) {
    return toMs(stream.nb_frames, av_inv_q(stream.avg_frame_rate));
  }
  return 0;
}

std::uint64_t frameStepOf(const AVStream& stream) {
  for (const AVRational rate : {stream.avg_frame_rate, stream.r_frame_rate}) {
    if (rate.num > 0 && rate.den > 0) return std::max<std::uint64_t>(toMs(1, av_inv_q(rate)), 1);
  }
  return kDefaultFrameStepMs;
}

}  // namespace

backends::MediaResult<std::unique_ptr<VideoDecoder>> FfmpegVideoDecoder::open(const std::string& path,
                                                                              const MixerFormat* sound) {
  av_log_set_level(AV_LOG_ERROR);
  AVFormatContext* raw = nullptr;
  if (const int opened = avformat_open_input(&raw, path.c_str(), nullptr, nullptr); opened < 0) {
    return backends::MediaError{openError(opened)};
  }
  FormatContextHandle format(raw);
  // An "avivideo" device plays AVI files only, as the headless one does,
  // whatever else FFmpeg could read.
  if (std::string_view(format->iformat->name) != "avi") return backends::MediaError{backends::kMediaErrInvalidFile};
  if (avformat_find_stream_info(format.get(), nullptr) < 0) return backends::MediaError{backends::kMediaErrInvalidFile};

  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
  if (index < 0 || decoder == nullptr) return backends::MediaError{backends::kMediaErrInvalidFile};
  AVStream& stream = *format->streams[index];
  CodecContextHandle video(avcodec_alloc_context3(decoder));
  if (!video || avcodec_parameters_to_context(video.get(), stream.codecpar) < 0) {
    return backends::MediaError{backends::kMediaErrInvalidFile};
  }
  video->pkt_timebase = stream.time_base;
  // The codecs of these videos are light; one thread keeps frames in step
  // with the packets fed.
  video->thread_count = 1;
  if (avcodec_open2(video.get(), decoder, nullptr) < 0) return backends::MediaError{backends::kMediaErrInvalidFile};

  std::unique_ptr<SoundTrack> track = sound != nullptr ? SoundTrack::open(*format, *sound) : nullptr;
  return std::unique_ptr<VideoDecoder>(
      std::make_unique<FfmpegVideoDecoder>(std::move(format), index, std::move(video), std::move(track)));
}

FfmpegVideoDecoder::FfmpegVideoDecoder(FormatContextHandle format, int videoIndex, CodecContextHandle video,
                                       std::unique_ptr<SoundTrack> sound)
    : format_(std::move(format)),
      stream_(format_->streams[videoIndex]),
      video_(std::move(video)),
      sound_(std::move(sound)),
      packet_(av_packet_alloc()),
      next_(av_frame_alloc()),
      current_(av_frame_alloc()),
      lengthMs_(lengthOf(*format_, *stream_)),
      frameStepMs_(frameStepOf(*stream_)) {}

std::shared_ptr<PcmStream> FfmpegVideoDecoder::sound() const { return sound_ ? sound_->samples() : nullptr; }

void FfmpegVideoDecoder::seek(std::uint64_t ms) {
  // The first packets carry what the decoder keeps for the whole video (the
  // palette of 8-bit pictures): they are decoded before the first seek,
  // which would otherwise skip them. At the start nothing needs seeking.
  if (!started_) {
    started_ = true;
    if (ms == 0) {
      advanceTo(0);
      return;
    }
    advanceTo(0);
  }
  const std::int64_t origin = stream_->start_time == AV_NOPTS_VALUE ? 0 : stream_->start_time;
  const std::int64_t target = origin + av_rescale_q(static_cast<std::int64_t>(ms), kMilliseconds, stream_->time_base);
  // When the file cannot seek, decoding goes on from where it is.
  if (av_seek_frame(format_.get(), stream_->index, target, AVSEEK_FLAG_BACKWARD) >= 0) {
    avcodec_flush_buffers(video_.get());
    queued_.clear();
    haveNext_ = false;
    haveCurrent_ = false;
    fileEnded_ = false;
    decoderFlushed_ = false;
    pictureEnded_ = false;
    guessMs_ = ms;
  }
  if (sound_) sound_->restartAt(ms);
  advanceTo(ms);
}

bool FfmpegVideoDecoder::advanceTo(std::uint64_t ms) {
  bool changed = false;
  for (;;) {
    if (!haveNext_) {
      if (pictureEnded_ || !decodeNext()) break;
      haveNext_ = true;
    }
    // A frame later than `ms` waits, unless nothing is shown yet.
    if (haveCurrent_ && nextMs_ > ms) break;
    std::swap(current_, next_);
    av_frame_unref(next_.get());
    haveNext_ = false;
    haveCurrent_ = true;
    changed = true;
  }
  if (sound_) {
    while (!fileEnded_ && sound_->decodedUntilMs() < ms + kSoundLeadMs && queued_.size() < kMostQueuedPackets) {
      readPacket();
    }
  }
  if (changed) convertCurrent();
  return changed;
}

std::optional<std::uint64_t> FfmpegVideoDecoder::nextFrameMs() const {
  if (haveNext_) return nextMs_;
  return std::nullopt;
}

bool FfmpegVideoDecoder::readPacket() {
  if (av_read_frame(format_.get(), packet_.get()) < 0) {
    fileEnded_ = true;
    return false;
  }
  if (packet_->stream_index == stream_->index) {
    PacketHandle queued(av_packet_alloc());
    av_packet_move_ref(queued.get(), packet_.get());
    queued_.push_back(std::move(queued));
  } else {
    if (sound_ && packet_->stream_index == sound_->streamIndex()) sound_->decode(*packet_);
    av_packet_unref(packet_.get());
  }
  return true;
}

bool FfmpegVideoDecoder::decodeNext() {
  for (;;) {
    const int received = avcodec_receive_frame(video_.get(), next_.get());
    if (received == 0) {
      ++framesDecoded_;
      nextMs_ = msOf(*next_);
      return true;
    }
    if (received != AVERROR(EAGAIN)) break;  // the end, or a decoder that gave up
    if (!queued_.empty()) {
      // A damaged packet is left out; the frames after it still come.
      (void)avcodec_send_packet(video_.get(), queued_.front().get());
      queued_.pop_front();
    } else if (!fileEnded_) {
      readPacket();
    } else if (!decoderFlushed_) {
      (void)avcodec_send_packet(video_.get(), nullptr);
      decoderFlushed_ = true;
    } else {
      break;
    }
  }
  pictureEnded_ = true;
  return false;
}

std::uint64_t FfmpegVideoDecoder::msOf(const AVFrame& frame) {
  std::uint64_t ms = guessMs_;
  if (frame.best_effort_timestamp != AV_NOPTS_VALUE) {
    const std::int64_t origin = stream_->start_time == AV_NOPTS_VALUE ? 0 : stream_->start_time;
    ms = toMs(frame.best_effort_timestamp - origin, stream_->time_base);
  }
  guessMs_ = ms + frameStepMs_;
  return ms;
}

void FfmpegVideoDecoder::convertCurrent() {
  const AVFrame& frame = *current_;
  if (frame.width <= 0 || frame.height <= 0) return;
  scaler_.reset(sws_getCachedContext(scaler_.release(), frame.width, frame.height,
                                     static_cast<AVPixelFormat>(frame.format), frame.width, frame.height,
                                     AV_PIX_FMT_RGBA, SWS_POINT, nullptr, nullptr, nullptr));
  if (!scaler_) return;
  width_ = frame.width;
  height_ = frame.height;
  rgba_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4);
  std::uint8_t* planes[4] = {rgba_.data(), nullptr, nullptr, nullptr};
  const int strides[4] = {width_ * 4, 0, 0, 0};
  sws_scale(scaler_.get(), frame.data, frame.linesize, 0, frame.height, planes, strides);
}

}  // namespace quorlen::sdl
