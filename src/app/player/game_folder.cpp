#include "app/player/game_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "backends/shared/files/disk_file_system.h"

#ifndef QUORLEN_DEMO_FROM_PROGRAM
#define QUORLEN_DEMO_FROM_PROGRAM "../share/quorlen/games/demo"
#endif

namespace quorlen::player {

namespace fs = std::filesystem;

namespace {
// Looked up as start-up looks it up, whatever the letter case on disk.
bool holdsGame(const std::string& folder) {
  backends::DiskFileSystem files(folder);
  return files.fileExists(folder + "/Config/General");
}

// Files newer in the installed demo replace the copy's; the copy's own
// files (its saved games) stay.
std::string playableCopy(const std::string& installed, const std::string& userData) {
  if (userData.empty()) return installed;
  const fs::path copy = fs::path(userData) / "quorlen" / "games" / "demo";
  std::error_code error;
  fs::create_directories(copy, error);
  if (!error) {
    fs::copy(installed, copy, fs::copy_options::recursive | fs::copy_options::update_existing, error);
  }
  if (error || !holdsGame(copy.string())) return installed;
  return copy.string();
}
}  // namespace

std::string defaultGameFolder(const std::string& programFolder, std::string_view demoFromProgram,
                              const std::string& userDataFolder) {
  if (holdsGame(programFolder)) return programFolder;
  const std::string demo = (fs::path(programFolder) / fs::path(demoFromProgram)).lexically_normal().string();
  if (holdsGame(demo)) return playableCopy(demo, userDataFolder);
  return programFolder;
}

std::string_view installedDemoFromProgram() { return QUORLEN_DEMO_FROM_PROGRAM; }

std::string userDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') return xdg;
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return (fs::path(home) / ".local" / "share").string();
  }
  return {};
}

}  // namespace quorlen::player
