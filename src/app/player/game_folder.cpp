#include "app/player/game_folder.h"

#include <filesystem>

#include "backends/shared/files/disk_file_system.h"

#ifndef QUORLEN_DEMO_FROM_PROGRAM
#define QUORLEN_DEMO_FROM_PROGRAM "../share/quorlen/games/demo"
#endif

namespace quorlen::player {

namespace {
// Looked up as start-up looks it up, whatever the letter case on disk.
bool holdsGame(const std::string& folder) {
  backends::DiskFileSystem files(folder);
  return files.fileExists(folder + "/Config/General");
}
}  // namespace

std::string defaultGameFolder(const std::string& programFolder, std::string_view demoFromProgram) {
  if (holdsGame(programFolder)) return programFolder;
  const std::string demo =
      (std::filesystem::path(programFolder) / std::filesystem::path(demoFromProgram)).lexically_normal().string();
  if (holdsGame(demo)) return demo;
  return programFolder;
}

std::string_view installedDemoFromProgram() { return QUORLEN_DEMO_FROM_PROGRAM; }

}  // namespace quorlen::player
