#pragma once
// What the devices of one factory share: the audio output (opened on first
// use), the list of open devices that the event loop updates, and the
// numbering of video frames. The factory and every device it made hold it,
// so it lives until the last of them goes.

#include <cstdint>
#include <memory>
#include <vector>

#include "backends/sdl/media/audio_output.h"

namespace quorlen::sdl {

class PlaybackDevice;

class MediaSession {
 public:
  MediaSession() = default;
  MediaSession(const MediaSession&) = delete;
  MediaSession& operator=(const MediaSession&) = delete;

  // The audio output; null when the machine has none to give.
  [[nodiscard]] AudioOutput* audio() {
    if (!audio_) audio_ = std::make_unique<AudioOutput>();
    return audio_->ok() ? audio_.get() : nullptr;
  }

  void add(PlaybackDevice& device) { devices_.push_back(&device); }
  void remove(const PlaybackDevice& device) { std::erase(devices_, &device); }
  [[nodiscard]] const std::vector<PlaybackDevice*>& devices() const { return devices_; }

  [[nodiscard]] std::uint64_t nextFrameSerial() { return ++frameSerial_; }

 private:
  // Declared first, so that the output closes after the list is gone.
  std::unique_ptr<AudioOutput> audio_;
  std::vector<PlaybackDevice*> devices_;
  std::uint64_t frameSerial_ = 0;
};

}  // namespace quorlen::sdl
