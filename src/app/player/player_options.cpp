#include "app/player/player_options.h"

namespace quorlen::player {

std::optional<PlayerOptions> parsePlayerOptions(const std::vector<std::string>& arguments, std::ostream& errors) {
  PlayerOptions o;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= arguments.size()) return std::nullopt;
      return arguments[++i];
    };
    if (a == "--help") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--window") {
      o.fullscreen = false;
      o.displayChosen = true;
    } else if (a == "--fullscreen") {
      o.fullscreen = true;
      o.displayChosen = true;
    } else if (a == "--mute") {
      o.mute = true;
    } else if (a == "--music-volume" || a == "--sound-volume") {
      const auto v = value();
      int volume = -1;
      if (v && !v->empty() && v->size() <= 3 && v->find_first_not_of("0123456789") == std::string::npos) volume = std::stoi(*v);
      if (volume < 0 || volume > 100) {
        errors << "quorlen-player: " << a << " needs a number from 0 to 100\n";
        return std::nullopt;
      }
      (a == "--music-volume" ? o.musicVolume : o.soundVolume) = volume;
    } else if (a == "--scale") {
      auto v = value();
      if (v == "fit") {
        o.scale = sdl::ScaleMode::Fit;
      } else if (v == "integer") {
        o.scale = sdl::ScaleMode::Integer;
      } else {
        errors << "quorlen-player: --scale needs fit or integer\n";
        return std::nullopt;
      }
    } else if (a == "--filter") {
      auto v = value();
      if (v == "nearest") {
        o.filter = sdl::Filter::Nearest;
      } else if (v == "linear") {
        o.filter = sdl::Filter::Linear;
      } else {
        errors << "quorlen-player: --filter needs nearest or linear\n";
        return std::nullopt;
      }
    } else if (a == "--script") {
      auto v = value();
      if (!v) {
        errors << "quorlen-player: --script needs a file\n";
        return std::nullopt;
      }
      o.script = *v;
    } else if (a.size() > 1 && a[0] == '-') {
      errors << "quorlen-player: unknown option " << a << "\n";
      return std::nullopt;
    } else if (o.gameFolder) {
      errors << "quorlen-player: one game folder only\n";
      return std::nullopt;
    } else {
      o.gameFolder = a;
    }
  }
  return o;
}

}  // namespace quorlen::player
