#pragma once
// Loading a sound or a piece of music from the bytes of its file, by what
// the bytes hold (see sdl_media_devices.h).

#include <memory>
#include <string_view>

#include "backends/sdl/media/audio_output.h"
#include "backends/sdl/media/media_session.h"
#include "backends/shared/media/media_device.h"

namespace quorlen::sdl {

// kMediaErrInvalidFile when SDL_mixer cannot load the bytes.
[[nodiscard]] backends::MediaResult<std::unique_ptr<backends::MediaDevice>> loadAudioDevice(
    const std::shared_ptr<MediaSession>& session, AudioOutput& output, backends::MediaDeviceType type,
    std::string_view bytes);

// The rendering of a MIDI file ends with the synthesiser's silent tail:
// the sound is cut after its last audible sample.
void trimQuietEnd(Mix_Chunk& sound, const MixerFormat& format);

}  // namespace quorlen::sdl
