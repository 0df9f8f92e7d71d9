#include "backends/sdl/media/audio_loading.h"

#include <cstdint>
#include <string>
#include <utility>

#include "backends/headless/media/media_file_headers.h"
#include "backends/headless/media/midi_duration.h"
#include "backends/sdl/media/mixer_handles.h"
#include "backends/sdl/media/music_device.h"
#include "backends/sdl/media/sound_decoding.h"
#include "backends/sdl/media/sound_device.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {
namespace {

using backends::MediaDevice;
using backends::MediaError;
using backends::MediaResult;

SDL_RWops* readerOf(std::string_view bytes) {
  return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

MediaResult<std::unique_ptr<MediaDevice>> loadMusic(const std::shared_ptr<MediaSession>& session, AudioOutput& output,
                                                    std::string_view bytes) {
  // The standard MIDI file, whether bare or inside an RMID file.
  std::string file(backends::midiFileIn(bytes));
  if (file.empty()) return MediaError{backends::kMediaErrInvalidFile};
  Mix_Music* loaded = Mix_LoadMUSType_RW(readerOf(file), MUS_MID, 1);
  if (loaded == nullptr) return MediaError{backends::kMediaErrInvalidFile};
  std::shared_ptr<Mix_Music> music(loaded, MusicFree{});
  output.keepMidiSamples(music);
  const std::uint64_t length = backends::midiLengthMs(file);
  return std::unique_ptr<MediaDevice>(
      std::make_unique<MusicDevice>(session, output, std::move(music), std::move(file), length));
}

MediaResult<std::unique_ptr<MediaDevice>> loadSound(const std::shared_ptr<MediaSession>& session, AudioOutput& output,
                                                    std::string_view bytes) {
  // SDL_mixer reads PCM and the ADPCM and G.711 codings itself; FFmpeg
  // decodes the rest (GSM 6.10, MP3 inside the wave file, ...).
  ChunkHandle sound(Mix_LoadWAV_RW(readerOf(bytes), 1));
  if (!sound) sound = decodeSoundWithFfmpeg(bytes, output.format());
  if (!sound) return MediaError{backends::kMediaErrInvalidFile};
  // The length the file's header states, as the headless device answers it;
  // the decoded samples when the header gives none.
  const std::uint64_t length = backends::waveLengthMs(bytes);
  return std::unique_ptr<MediaDevice>(std::make_unique<SoundDevice>(session, output, std::move(sound), length));
}

}  // namespace

MediaResult<std::unique_ptr<MediaDevice>> loadAudioDevice(const std::shared_ptr<MediaSession>& session,
                                                          AudioOutput& output, backends::MediaDeviceType type,
                                                          std::string_view bytes) {
  // A file is played only by the device of its kind, whatever else the
  // libraries could make of it: the headless devices answer the same.
  if (!backends::hasMediaHeader(type, bytes)) return MediaError{backends::kMediaErrInvalidFile};
  if (type == backends::MediaDeviceType::Sequencer) return loadMusic(session, output, bytes);
  return loadSound(session, output, bytes);
}

}  // namespace quorlen::sdl
