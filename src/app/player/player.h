#pragma once
// quorlen-player: plays a game folder on the desktop, or replays a script
// through the desktop's real input path, printing the runner's transcript.

#include <ostream>
#include <string>
#include <vector>

namespace quorlen::player {

inline constexpr int kPlayerDone = 0;
inline constexpr int kPlayerFault = 1;
inline constexpr int kPlayerScriptError = 2;

// The whole program; answers the exit status.
int playerMain(const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors);

// The folder that holds the running program.
[[nodiscard]] std::string programFolder();

}  // namespace quorlen::player
