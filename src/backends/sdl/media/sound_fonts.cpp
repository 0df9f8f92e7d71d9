#include "backends/sdl/media/sound_fonts.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace quorlen::sdl {
namespace {

// The system's chosen General MIDI fonts first (Debian keeps them as
// alternatives), then the fonts its packages install.
constexpr std::array<std::string_view, 6> kKnownFonts = {
    "/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf3/FluidR3_GM.sf3",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf3/MuseScore_General.sf3",
};
constexpr std::array<std::string_view, 2> kFontFolders = {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3"};

bool isFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool anyIsFile(std::string_view list) {
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    const std::string_view path = list.substr(0, colon);
    if (!path.empty() && isFile(std::filesystem::path(path))) return true;
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
  return false;
}

// The first font file of the system's font folders, by name.
std::string anyInstalledFont() {
  for (const std::string_view folder : kFontFolders) {
    std::error_code error;
    std::vector<std::string> found;
    for (std::filesystem::directory_iterator it(std::filesystem::path(folder), error), end; !error && it != end;
         it.increment(error)) {
      const std::string extension = it->path().extension().string();
      if ((extension == ".sf2" || extension == ".sf3") && isFile(it->path())) found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end());
    if (!found.empty()) return found.front();
  }
  return {};
}

}  // namespace

void chooseMidiSoundFonts() {
  // SDL_mixer may prefer its built-in list to the environment; the user's
  // choice is made explicit so that it always counts.
  const char* user = SDL_getenv("SDL_SOUNDFONTS");
  if (user != nullptr && *user != '\0') {
    Mix_SetSoundFonts(user);
    return;
  }
  if (haveMidiSoundFont()) return;
  for (const std::string_view font : kKnownFonts) {
    if (isFile(std::filesystem::path(font))) {
      Mix_SetSoundFonts(std::string(font).c_str());
      return;
    }
  }
  const std::string installed = anyInstalledFont();
  if (!installed.empty()) Mix_SetSoundFonts(installed.c_str());
}

bool haveMidiSoundFont() { return anyIsFile(midiSoundFonts()); }

std::string midiSoundFonts() {
  const char* fonts = Mix_GetSoundFonts();
  return fonts == nullptr ? std::string{} : std::string(fonts);
}

}  // namespace quorlen::sdl
