#pragma once
// A game context over the fake machine, with the paths of a game in /game.

#include "common/game_context.h"
#include "common/program_state.h"
#include "media/media_players.h"
#include "support/fake_platform.h"

namespace quorlen::fakes {

struct FakeGame {
  FakeGame() {
    state.paths = GamePaths{"/game/", "/game/Frames/", "/game/Areas/", "/game/Icons/", "/game/Config/"};
    state.project.GameTitle = "The Tale";
  }
  FakePlatform machine;
  ProgramState state;
  MediaPlayers players{machine.media, machine.clock, machine.ui, state.project.GameTitle};
  GameContext context{machine.platform, state, players};

  void put(const std::string& path, const std::string& bytes) { machine.files.files[path] = bytes; }
  [[nodiscard]] const std::vector<ShownMessage>& messages() const { return machine.ui.messages; }
};

}  // namespace quorlen::fakes
