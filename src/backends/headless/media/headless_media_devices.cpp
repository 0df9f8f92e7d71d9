#include "backends/headless/media/headless_media_devices.h"

#include "backends/headless/media/media_file_headers.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::backends {

HeadlessMediaDevice::HeadlessMediaDevice(MediaDeviceType type, std::uint64_t lengthMs,
                                         std::optional<std::uint64_t> parentWindow)
    : type_(type), lengthMs_(lengthMs), parentWindow_(parentWindow), endMs_(lengthMs) {}

int HeadlessMediaDevice::play(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) {
  positionMs_ = clamped(fromMs.value_or(positionMs_));
  endMs_ = clamped(toMs.value_or(lengthMs_));
  if (endMs_ <= positionMs_) {
    // Nothing left to play: the end comes at once.
    endMs_ = positionMs_;
    mode_ = MediaMode::Stopped;
  } else {
    mode_ = MediaMode::Playing;
  }
  return kMediaOk;
}

int HeadlessMediaDevice::playAndWait(std::optional<std::uint64_t> fromMs, std::optional<std::uint64_t> toMs) {
  const int code = play(fromMs, toMs);
  endPlayback();
  return code;
}

int HeadlessMediaDevice::pause() {
  if (mode_ == MediaMode::Playing) mode_ = MediaMode::Paused;
  return kMediaOk;
}

int HeadlessMediaDevice::resume() {
  if (mode_ == MediaMode::Paused) mode_ = MediaMode::Playing;
  return kMediaOk;
}

int HeadlessMediaDevice::stop() {
  mode_ = MediaMode::Stopped;
  return kMediaOk;
}

int HeadlessMediaDevice::seek(std::uint64_t ms) {
  mode_ = MediaMode::Stopped;
  positionMs_ = clamped(ms);
  return kMediaOk;
}

void HeadlessMediaDevice::endPlayback() {
  if (mode_ != MediaMode::Playing) return;
  positionMs_ = endMs_;
  mode_ = MediaMode::Stopped;
}

MediaResult<std::unique_ptr<MediaDevice>> HeadlessMediaDeviceFactory::open(
    MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) {
  const Result<std::string> bytes = files_.readFile(path);
  if (!bytes) {
    return MediaError{bytes.error().kind == ErrorKind::NotFound ? kMediaErrFileNotFound : kMediaErrFileRead};
  }
  if (!hasMediaHeader(type, bytes.value())) return MediaError{kMediaErrInvalidFile};
  if (type != MediaDeviceType::AviVideo) parentWindow.reset();
  return std::unique_ptr<MediaDevice>(
      std::make_unique<HeadlessMediaDevice>(type, mediaLengthMs(type, bytes.value()), parentWindow));
}

}  // namespace quorlen::backends
