#pragma once
// quorlen-player: plays a game folder on the desktop, or replays a script
// through the desktop's real input path, printing the runner's transcript.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorlen::player {

inline constexpr int kPlayerDone = 0;
inline constexpr int kPlayerFault = 1;
inline constexpr int kPlayerScriptError = 2;
inline constexpr int kPlayerNoGameFolder = 2;

// The whole program; answers the exit status.
int playerMain(const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors);

// Checks a game folder named on the command line: one that is not there or
// is not a folder is refused (an error line, then kPlayerNoGameFolder); a
// folder whose project information cannot be read is played, with a line
// on `errors` naming that file.
[[nodiscard]] std::optional<int> checkGameFolder(const std::string& folder, std::ostream& errors);

// The folder that holds the running program.
[[nodiscard]] std::string programFolder();

}  // namespace quorlen::player
