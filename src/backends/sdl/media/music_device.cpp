#include "backends/sdl/media/music_device.h"

#include <utility>

#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {

backends::MediaResult<std::unique_ptr<backends::MediaDevice>> MusicDevice::load(std::shared_ptr<MediaSession> session,
                                                                                AudioOutput& output, std::string midi,
                                                                                std::uint64_t lengthMs) {
  auto device = std::make_unique<MusicDevice>(std::move(session), output, std::move(midi), lengthMs);
  device->music_ = output.loadMidi(device->midi_);
  if (!device->music_) return backends::MediaError{backends::kMediaErrInvalidFile};
  return std::unique_ptr<backends::MediaDevice>(std::move(device));
}

MusicDevice::MusicDevice(std::shared_ptr<MediaSession> session, AudioOutput& output, std::string midi,
                         std::uint64_t lengthMs)
    : PlaybackDevice(std::move(session)), output_(output), midi_(std::move(midi)), lengthMs_(lengthMs) {
  output_.addMidiPiece(*this);
}

MusicDevice::~MusicDevice() {
  output_.removeMidiPiece(*this);
  output_.giveBackMusic(*this);
  music_.reset();
}

backends::MediaResult<std::uint64_t> MusicDevice::startOutput(std::uint64_t fromMs, std::uint64_t) {
  if (heldAtMs_ && *heldAtMs_ == fromMs && output_.hasMusic(*this)) {
    heldAtMs_.reset();
    Mix_ResumeMusic();
    return fromMs;
  }
  heldAtMs_.reset();
  if (!music_) music_ = output_.loadMidi(midi_);
  if (!music_) return backends::MediaError{backends::kMediaErrHardware};
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
  // It starts again from the beginning when it plays: what it would go on
  // from is gone.
  music_.reset();
}

void MusicDevice::unloadUnlessHeld() {
  if (!output_.hasMusic(*this)) music_.reset();
}

}  // namespace quorlen::sdl
