#pragma once
// The devices behind the media-command interpreter. A backend supplies a
// MediaDeviceFactory; the interpreter owns every device it opens and is the
// only caller of these functions.
//
// All times are milliseconds from the start of the medium. The interpreter
// checks ranges against lengthMs() before it calls play or seek, so a device
// only sees positions within 0..lengthMs().

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "backends/shared/media/media_result.h"

namespace quorlen::backends {

enum class MediaDeviceType { WaveAudio, Sequencer, AviVideo };

enum class MediaMode { Stopped, Playing, Paused };

// The names the command language uses ("type waveaudio", "status x mode").
[[nodiscard]] constexpr std::string_view toString(MediaDeviceType type) {
  switch (type) {
    case MediaDeviceType::WaveAudio: return "waveaudio";
    case MediaDeviceType::Sequencer: return "sequencer";
    case MediaDeviceType::AviVideo: return "avivideo";
  }
  return "unknown";
}

[[nodiscard]] constexpr std::string_view toString(MediaMode mode) {
  switch (mode) {
    case MediaMode::Stopped: return "stopped";
    case MediaMode::Playing: return "playing";
    case MediaMode::Paused: return "paused";
  }
  return "unknown";
}

// Audio devices are the ones the "audio" group of endAllPlayback reaches.
[[nodiscard]] constexpr bool isAudio(MediaDeviceType type) { return type != MediaDeviceType::AviVideo; }

// Functions answering int answer kMediaOk or a media error number.
class MediaDevice {
 public:
  virtual ~MediaDevice() = default;

  // Starts playing from `fromMs` (the current position when empty) up to
  // `toMs` (the end of the medium when empty). Playing while paused or
  // playing starts over with the new range. A range with nothing in it
  // (to <= from) ends at once where it starts; the mode stays stopped.
  [[nodiscard]] virtual int play(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) = 0;
  // The same range, returning only when its end is reached ("play x wait").
  [[nodiscard]] virtual int playAndWait(std::optional<std::uint64_t> fromMs,
                                        std::optional<std::uint64_t> toMs) = 0;
  // Holds a playing device at its position; does nothing otherwise.
  [[nodiscard]] virtual int pause() = 0;
  // Lets a paused device go on towards the end of the range it was given;
  // does nothing otherwise.
  [[nodiscard]] virtual int resume() = 0;
  // Stops playing; the position stays where playback was.
  [[nodiscard]] virtual int stop() = 0;
  // Stops playing and moves to `ms`.
  [[nodiscard]] virtual int seek(std::uint64_t ms) = 0;

  // Playback of a playing device reaches the end of its range now, as if the
  // medium had run out there: position at that end, mode stopped. Backends
  // call it when their player reports the end; the headless runner calls it
  // because nothing else ever ends playback there. No effect unless playing.
  virtual void endPlayback() = 0;

  [[nodiscard]] virtual std::uint64_t lengthMs() const = 0;
  [[nodiscard]] virtual std::uint64_t positionMs() const = 0;
  [[nodiscard]] virtual MediaMode mode() const = 0;
};

class MediaDeviceFactory {
 public:
  virtual ~MediaDeviceFactory() = default;
  // Opens `path` (as written in the command; the factory resolves it on its
  // file system) on a device of `type`. `parentWindow` is set only for video
  // opened with "parent N". Fails with kMediaErrFileNotFound for a missing
  // file and kMediaErrInvalidFile for one the device cannot play.
  [[nodiscard]] virtual MediaResult<std::unique_ptr<MediaDevice>> open(
      MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) = 0;
};

}  // namespace quorlen::backends
