#pragma once
// The game that quorlen-player plays when it is given no folder.

#include <string>
#include <string_view>

namespace quorlen::player {

// The program's own folder when it holds a game (its Config/General file).
// Otherwise, as for a player installed in a bin/ folder, the demo game at
// `demoFromProgram` relative to the program's folder, when that holds one:
// played from a copy in `userDataFolder` (quorlen/games/demo in it), since
// saved games are written into the game folder and the installed one is
// usually read-only. The copy is brought up to date at every start and keeps
// its saved games; without a user data folder (empty), or when copying
// fails, the installed demo itself. Otherwise the program's own folder, so
// that start-up reports the missing game as usual.
[[nodiscard]] std::string defaultGameFolder(const std::string& programFolder, std::string_view demoFromProgram,
                                            const std::string& userDataFolder);

// The demo game's place relative to the installed programs, fixed when the
// player is built (for example ../share/quorlen/games/demo).
[[nodiscard]] std::string_view installedDemoFromProgram();

// $XDG_DATA_HOME, or ~/.local/share; empty when neither is known.
[[nodiscard]] std::string userDataFolder();

}  // namespace quorlen::player
