#pragma once
// The search for the ways through a game: breadth first over its states,
// through every input each state allows, so that the first way found to
// anything is a shortest one (in inputs).

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/checker/game_session.h"

namespace quorlen::checker {

// A way from the welcome window: the quorlen-run script that gives it and
// one line for people per input.
struct Way {
  std::vector<std::string> script;
  std::vector<std::string> steps;
};

struct GameEnd {
  std::string frame;   // where the game ended
  std::string how;     // the input that ended it
  Way way;
};

struct DeadEnd {
  std::string frame;
  std::vector<std::string> items;  // what is held there
  std::string fatalInput;          // the input that led into it
  Way way;                         // the shortest way into it
};

struct MessageMet {
  ShownMessage message;
  Way way;  // a shortest way to it
};

struct SolveOptions {
  std::uint32_t maxStates = 1000000;
  std::size_t mostDeadEnds = 10;
  // Called about once a second while the search runs.
  std::function<void(std::uint32_t states, std::uint32_t explored, double perSecond)> progress;
};

struct SolveResult {
  bool complete = false;  // every reachable state was explored
  std::uint32_t states = 0;
  std::uint64_t inputs = 0;  // inputs given
  double seconds = 0;
  std::size_t memoryBytes = 0;
  std::vector<GameEnd> ends;
  std::vector<DeadEnd> deadEnds;
  std::size_t deadStates = 0;
  std::vector<MessageMet> messages;  // each exclamation message once
  std::set<std::pair<std::string, int>> shownAreas;  // (frame, area) shown in some state
  std::set<std::string> framesReached;
  std::optional<std::string> fault;  // the game stopped the search
};

[[nodiscard]] SolveResult solve(const std::string& gameFolder, const SolveOptions& options);

}  // namespace quorlen::checker
