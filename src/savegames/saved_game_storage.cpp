#include "savegames/saved_game_storage.h"

#include <algorithm>

#include "common/program_state.h"
#include "platform/file_system.h"

namespace quorlen {

std::string savedGamePath(const GamePaths& paths, const std::string& name) {
  return paths.GameFolder + name + ".sav";
}

bool isPlainSavedGameName(std::string_view name) {
  if (name.find_first_of("/\\:") != std::string_view::npos) return false;
  return std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

Result<void> storeSavedGame(platform::FileSystem& files, const std::string& path, std::string_view bytes) {
  return files.replaceContent(path, bytes);
}

}  // namespace quorlen
