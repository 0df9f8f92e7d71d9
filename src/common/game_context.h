#pragma once
// What every procedure of the game reaches: the machine and the
// program-wide state.

namespace quorlen {

namespace platform {
struct Platform;
}
struct ProgramState;
class MediaPlayers;

struct GameContext {
  platform::Platform& platform;
  ProgramState& state;
  MediaPlayers& players;
};

}  // namespace quorlen
