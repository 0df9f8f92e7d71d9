#pragma once
// What loading a picture or a cursor file answers the game: its size or
// hot spot from the file's header, or the error of reading it. The pixels
// are the backend's business.

#include <string>

#include "common/result.h"
#include "platform/file_system.h"
#include "platform/ui_types.h"

namespace quorlen::backends {

[[nodiscard]] Result<ui::Picture> loadPictureInfo(platform::FileSystem& files, const std::string& path);
[[nodiscard]] Result<ui::Pointer> loadCursorInfo(platform::FileSystem& files, const std::string& path);

}  // namespace quorlen::backends
