#pragma once
// The player's own procedures run on every data file of a game: every frame
// opened, every area clicked, every item dropped where a drop task file is
// for it, every combination made, every item picked up; each from a fresh
// state, with the messages the player shows written down.

#include <map>
#include <string>
#include <vector>

#include "app/checker/game_index.h"
#include "app/checker/game_session.h"

namespace quorlen::checker {

struct ProbeMessages {
  std::vector<ShownMessage> all;
  std::map<std::string, std::vector<ShownMessage>> byFrame;  // shown while the frame opened
};

[[nodiscard]] ProbeMessages probeGame(GameSession& session, const GameIndex& index);

}  // namespace quorlen::checker
