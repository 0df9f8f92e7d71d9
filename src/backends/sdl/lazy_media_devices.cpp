#include "backends/sdl/lazy_media_devices.h"

#include <iostream>
#include <utility>

#include "backends/shared/media/media_errors.h"

namespace quorlen::sdl {

LazyMediaDevices::LazyMediaDevices(platform::FileSystem& files, std::vector<std::filesystem::path> folders)
    : files_(files), folders_(folders), codecs_(std::move(folders)) {}

LazyMediaDevices::~LazyMediaDevices() = default;

void LazyMediaDevices::load() {
  tried_ = true;
  Result<SharedModule> module = SharedModule::open(folders_, kMediaModuleFile, {kMakeMediaDevicesSymbol});
  if (!module) {
    std::cerr << "quorlen: media cannot be played: " << module.error().detail << '\n';
    return;
  }
  auto make = reinterpret_cast<MakeMediaDevices>(module.value().symbol(kMakeMediaDevicesSymbol));
  module_.emplace(std::move(module).value());
  devices_.reset(make(files_, codecs_));
  if (!devices_) {
    std::cerr << "quorlen: media cannot be played: " << kMediaModuleFile << " made no devices\n";
    return;
  }
  devices_->setOutputGain(musicGain_, soundGain_);
}

backends::MediaResult<std::unique_ptr<backends::MediaDevice>> LazyMediaDevices::open(
    backends::MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) {
  if (!tried_) load();
  if (devices_) return devices_->open(type, path, parentWindow);
  if (!files_.fileExists(path)) return backends::MediaError{backends::kMediaErrFileNotFound};
  return backends::MediaError{backends::kMediaErrInvalidFile};
}

void LazyMediaDevices::update() {
  if (devices_) devices_->update();
}

std::vector<VideoPicture> LazyMediaDevices::visibleVideos() const {
  return devices_ ? devices_->visibleVideos() : std::vector<VideoPicture>{};
}

std::optional<int> LazyMediaDevices::nextWakeMilliseconds() const {
  return devices_ ? devices_->nextWakeMilliseconds() : std::nullopt;
}

void LazyMediaDevices::setOutputGain(int music, int sound) {
  musicGain_ = music;
  soundGain_ = sound;
  if (devices_) devices_->setOutputGain(music, sound);
}

}  // namespace quorlen::sdl
