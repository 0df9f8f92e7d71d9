#pragma once
// Where saved games live and how one is put on disk: a file of the game
// folder named after the name the player typed, with ".sav" added.

#include <string>
#include <string_view>

#include "common/result.h"

namespace quorlen {

namespace platform {
class FileSystem;
}
struct GamePaths;

// GameFolder + name + ".sav".
[[nodiscard]] std::string savedGamePath(const GamePaths& paths, const std::string& name);

// A name that stays a plain file name of the game folder: no folder
// separator ('/' or '\') and no drive (':'), so that no saved game is ever
// written outside the game folder; and no control character (below a
// blank), which file names may not hold and a NUL would cut the path short
// at, naming another file than the one asked for.
[[nodiscard]] bool isPlainSavedGameName(std::string_view name);

// The file the new content is written to before it takes the saved game's
// place.
[[nodiscard]] std::string pendingSavePath(const std::string& path);

// Writes `bytes` as the file at `path` without ever losing the file that
// was there: the content goes into the pending file first, which takes the
// old file's place only once it is complete. On any failure the old file is
// left as it was and the pending file is removed.
[[nodiscard]] Result<void> storeSavedGame(platform::FileSystem& files, const std::string& path,
                                          std::string_view bytes);

}  // namespace quorlen
