#pragma once
// Whether a picture, cursor, sound, music or video file can be shown or
// played, judged by its header through the readers both players share (the
// desktop player's decoders are not used, so that the checker needs no SDL).

#include <string>

#include "app/checker/game_index.h"
#include "platform/file_system.h"

namespace quorlen::checker {

// Why the file cannot be shown or played; empty when its header is right
// (or when the file is missing, which is reported on its own).
[[nodiscard]] std::string whyNotPlayable(platform::FileSystem& files, const NamedFile& file);

}  // namespace quorlen::checker
