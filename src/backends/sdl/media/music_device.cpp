#include "backends/sdl/media/music_device.h"

#include <utility>

#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {

MusicDevice::MusicDevice(std::shared_ptr<MediaSession> session, AudioOutput& output, std::shared_ptr<Mix_Music> music,
                         std::string midi, std::uint64_t lengthMs)
    : PlaybackDevice(std::move(session)),
      output_(output),
      midi_(std::move(midi)),
      music_(std::move(music)),
      lengthMs_(lengthMs) {}

MusicDevice::~MusicDevice() { output_.giveBackMusic(*this); }

backends::MediaResult<std::uint64_t> MusicDevice::startOutput(std::uint64_t fromMs, std::uint64_t) {
  if (heldAtMs_ && *heldAtMs_ == fromMs && output_.hasMusic(*this)) {
    heldAtMs_.reset();
    Mix_ResumeMusic();
    return fromMs;
  }
  heldAtMs_.reset();
  output_.takeMusic(*this);
  if (Mix_PlayMusic(music_.get(), 0) != 0) {
    output_.giveBackMusic(*this);
    return backends::MediaError{backends::kMediaErrHardware};
  }
  if (fromMs > 0 && Mix_SetMusicPosition(static_cast<double>(fromMs) / 1000.0) == 0) return fromMs;
  return std::uint64_t{0};
}

void MusicDevice::pauseOutput() {
  if (output_.hasMusic(*this)) Mix_PauseMusic();
}

void MusicDevice::resumeOutput() {
  if (output_.hasMusic(*this)) Mix_ResumeMusic();
}

void MusicDevice::haltOutput(std::uint64_t atMs) {
  if (!output_.hasMusic(*this)) return;
  Mix_PauseMusic();
  heldAtMs_ = atMs;
}

bool MusicDevice::outputFinished() const {
  return isPlaying() && (!output_.hasMusic(*this) || Mix_PlayingMusic() == 0);
}

void MusicDevice::musicTakenOver() {
  heldAtMs_.reset();
  outputLost();
}

}  // namespace quorlen::sdl
