#pragma once
// The codecs module (media/codecs.h), loaded from the player's module
// folders when the media devices first need FFmpeg. When it cannot be
// loaded, one line says so on the standard error, once, and the devices
// refuse what needs it as a file they cannot play.

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "backends/sdl/media/codecs.h"
#include "backends/sdl/shared_module.h"

namespace quorlen::sdl {

class LazyCodecs final : public CodecsSource {
 public:
  explicit LazyCodecs(std::vector<std::filesystem::path> folders);
  ~LazyCodecs();
  LazyCodecs(const LazyCodecs&) = delete;
  LazyCodecs& operator=(const LazyCodecs&) = delete;

  [[nodiscard]] Codecs* codecs() override;

 private:
  std::vector<std::filesystem::path> folders_;
  bool tried_ = false;
  std::optional<SharedModule> module_;
  std::unique_ptr<Codecs> codecs_;  // made by the module, ended before it
};

}  // namespace quorlen::sdl
