#include "backends/sdl/media/sdl_media_devices.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

#include "backends/sdl/media/audio_loading.h"
#include "backends/sdl/media/audio_output.h"
#include "backends/sdl/media/media_session.h"
#include "backends/sdl/media/playback_device.h"
#include "backends/sdl/media/video_device.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {

using backends::MediaDevice;
using backends::MediaDeviceType;
using backends::MediaError;
using backends::MediaResult;

SdlMediaDeviceFactory::SdlMediaDeviceFactory(platform::FileSystem& files, CodecsSource& codecs)
    : files_(files), codecs_(codecs), session_(std::make_shared<MediaSession>()) {}

SdlMediaDeviceFactory::~SdlMediaDeviceFactory() = default;

MediaResult<std::unique_ptr<MediaDevice>> SdlMediaDeviceFactory::open(MediaDeviceType type, const std::string& path,
                                                                      std::optional<std::uint64_t> parentWindow) {
  if (type == MediaDeviceType::AviVideo) return openVideo(path, parentWindow);
  return openAudio(type, path);
}

MediaResult<std::unique_ptr<MediaDevice>> SdlMediaDeviceFactory::openAudio(MediaDeviceType type,
                                                                           const std::string& path) {
  const Result<std::string> bytes = files_.readFile(path);
  if (!bytes) {
    return MediaError{bytes.error().kind == ErrorKind::NotFound ? backends::kMediaErrFileNotFound
                                                                : backends::kMediaErrFileRead};
  }
  AudioOutput* output = session_->audio();
  if (output == nullptr) return MediaError{backends::kMediaErrHardware};
  return loadAudioDevice(session_, *output, type, bytes.value(), codecs_);
}

MediaResult<std::unique_ptr<MediaDevice>> SdlMediaDeviceFactory::openVideo(
    const std::string& path, std::optional<std::uint64_t> parentWindow) {
  // FFmpeg reads the file itself, from where the game's path leads.
  if (!files_.fileExists(path)) return MediaError{backends::kMediaErrFileNotFound};
  Codecs* codecs = codecs_.codecs();
  if (codecs == nullptr) return MediaError{backends::kMediaErrInvalidFile};
  AudioOutput* output = session_->audio();
  MediaResult<std::unique_ptr<VideoDecoder>> decoder =
      codecs->openVideo(files_.resolve(path), output != nullptr ? &output->format() : nullptr);
  if (!decoder) return MediaError{decoder.code()};
  return std::unique_ptr<MediaDevice>(
      std::make_unique<VideoDevice>(session_, std::move(decoder).value(), parentWindow, output));
}

void SdlMediaDeviceFactory::update() {
  // Updating never opens or closes a device, but a copy costs little.
  const std::vector<PlaybackDevice*> devices = session_->devices();
  for (PlaybackDevice* device : devices) device->update();
}

std::vector<VideoFrameView> SdlMediaDeviceFactory::visibleVideos() const {
  std::vector<VideoFrameView> views;
  for (const PlaybackDevice* device : session_->devices()) {
    if (const std::optional<VideoFrameView> view = device->frameView()) views.push_back(*view);
  }
  return views;
}

std::optional<int> SdlMediaDeviceFactory::nextWakeMilliseconds() const {
  std::optional<MediaClock::time_point> earliest;
  for (const PlaybackDevice* device : session_->devices()) {
    const std::optional<MediaClock::time_point> due = device->nextDue();
    if (due && (!earliest || *due < *earliest)) earliest = due;
  }
  if (!earliest) return std::nullopt;
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*earliest - MediaClock::now()).count();
  return static_cast<int>(std::clamp<std::int64_t>(wait, 0, std::numeric_limits<int>::max()));
}

void SdlMediaDeviceFactory::setOutputGain(int music, int sound) { sdl::setOutputGain(music, sound); }

}  // namespace quorlen::sdl
