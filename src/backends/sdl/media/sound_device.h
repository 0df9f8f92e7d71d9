#pragma once
// A sound held whole in memory, in the mixer's format, playing on a mixer
// channel of its own: wave audio. Any range plays exactly, the part
// of the sound between its ends going to the channel; the channel tells
// when the sound has finished.

#include <cstdint>
#include <memory>

#include "backends/sdl/media/audio_output.h"
#include "backends/sdl/media/mixer_handles.h"
#include "backends/sdl/media/playback_device.h"

namespace quorlen::sdl {

class SoundDevice final : public PlaybackDevice {
 public:
  // `lengthMs` is the length the file states; 0 takes the decoded sound's.
  SoundDevice(std::shared_ptr<MediaSession> session, AudioOutput& output, ChunkHandle sound, std::uint64_t lengthMs);
  ~SoundDevice() override;
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  [[nodiscard]] std::uint64_t lengthMs() const override { return lengthMs_; }

 private:
  [[nodiscard]] backends::MediaResult<std::uint64_t> startOutput(std::uint64_t fromMs, std::uint64_t toMs) override;
  void pauseOutput() override;
  void resumeOutput() override;
  void haltOutput(std::uint64_t atMs) override;
  [[nodiscard]] bool outputFinished() const override;
  [[nodiscard]] bool endsByClock() const override { return false; }

  // The byte offset in the sound of `ms`, on a whole frame.
  [[nodiscard]] Uint32 offsetOf(std::uint64_t ms) const;

  AudioOutput& output_;
  int channel_;
  ChunkHandle sound_;
  ChunkHandle part_;  // the range playing now, inside sound_'s samples
  std::uint64_t lengthMs_;
};

}  // namespace quorlen::sdl
