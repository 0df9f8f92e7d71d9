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

// Writes `bytes` as the file at `path` without ever losing the file that
// was there (FileSystem::replaceContent): the content goes into a pending
// file first, which takes the old file's place only once it is complete and
// on disk. On any failure the old file is left as it was and no pending
// file stays; a saved game that is not a plain file (a link, a folder) is
// never replaced.
[[nodiscard]] Result<void> storeSavedGame(platform::FileSystem& files, const std::string& path,
                                          std::string_view bytes);

}  // namespace quorlen
