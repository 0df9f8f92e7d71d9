#include "startup/program.h"

namespace quorlen {

Program::Program(platform::Platform& platform)
    : platform_(platform),
      players_(platform.media, platform.clock, platform.ui, state_.project.GameTitle),
      welcome_(*this),
      game_(*this),
      loadGame_(*this),
      saveGame_(*this) {}

void Program::start() { welcome_.window().show(); }

void Program::run() {
  start();
  platform_.ui.runMainLoop();
}

}  // namespace quorlen
