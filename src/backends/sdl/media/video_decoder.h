#pragma once
// A video file read and decoded with FFmpeg: the picture frame by frame, in
// the order of their times, converted to RGBA when one is to be shown, and
// the sound track (when there is one and an output to play it) decoded a
// little ahead of the picture.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/sdl/media/audio_output.h"
#include "backends/sdl/media/ffmpeg_handles.h"
#include "backends/sdl/media/sound_track.h"
#include "backends/shared/media/media_result.h"

namespace quorlen::sdl {

class VideoDecoder {
 public:
  // Opens `path` (a path on disk). `sound` is the mixer's format, or null
  // to leave the sound out. Fails with kMediaErrFileNotFound or
  // kMediaErrFileRead when the file cannot be opened, kMediaErrInvalidFile
  // when it is not an AVI file or holds no picture that FFmpeg decodes.
  [[nodiscard]] static backends::MediaResult<std::unique_ptr<VideoDecoder>> open(const std::string& path,
                                                                                const MixerFormat* sound);

  VideoDecoder(FormatContextHandle format, int videoIndex, CodecContextHandle video,
               std::unique_ptr<SoundTrack> sound);
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  [[nodiscard]] std::uint64_t lengthMs() const { return lengthMs_; }
  // The decoded sound; null for a video played without sound.
  [[nodiscard]] std::shared_ptr<PcmStream> sound() const;

  // Moves to `ms`: the frame showing at that time becomes the current one,
  // and the sound starts again there.
  void seek(std::uint64_t ms);
  // Decodes up to `ms`: the last frame due by then becomes the current one.
  // Answers whether the current frame changed.
  bool advanceTo(std::uint64_t ms);
  // The time of the frame after the current one, when there is one.
  [[nodiscard]] std::optional<std::uint64_t> nextFrameMs() const;

  [[nodiscard]] bool hasPicture() const { return !rgba_.empty(); }
  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] const std::uint8_t* rgba() const { return rgba_.data(); }
  // Frames decoded since the video was opened.
  [[nodiscard]] std::uint64_t framesDecoded() const { return framesDecoded_; }

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
