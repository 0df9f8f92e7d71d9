#pragma once
// A video opened as "avivideo": decoded in step with the clock while it
// plays (update() shows the frames that are due), its sound track mixed
// with the other sounds. The frame shown stays after the video stops, until
// it is closed; a video never played shows nothing.
//
// "play ... wait" holds the caller until the end, decoding as it goes; the
// display, which runs in the caller's loop, does not draw meanwhile.

#include <cstdint>
#include <memory>
#include <optional>

#include "backends/sdl/media/playback_device.h"
#include "backends/sdl/media/video_decoder.h"

namespace quorlen::sdl {

class VideoDevice final : public PlaybackDevice {
 public:
  // `output` plays the decoder's sound; null when there is none.
  VideoDevice(std::shared_ptr<MediaSession> session, std::unique_ptr<VideoDecoder> decoder,
              std::optional<std::uint64_t> parentWindow, AudioOutput* output);
  ~VideoDevice() override;
  VideoDevice(const VideoDevice&) = delete;
  VideoDevice& operator=(const VideoDevice&) = delete;

  [[nodiscard]] std::uint64_t lengthMs() const override { return decoder_->lengthMs(); }
  [[nodiscard]] std::optional<MediaClock::time_point> nextDue() const override;
  [[nodiscard]] std::optional<VideoFrameView> frameView() const override;

  [[nodiscard]] std::uint64_t framesDecoded() const { return decoder_->framesDecoded(); }
  [[nodiscard]] bool hasSound() const { return sound_ != nullptr; }

 private:
  [[nodiscard]] backends::MediaResult<std::uint64_t> startOutput(std::uint64_t fromMs, std::uint64_t toMs) override;
  void pauseOutput() override;
  void resumeOutput() override;
  void haltOutput(std::uint64_t atMs) override;
  [[nodiscard]] bool outputFinished() const override { return false; }
  [[nodiscard]] bool endsByClock() const override { return true; }
  void advance(std::uint64_t positionMs) override;

  void pictureChanged();

  std::unique_ptr<VideoDecoder> decoder_;
  std::optional<std::uint64_t> parentWindow_;
  AudioOutput* output_;
  std::shared_ptr<PcmStream> sound_;
  std::uint64_t frameSerial_ = 0;
  bool shown_ = false;  // played at least once
};

}  // namespace quorlen::sdl
