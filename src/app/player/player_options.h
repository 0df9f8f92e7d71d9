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
  bool displayChosen = false;  // --window or --fullscreen given: not the remembered choice
  std::optional<int> musicVolume;  // 0 to 100
  std::optional<int> soundVolume;
  bool mute = false;
  sdl::ScaleMode scale = sdl::ScaleMode::Fit;
  sdl::Filter filter = sdl::Filter::Linear;
  std::optional<std::string> script;
  bool help = false;
  bool version = false;
};

inline constexpr const char* kPlayerUsage =
    "usage: quorlen-player [GAME_FOLDER] [--window] [--fullscreen] [--scale fit|integer]\n"
    "                      [--filter nearest|linear] [--music-volume 0-100] [--sound-volume 0-100]\n"
    "                      [--mute] [--script FILE] [--help] [--version]\n";

// What --help says beyond the usage line.
inline constexpr const char* kPlayerKeys =
    "keys while playing:\n"
    "  F5              mute or unmute music and sound\n"
    "  F6 / F7         music softer / louder\n"
    "  F8 / F9         sound softer / louder\n"
    "  F11, Alt+Enter  full screen or a window\n"
    "  Esc, right click  show or hide the menu bar; F10 or Alt, then Left, Right, Enter: its entries\n"
    "the loudness, the mute, full screen and the window's size are remembered in\n"
    "$XDG_CONFIG_HOME/quorlen/settings.ini (default ~/.config)\n";

// Nothing when the line cannot be understood; `errors` then says why.
[[nodiscard]] std::optional<PlayerOptions> parsePlayerOptions(const std::vector<std::string>& arguments,
                                                              std::ostream& errors);

}  // namespace quorlen::player
