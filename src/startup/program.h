#pragma once
// The program: the machine it runs on, the program-wide state, the media
// players and its four windows. One instance lives for the whole run.

#include "common/game_context.h"
#include "common/program_state.h"
#include "engine/game_window.h"
#include "media/media_players.h"
#include "platform/platform.h"
#include "platform/window_manager.h"
#include "savegames/load_game_window.h"
#include "savegames/save_game_window.h"
#include "startup/welcome_window.h"

namespace quorlen {

class Program {
 public:
  explicit Program(platform::Platform& platform);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Loads and shows the welcome window (its load does the start-up work),
  // then runs the main loop until the program ends.
  void run();
  // The start alone, for callers that drive the loop themselves.
  void start();

  [[nodiscard]] platform::Platform& platform() const { return platform_; }
  [[nodiscard]] ui::WindowManager& windows() { return platform_.ui.windows(); }
  [[nodiscard]] ProgramState& state() { return state_; }
  [[nodiscard]] const ProgramState& state() const { return state_; }
  [[nodiscard]] MediaPlayers& players() { return players_; }
  [[nodiscard]] const MediaPlayers& players() const { return players_; }
  [[nodiscard]] GameContext context() { return GameContext{platform_, state_, players_}; }

  [[nodiscard]] WelcomeWindow& welcome() { return welcome_; }
  [[nodiscard]] GameWindow& game() { return game_; }
  [[nodiscard]] LoadGameWindow& loadGame() { return loadGame_; }
  [[nodiscard]] SaveGameWindow& saveGame() { return saveGame_; }
  [[nodiscard]] const WelcomeWindow& welcome() const { return welcome_; }
  [[nodiscard]] const GameWindow& game() const { return game_; }
  [[nodiscard]] const LoadGameWindow& loadGame() const { return loadGame_; }
  [[nodiscard]] const SaveGameWindow& saveGame() const { return saveGame_; }

 private:
  platform::Platform& platform_;
  ProgramState state_;
  MediaPlayers players_;
  WelcomeWindow welcome_;
  GameWindow game_;
  LoadGameWindow loadGame_;
  SaveGameWindow saveGame_;
};

}  // namespace quorlen
