#pragma once
// The media devices of the desktop: "waveaudio" and "sequencer" through
// SDL_mixer, "avivideo" through FFmpeg, behind the shared media-command
// interpreter.
//
// Each device type opens only files of its own kind, told by their first
// bytes as the headless devices tell them: a wave file ("waveaudio") plays
// on a mixer channel, decoded by SDL_mixer or, for the codings it lacks, by
// FFmpeg; a MIDI or RMID file ("sequencer") plays as SDL_mixer's music,
// through its FluidSynth synthesiser and a General MIDI sound font found on
// the system (or named in SDL_SOUNDFONTS); an AVI file ("avivideo") through
// FFmpeg, which lives in the codecs module (codecs.h). Any other file is
// refused as invalid, and so are a video and a wave that needs FFmpeg when
// the codecs module cannot be loaded. A sound, the music and a video's
// sound track play together. See sound_device.h and music_device.h for
// which positions and ranges are exact.
//
// The event loop calls update() on every pass and sleeps at most
// nextWakeMilliseconds(); the display draws visibleVideos(). A device that
// is closed disappears from them at once. One factory serves a program: the
// audio output it opens is SDL's, which there is one of.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/sdl/desktop_media.h"
#include "backends/sdl/media/codecs.h"
#include "backends/sdl/media/video_frame_view.h"
#include "backends/shared/media/media_device.h"
#include "platform/file_system.h"

namespace quorlen::sdl {

class MediaSession;

class SdlMediaDeviceFactory final : public DesktopMediaDevices {
 public:
  // FFmpeg comes from `codecs`, asked when it is first needed.
  SdlMediaDeviceFactory(platform::FileSystem& files, CodecsSource& codecs);
  ~SdlMediaDeviceFactory() override;
  SdlMediaDeviceFactory(const SdlMediaDeviceFactory&) = delete;
  SdlMediaDeviceFactory& operator=(const SdlMediaDeviceFactory&) = delete;

  // kMediaErrFileNotFound for a missing file, kMediaErrFileRead for one that
  // cannot be read, kMediaErrInvalidFile for one the device cannot play,
  // kMediaErrHardware for audio when the machine gives no audio output.
  [[nodiscard]] backends::MediaResult<std::unique_ptr<backends::MediaDevice>> open(
      backends::MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) override;

  // Ends what has reached its end and decodes the video frames now due.
  void update() override;
  // The open videos that have a frame to show, in the order they opened.
  [[nodiscard]] std::vector<VideoFrameView> visibleVideos() const override;
  // Milliseconds until update() has something to do; empty when nothing
  // plays that needs it.
  [[nodiscard]] std::optional<int> nextWakeMilliseconds() const override;
  // The player's loudness (setOutputGain of audio_output.h).
  void setOutputGain(int music, int sound) override;

 private:
  [[nodiscard]] backends::MediaResult<std::unique_ptr<backends::MediaDevice>> openAudio(
      backends::MediaDeviceType type, const std::string& path);
  [[nodiscard]] backends::MediaResult<std::unique_ptr<backends::MediaDevice>> openVideo(
      const std::string& path, std::optional<std::uint64_t> parentWindow);

  platform::FileSystem& files_;
  CodecsSource& codecs_;
  std::shared_ptr<MediaSession> session_;
};

}  // namespace quorlen::sdl
