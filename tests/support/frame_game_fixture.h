#pragma once
// A loaded game window over the fake machine, showing the frame Hall of a
// game 640 x 480 pixels in /game. The areas, inventory and texts tests build
// on it. Its file system can list folders.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/game_window.h"
#include "support/hall_game.h"
#include "support/listing_file_system.h"
#include "platform/input_events.h"
#include "startup/program.h"
#include "support/fake_platform.h"

namespace quorlen::testing {

class FrameGameTest : public ::testing::Test {
 protected:
  FrameGameTest() { showHallGame(program); }

  void put(const std::string& path, const std::string& bytes) { machine.files.files[path] = bytes; }
  void putPicture(const std::string& path, int width = 32, int height = 32) {
    machine.ui.pictures[path] = ui::Picture{path, width, height};
  }

  // A file of tests/data/malformed/FOLDER.
  static std::string malformed(const std::string& folder, const std::string& name) {
    const auto path = std::filesystem::path(QUORLEN_TEST_DATA) / "malformed" / folder / name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "the test file " << path << " is there";
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  [[nodiscard]] ui::Control* area(int n) const { return game.window().element("Area", n); }
  [[nodiscard]] ui::Control* item(int slot) const { return game.window().element("PickedObject", slot); }
  [[nodiscard]] ui::Control* text(int index) const { return game.window().element("Text", index); }
  [[nodiscard]] std::vector<std::string> messageTexts() const {
    std::vector<std::string> out;
    for (const fakes::ShownMessage& m : machine.ui.messages) out.push_back(m.text);
    return out;
  }

  // Presses a button on one control and releases it over another, as the
  // window system delivers it.
  void drag(ui::Control& from, ui::Control& to, ui::MouseButton button = ui::MouseButton::Left) {
    ui::WindowManager& manager = machine.ui.windows();
    const ui::Handle window = game.window().handle();
    manager.post(ui::PointerDown{window, from.handle(), 0, 0, button});
    manager.post(ui::PointerUp{window, 0, 0, button, to.handle()});
    manager.dispatchPending();
  }
  void press(ui::Control& on, ui::MouseButton button = ui::MouseButton::Left) { drag(on, on, button); }

  fakes::FakePlatform machine;
  fakes::ListingFileSystem files{machine.files};
  platform::Platform platform{machine.ui, machine.media, machine.display, machine.settings, machine.shell, files,
                              machine.clock};
  Program program{platform};
  GameWindow& game = program.game();
};

}  // namespace quorlen::testing
