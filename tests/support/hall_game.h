#pragma once
// The game that the frame-game tests and the fuzz targets play: 640 x 480
// pixels in /game, its window loaded and reset, showing the frame Hall.

#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen::testing {

inline void showHallGame(Program& program) {
  ProgramState& state = program.state();
  state.paths = GamePaths{"/game/", "/game/Frames/", "/game/Areas/", "/game/Icons/", "/game/Config/"};
  state.project.GameTitle = "The Tale";
  state.project.GameWidth = 640;
  state.project.GameHeight = 480;
  GameWindow& game = program.game();
  game.window().load();
  game.ResetAll();
  state.frame.FrameName = "Hall";
  game.window().show();
}

}  // namespace quorlen::testing
