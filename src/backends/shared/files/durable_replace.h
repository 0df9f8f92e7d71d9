#pragma once
// Replacing a file of the game folder with new content, safely against a
// hostile folder and a power cut: the content goes into a pending file
// created afresh under a unique name beside the target (never an existing
// file, never through a link), is flushed to disk, and only then renamed
// over the target; the folder is flushed after the rename. A target that
// exists but is not a plain file (a link, a FIFO, a folder) is never
// replaced. On any failure the old file is left whole and no pending file
// stays.

#include <string>
#include <string_view>

#include "common/result.h"

namespace quorlen::backends {

// `target` is a path on disk (already resolved).
[[nodiscard]] Result<void> replaceDurably(const std::string& target, std::string_view bytes);

// Whether `name` is a pending file that replaceDurably makes (or a killed
// player left): "<name>.new-" and six letters or digits. Such files are no
// game's files and no list shows them.
[[nodiscard]] bool isPendingFileName(std::string_view name);

}  // namespace quorlen::backends
