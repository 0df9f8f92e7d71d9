#pragma once
// The game that quorlen-player plays when it is given no folder.

#include <string>
#include <string_view>

namespace quorlen::player {

// The program's own folder when it holds a game (its Config/General file);
// otherwise, as for a player installed in a bin/ folder, the demo game at
// `demoFromProgram` relative to the program's folder when that holds one;
// otherwise the program's own folder, so that start-up reports the missing
// game as usual.
[[nodiscard]] std::string defaultGameFolder(const std::string& programFolder, std::string_view demoFromProgram);

// The demo game's place relative to the installed programs, fixed when the
// player is built (for example ../share/quorlen/games/demo).
[[nodiscard]] std::string_view installedDemoFromProgram();

}  // namespace quorlen::player
