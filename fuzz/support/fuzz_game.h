#pragma once
// A game in /game on the recording machine of the unit tests, showing the
// frame Hall of a 640 x 480 game, for the fuzz targets of the game's file
// readers. Each input gets a new game: the target puts the input where one
// reader looks for its file, then runs the procedure that reads it.

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_window.h"
#include "platform/ui_types.h"
#include "startup/program.h"
#include "support/fake_platform.h"
#include "support/hall_game.h"
#include "support/listing_file_system.h"

namespace quorlen::fuzzing {

// Media whose every device has stopped at once: the wait for a video ends.
class StoppedMedia final : public platform::MediaControl {
 public:
  platform::MediaReply sendString(std::string_view command, std::size_t) override {
    if (command.size() >= 6 && (command.substr(0, 6) == "status" || command.substr(0, 6) == "Status")) {
      return {0, "stopped"};
    }
    return {};
  }
};

class FuzzGame {
 public:
  FuzzGame() { testing::showHallGame(program); }

  void put(const std::string& path, std::string bytes) { machine.files.files[path] = std::move(bytes); }
  void putPicture(const std::string& path) { machine.ui.pictures[path] = ui::Picture{path, 32, 32}; }
  // An item whose file names the icon NAME.bmp, which is there.
  void defineItem(const std::string& name) {
    put("/game/Areas/" + name + ".obj", "\"" + name + ".bmp\"\r\n");
    putPicture("/game/Areas/" + name + ".bmp");
  }
  // Runs a procedure of the game; the end of the program (a task may end
  // the game) is one of its outcomes.
  template <typename Procedure>
  void run(Procedure&& procedure) {
    try {
      procedure();
    } catch (const ui::ProgramEnded&) {
    }
  }

  fakes::FakePlatform machine;
  fakes::ListingFileSystem files{machine.files};
  StoppedMedia media;
  platform::Platform platform{machine.ui, media, machine.display, machine.settings, machine.shell, files,
                              machine.clock};
  Program program{platform};
  GameWindow& game = program.game();
};

inline std::string bytesOf(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace quorlen::fuzzing
