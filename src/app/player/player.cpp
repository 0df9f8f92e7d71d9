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

int playerMain(const std::vector<std::string>& arguments, std::ostream& output, std::ostream& errors) {
  const auto options = parsePlayerOptions(arguments, errors);
  if (!options) {
    errors << kPlayerUsage;
    return kPlayerFault;
  }
  if (options->help) {
    output << kPlayerUsage;
    return kPlayerDone;
  }
  if (options->version) {
    output << "quorlen-player " << QUORLEN_VERSION << "\n";
    return kPlayerDone;
  }
  const std::string folder = options->gameFolder
                                 ? *options->gameFolder
                                 : defaultGameFolder(programFolder(), installedDemoFromProgram(), userDataFolder());
  try {
    if (options->script) return replay(folder, *options, output, errors);
    return play(folder, *options);
  } catch (const std::exception& e) {
    errors << "quorlen-player: " << e.what() << "\n";
    return kPlayerFault;
  }
}

}  // namespace quorlen::player
