#include "app/player/player.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include <SDL.h>

#include "app/player/game_folder.h"
#include "app/player/machines.h"
#include "app/runner/state_dump.h"
#include "startup/program.h"

namespace quorlen::player {

namespace {
int play(const std::string& folder, const PlayerOptions& options) {
  DesktopMachine machine(folder, options);
  Program program(machine.platform());
  try {
    program.run();
  } catch (const ui::ProgramEnded&) {
  }
  return kPlayerDone;
}

int replay(const std::string& folder, const PlayerOptions& options, std::ostream& output, std::ostream& errors) {
  std::ifstream script(*options.script, std::ios::binary);
  if (!script) {
    errors << "quorlen-player: cannot read " << *options.script << "\n";
    return kPlayerFault;
  }
  ScriptedMachine machine(folder, options, script, output);
  Program program(machine.platform());
  machine.drive(ScriptDriver::Hooks{
      [&machine](const std::optional<std::string>& word) { machine.endMedia(word); },
      [&program] { return dumpState(program).dump(); },
  });
  try {
    program.run();
  } catch (const ui::ProgramEnded&) {
    return kPlayerDone;
  } catch (const ScriptStopped&) {
    return kPlayerScriptError;
  }
  return kPlayerDone;
}
}  // namespace

std::string programFolder() {
  // SDL asks each system in its own way (/proc/self/exe on Linux, the
  // executable's path on macOS and Windows); it answers with a separator at
  // the end, which parent_path drops.
  char* base = SDL_GetBasePath();
  if (base == nullptr) return ".";
  const std::filesystem::path folder(base);
  SDL_free(base);
  return folder.parent_path().string();
}

std::optional<int> checkGameFolder(const std::string& folder, std::ostream& errors) {
  std::error_code ec;
  const auto status = std::filesystem::status(folder, ec);
  if (!std::filesystem::exists(status)) {
    errors << "quorlen-player: no game folder " << folder << ": it does not exist\n";
    return kPlayerNoGameFolder;
  }
  if (!std::filesystem::is_directory(status)) {
    errors << "quorlen-player: no game folder " << folder << ": it is not a folder\n";
    return kPlayerNoGameFolder;
  }
  backends::DiskFileSystem files(folder);
  const std::string general = folder + "/Config/General";
  if (!files.readFile(general)) errors << "quorlen-player: cannot read the project information " << files.resolve(general) << "\n";
  return std::nullopt;
}

int playerMain(const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors) {
  const auto options = parsePlayerOptions(arguments, errors);
  if (!options) {
    errors << kPlayerUsage;
    return kPlayerFault;
  }
  if (options->help) {
    output << kPlayerUsage << kPlayerKeys;
    return kPlayerDone;
  }
  if (options->version) {
    output << "quorlen-player " << QUORLEN_VERSION << "\n";
    return kPlayerDone;
  }
  const std::string folder = options->gameFolder
                                 ? *options->gameFolder
                                 : defaultGameFolder(programFolder(), installedDemoFromProgram(), userDataFolder());
  if (options->gameFolder) {
    if (auto refused = checkGameFolder(folder, errors)) return *refused;
  }
  try {
    if (options->script) return replay(folder, *options, output, errors);
    return play(folder, *options);
  } catch (const std::exception& e) {
    errors << "quorlen-player: " << e.what() << "\n";
    return kPlayerFault;
  }
}

}  // namespace quorlen::player
