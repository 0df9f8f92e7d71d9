#pragma once
// The checks of a game folder: what is missing, what cannot be read, what
// can never happen; and, when asked, the search for the ways through it.

#include <optional>
#include <string>
#include <vector>

#include "app/checker/solver.h"

namespace quorlen::checker {

struct Finding {
  enum class Level { Warning, Error };
  Level level = Level::Warning;
  std::string check;          // a short name: "missing-file", "unreadable", ...
  std::string file;           // relative to the game folder
  std::string field;          // "field 7 (duration)", or empty
  std::string text;           // what is wrong, for people
  std::string playerMessage;  // the message the player shows for it, if any
  std::vector<std::string> way;  // a script that leads to it, if any
};

struct CheckReport {
  std::string gameFolder;
  std::vector<Finding> findings;
  std::optional<SolveResult> solve;
};

[[nodiscard]] CheckReport checkGame(const std::string& gameFolder, const std::optional<SolveOptions>& solveOptions);

}  // namespace quorlen::checker
