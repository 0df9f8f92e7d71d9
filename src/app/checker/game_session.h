#pragma once
// The real game, played on the checker's machine: the program's own
// windows and procedures, started once, then put into any state of the game
// and given one input at a time.
//
// A state of the game is what a saved game keeps: the frame, the values of
// the variables, the disappeared areas and the held items in slot order.
// Everything else the game holds follows from these, or does not change
// what any later input can do (music, the place of the cut-scene box).

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/checker/checker_machine.h"
#include "startup/program.h"

namespace quorlen::checker {

struct GameState {
  std::string frame;
  std::vector<std::int16_t> values;                       // the variables, in store order
  std::vector<std::pair<std::string, std::int16_t>> gone;  // Disappear, in store order
  std::vector<std::string> items;                          // slot 1 up
  friend bool operator==(const GameState&, const GameState&) = default;
};

// One input the user can give.
struct Action {
  enum class Kind : std::uint8_t { Click, Drop, Combine, Wait };
  Kind kind = Kind::Click;
  std::int16_t a = 0;  // Click: the area; Drop, Combine: the dragged slot
  std::int16_t b = 0;  // Drop: the area; Combine: the target slot
  friend bool operator==(const Action&, const Action&) = default;
};

struct Outcome {
  Happenings happened;  // the action's own script line first
  bool ended = false;   // the game window closed: the game is over
};

class GameSession {
 public:
  explicit GameSession(const std::string& gameFolder);
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  // Starts the program and clicks "New game" on the welcome window; what
  // happens until the first frame is open.
  [[nodiscard]] Outcome startNewGame();
  [[nodiscard]] GameState state() const;
  // Puts the game into `state` the way loading a saved game does: nothing
  // it does is written down.
  void restore(const GameState& state);
  // The inputs the state allows: a click on each shown area, each held item
  // on each shown area that has a drop task file for it and on each other
  // held item that it combines with, and the frame timer.
  [[nodiscard]] std::vector<Action> actions();
  [[nodiscard]] Outcome perform(const Action& action);

  [[nodiscard]] Program& program() { return *program_; }
  [[nodiscard]] CheckerMachine& machine() { return machine_; }
  // The quorlen-run line that gives this input.
  [[nodiscard]] std::string scriptLine(const Action& action);

 private:
  [[nodiscard]] ui::Control* shownArea(int n) const;
  [[nodiscard]] std::string itemTag(int slot) const;

  CheckerMachine machine_;
  std::unique_ptr<Program> program_;
  bool frameOpen_ = false;  // the frame of the game's record has its controls
};

}  // namespace quorlen::checker
