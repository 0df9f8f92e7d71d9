#pragma once
// Reading one file of an untrusted folder: only a plain file is read, its
// opening never waits (a FIFO or a device named as a game file is refused,
// not opened for good), and a file over the limit is not read at all.

#include <cstddef>
#include <string>

#include "common/result.h"

namespace quorlen::backends {

// The whole file at `path` (a path on disk, already resolved), read with one
// open and reads into a buffer of the file's size. A missing file, anything
// that is not a plain file (FIFO, device, socket) and a file of more than
// `limit` bytes fail with NotFound; a folder or a failed read with
// Unreadable.
[[nodiscard]] Result<std::string> readPlainFile(const std::string& path, std::size_t limit);

}  // namespace quorlen::backends
