#pragma once
// The command line of quorlen-player.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "backends/sdl/canvas.h"
#include "backends/sdl/screen_mapping.h"

namespace quorlen::player {

struct PlayerOptions {
  std::optional<std::string> gameFolder;  // none: the program's own folder
  bool fullscreen = true;
  sdl::ScaleMode scale = sdl::ScaleMode::Fit;
  sdl::Filter filter = sdl::Filter::Linear;
  std::optional<std::string> script;
  bool help = false;
  bool version = false;
};

inline constexpr const char* kPlayerUsage =
    "usage: quorlen-player [GAME_FOLDER] [--window] [--fullscreen] [--scale fit|integer]\n"
    "                      [--filter nearest|linear] [--script FILE] [--help] [--version]\n";

// Nothing when the line cannot be understood; `errors` then says why.
[[nodiscard]] std::optional<PlayerOptions> parsePlayerOptions(const std::vector<std::string>& arguments,
                                                              std::ostream& errors);

}  // namespace quorlen::player
