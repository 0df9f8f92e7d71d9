#include "backends/sdl/media/audio_loading.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "backends/headless/media/media_file_headers.h"
#include "backends/headless/media/midi_duration.h"
#include "backends/sdl/media/mixer_handles.h"
#include "backends/sdl/media/music_device.h"
#include "backends/sdl/media/sound_device.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {
namespace {

using backends::MediaDevice;
using backends::MediaError;
using backends::MediaResult;

// Below this a 16-bit sample is not heard (about -66 dB).
constexpr int kAudibleLevel = 16;

SDL_RWops* readerOf(std::string_view bytes) {
  return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

MediaResult<std::unique_ptr<MediaDevice>> loadAudioDevice(const std::shared_ptr<MediaSession>& session,
                                                          AudioOutput& output, backends::MediaDeviceType type,
                                                          std::string_view bytes) {
  // The standard MIDI file, whether bare or inside an RMID file.
  const std::string_view midi = backends::midiFileIn(bytes);
  if (!midi.empty() && type == backends::MediaDeviceType::Sequencer) {
    std::string file(midi);
    Mix_Music* loaded = Mix_LoadMUSType_RW(readerOf(file), MUS_MID, 1);
    if (loaded == nullptr) return MediaError{backends::kMediaErrInvalidFile};
    std::shared_ptr<Mix_Music> music(loaded, MusicFree{});
    output.keepMidiSamples(music);
    const std::uint64_t length = backends::midiLengthMs(file);
    return std::unique_ptr<MediaDevice>(
        std::make_unique<MusicDevice>(session, output, std::move(music), std::move(file), length));
  }

  ChunkHandle sound(Mix_LoadWAV_RW(readerOf(midi.empty() ? bytes : midi), 1));
  if (!sound) return MediaError{backends::kMediaErrInvalidFile};
  if (!midi.empty()) trimQuietEnd(*sound, output.format());
  return std::unique_ptr<MediaDevice>(std::make_unique<SoundDevice>(session, output, std::move(sound)));
}

void trimQuietEnd(Mix_Chunk& sound, const MixerFormat& format) {
  const auto frameBytes = static_cast<Uint32>(format.bytesPerFrame());
  if (frameBytes == 0) return;
  const auto* samples = reinterpret_cast<const std::int16_t*>(sound.abuf);
  Uint32 frames = sound.alen / frameBytes;
  const auto channels = static_cast<Uint32>(format.channels);
  const auto audible = [&](Uint32 frame) {
    for (Uint32 channel = 0; channel < channels; ++channel) {
      if (std::abs(int{samples[frame * channels + channel]}) >= kAudibleLevel) return true;
    }
    return false;
  };
  while (frames > 0 && !audible(frames - 1)) --frames;
  sound.alen = frames * frameBytes;
}

}  // namespace quorlen::sdl
