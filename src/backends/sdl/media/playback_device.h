#pragma once
// The state every desktop device keeps the same way: stopped, playing or
// paused, the position and the range being played. A device adds its output
// (a mixer channel, SDL_mixer's music, a decoded video) through the hooks
// below; the clock gives the position while it plays.
//
// The end of a range comes when the output stops by itself (a sound on its
// channel, music that has run out) or, for a device whose output does not
// stop exactly at the end of its range, when the clock reaches that end. mode() and
// positionMs() already answer for an end that has come; update() then lets
// the device act on it (halting music at the end of its range, showing the
// frames that are due).

#include <cstdint>
#include <memory>
#include <optional>

#include "backends/sdl/media/media_session.h"
#include "backends/sdl/media/play_range.h"
#include "backends/sdl/media/video_frame_view.h"
#include "backends/shared/media/media_device.h"

namespace quorlen::sdl {

class PlaybackDevice : public backends::MediaDevice {
 public:
  ~PlaybackDevice() override;
  PlaybackDevice(const PlaybackDevice&) = delete;
  PlaybackDevice& operator=(const PlaybackDevice&) = delete;

  [[nodiscard]] int play(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) override;
  // Blocks the caller until the end, as the command asks.
  [[nodiscard]] int playAndWait(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) override;
  [[nodiscard]] int pause() override;
  [[nodiscard]] int resume() override;
  [[nodiscard]] int stop() override;
  [[nodiscard]] int seek(std::uint64_t ms) override;
  void endPlayback() override;

  [[nodiscard]] std::uint64_t positionMs() const override;
  [[nodiscard]] backends::MediaMode mode() const override;

  // One pass of the event loop.
  void update();
  // When update() has something to do next; empty when nothing is due.
  [[nodiscard]] virtual std::optional<MediaClock::time_point> nextDue() const;
  // The frame a video shows; empty for audio and for a video never played.
  [[nodiscard]] virtual std::optional<VideoFrameView> frameView() const { return std::nullopt; }

 protected:
  explicit PlaybackDevice(std::shared_ptr<MediaSession> session);

  [[nodiscard]] MediaSession& session() { return *session_; }
  [[nodiscard]] const PlayRange& range() const { return range_; }
  [[nodiscard]] bool isPlaying() const { return mode_ == backends::MediaMode::Playing; }
  // The output went away by itself (another device took it): playback
  // stops where it was.
  void outputLost();

  // Starts the output for `fromMs` to `toMs` (from < to, both within the
  // medium). Answers where it really starts, as the device may be unable to
  // start in the middle, or a media error.
  [[nodiscard]] virtual backends::MediaResult<std::uint64_t> startOutput(std::uint64_t fromMs,
                                                                        std::uint64_t toMs) = 0;
  virtual void pauseOutput() = 0;
  virtual void resumeOutput() = 0;
  // Silences the output; playback stopped at `atMs`.
  virtual void haltOutput(std::uint64_t atMs) = 0;
  // Whether the output ran out by itself.
  [[nodiscard]] virtual bool outputFinished() const = 0;
  // Whether the clock ends the range, besides the output running out.
  [[nodiscard]] virtual bool endsByClock() const = 0;
  // What a playing device does in time, at `positionMs`.
  virtual void advance(std::uint64_t positionMs);

 private:
  [[nodiscard]] bool endCame(MediaClock::time_point now) const;
  [[nodiscard]] std::uint64_t clamped(std::uint64_t ms) const;

  std::shared_ptr<MediaSession> session_;
  backends::MediaMode mode_ = backends::MediaMode::Stopped;
  std::uint64_t positionMs_ = 0;  // while stopped
  PlayRange range_;               // while playing or paused
};

}  // namespace quorlen::sdl
