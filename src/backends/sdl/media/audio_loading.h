#pragma once
// Loading a sound or a piece of music from the bytes of its file (see
// sdl_media_devices.h).

#include <memory>
#include <string_view>

#include "backends/sdl/media/audio_output.h"
#include "backends/sdl/media/codecs.h"
#include "backends/sdl/media/media_session.h"
#include "backends/shared/media/media_device.h"

namespace quorlen::sdl {

// kMediaErrInvalidFile when the bytes are not a file of the device's type
// (a wave file for "waveaudio", a MIDI or RMID file for "sequencer"), or
// when neither SDL_mixer nor FFmpeg (from `codecs`, asked only for the wave
// codings SDL_mixer lacks) can decode them.
[[nodiscard]] backends::MediaResult<std::unique_ptr<backends::MediaDevice>> loadAudioDevice(
    const std::shared_ptr<MediaSession>& session, AudioOutput& output, backends::MediaDeviceType type,
    std::string_view bytes, CodecsSource& codecs);

}  // namespace quorlen::sdl
