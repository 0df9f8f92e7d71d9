#pragma once
// The desktop's media devices, loaded from their module when the game
// first opens a media file, so that the player starts without mapping
// SDL_mixer and the many libraries it brings; FFmpeg, with many more, is
// loaded by the devices only when they first need it (lazy_codecs.h).
//
// When the module cannot be loaded, one line says so on the standard error
// and every open fails as it does for a file that cannot be played: a
// missing file with kMediaErrFileNotFound, any other with
// kMediaErrInvalidFile. The pump then has nothing to do. Without the codecs
// module, videos and the waves only FFmpeg decodes fail in the same way.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "backends/sdl/desktop_media.h"
#include "backends/sdl/lazy_codecs.h"
#include "backends/sdl/shared_module.h"

namespace quorlen::sdl {

class LazyMediaDevices final : public DesktopMediaDevices {
 public:
  // The modules are looked for in `folders` (moduleFolders() for the player).
  LazyMediaDevices(platform::FileSystem& files, std::vector<std::filesystem::path> folders);
  ~LazyMediaDevices() override;
  LazyMediaDevices(const LazyMediaDevices&) = delete;
  LazyMediaDevices& operator=(const LazyMediaDevices&) = delete;

  [[nodiscard]] backends::MediaResult<std::unique_ptr<backends::MediaDevice>> open(
      backends::MediaDeviceType type, const std::string& path, std::optional<std::uint64_t> parentWindow) override;
  void update() override;
  [[nodiscard]] std::vector<VideoPicture> visibleVideos() const override;
  [[nodiscard]] std::optional<int> nextWakeMilliseconds() const override;
  void setOutputGain(int music, int sound) override;

  // Whether the module is loaded (it is after the first open, unless it
  // could not be).
  [[nodiscard]] bool loaded() const { return devices_ != nullptr; }

 private:
  void load();

  platform::FileSystem& files_;
  std::vector<std::filesystem::path> folders_;
  bool tried_ = false;
  int musicGain_ = 128;
  int soundGain_ = 128;
  LazyCodecs codecs_;  // ended after the devices that use it
  std::optional<SharedModule> module_;
  std::unique_ptr<DesktopMediaDevices> devices_;  // made by the module, ended before it
};

}  // namespace quorlen::sdl
