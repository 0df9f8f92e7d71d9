#include "backends/sdl/media/sound_device.h"

#include <algorithm>
#include <utility>

#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {

namespace {

std::uint64_t decodedLengthMs(const Mix_Chunk& sound, const MixerFormat& format) {
  const auto frames = std::uint64_t{sound.alen} / static_cast<std::uint64_t>(format.bytesPerFrame());
  return frames * 1000 / static_cast<std::uint64_t>(format.frequency);
}

}  // namespace

SoundDevice::SoundDevice(std::shared_ptr<MediaSession> session, AudioOutput& output, ChunkHandle sound,
                         std::uint64_t lengthMs)
    : PlaybackDevice(std::move(session)),
      output_(output),
      channel_(output.takeChannel()),
      sound_(std::move(sound)),
      lengthMs_(lengthMs != 0 ? lengthMs : decodedLengthMs(*sound_, output.format())) {}

SoundDevice::~SoundDevice() {
  // The channel lets go of the part before it is freed.
  output_.giveBackChannel(channel_);
}

backends::MediaResult<std::uint64_t> SoundDevice::startOutput(std::uint64_t fromMs, std::uint64_t toMs) {
  Mix_HaltChannel(channel_);
  const Uint32 from = offsetOf(fromMs);
  const Uint32 to = toMs >= lengthMs_ ? sound_->alen : offsetOf(toMs);
  part_.reset(Mix_QuickLoad_RAW(sound_->abuf + from, to - from));
  if (!part_ || Mix_PlayChannel(channel_, part_.get(), 0) < 0) return backends::MediaError{backends::kMediaErrHardware};
  return fromMs;
}

void SoundDevice::pauseOutput() { Mix_Pause(channel_); }

void SoundDevice::resumeOutput() { Mix_Resume(channel_); }

void SoundDevice::haltOutput(std::uint64_t) { Mix_HaltChannel(channel_); }

bool SoundDevice::outputFinished() const { return Mix_Playing(channel_) == 0; }

Uint32 SoundDevice::offsetOf(std::uint64_t ms) const {
  const auto frameBytes = static_cast<std::uint64_t>(output_.format().bytesPerFrame());
  const std::uint64_t frames = ms * static_cast<std::uint64_t>(output_.format().frequency) / 1000;
  return static_cast<Uint32>(std::min<std::uint64_t>(frames * frameBytes, sound_->alen / frameBytes * frameBytes));
}

}  // namespace quorlen::sdl
