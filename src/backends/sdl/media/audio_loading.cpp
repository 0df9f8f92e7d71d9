#include "backends/sdl/media/audio_loading.h"

#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

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

SDL_RWops* readerOf(std::string_view bytes) {
  return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

MediaResult<std::unique_ptr<MediaDevice>> loadMusic(const std::shared_ptr<MediaSession>& session, AudioOutput& output,
                                                    std::string_view bytes) {
  // The standard MIDI file, whether bare or inside an RMID file.
  std::string file(backends::midiFileIn(bytes));
  if (file.empty()) return MediaError{backends::kMediaErrInvalidFile};
  const std::uint64_t length = backends::midiLengthMs(file);
  return MusicDevice::load(session, output, std::move(file), length);
}

// The samples as a sound that SDL_mixer frees with Mix_FreeChunk.
ChunkHandle chunkOf(const std::vector<std::int16_t>& samples) {
  const std::size_t size = samples.size() * sizeof(std::int16_t);
  if (size == 0 || size > SDL_MAX_UINT32) return nullptr;
  auto* chunk = static_cast<Mix_Chunk*>(SDL_calloc(1, sizeof(Mix_Chunk)));
  if (chunk == nullptr) return nullptr;
  chunk->abuf = static_cast<Uint8*>(SDL_malloc(size));
  if (chunk->abuf == nullptr) {
    SDL_free(chunk);
    return nullptr;
  }
  std::memcpy(chunk->abuf, samples.data(), size);
  chunk->allocated = 1;
  chunk->alen = static_cast<Uint32>(size);
  chunk->volume = MIX_MAX_VOLUME;
  return ChunkHandle(chunk);
}


MediaResult<std::unique_ptr<MediaDevice>> loadSound(const std::shared_ptr<MediaSession>& session, AudioOutput& output,
                                                    std::string_view bytes, CodecsSource& codecs) {
  // SDL_mixer reads PCM and the ADPCM and G.711 codings itself; FFmpeg
  // decodes the rest (GSM 6.10, MP3 inside the wave file, ...).
  ChunkHandle sound(Mix_LoadWAV_RW(readerOf(bytes), 1));
  if (!sound) {
    if (Codecs* ffmpeg = codecs.codecs()) sound = chunkOf(ffmpeg->decodeWave(bytes, output.format()));
  }
  if (!sound) return MediaError{backends::kMediaErrInvalidFile};
  // The length the file's header states, as the headless device answers it;
  // the decoded samples when the header gives none.
  const std::uint64_t length = backends::waveLengthMs(bytes);
  return std::unique_ptr<MediaDevice>(std::make_unique<SoundDevice>(session, output, std::move(sound), length));
}

}  // namespace

MediaResult<std::unique_ptr<MediaDevice>> loadAudioDevice(const std::shared_ptr<MediaSession>& session,
                                                          AudioOutput& output, backends::MediaDeviceType type,
                                                          std::string_view bytes, CodecsSource& codecs) {
  // A file is played only by the device of its kind, whatever else the
  // libraries could make of it: the headless devices answer the same.
  if (!backends::hasMediaHeader(type, bytes)) return MediaError{backends::kMediaErrInvalidFile};
  if (type == backends::MediaDeviceType::Sequencer) return loadMusic(session, output, bytes);
  return loadSound(session, output, bytes, codecs);
}

}  // namespace quorlen::sdl
