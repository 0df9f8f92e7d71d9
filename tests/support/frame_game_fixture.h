#pragma once
// A loaded game window over the fake machine, showing the frame Hall of a
// game 640 x 480 pixels in /game. The areas, inventory and texts tests build
// on it. Its window system can let something happen while a message box
// shows (as the window system lets the frame timer fire then), and its file
// system can list folders.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_window.h"
#include "support/listing_file_system.h"
#include "platform/input_events.h"
#include "startup/program.h"
#include "support/fake_platform.h"

namespace quorlen::testing {

// The recording window system, with a hook that runs inside every message
// box before it is answered.
class HookedUi final : public ui::UserInterface {
 public:
  explicit HookedUi(fakes::RecordingUi& inner) : inner_(inner) {}

  std::function<void()> whileMessageShows;

  ui::WindowManager& windows() override { return inner_.windows(); }
  void runMainLoop() override { inner_.runMainLoop(); }
  ui::MsgBoxResult messageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                              const std::string& title) override {
    if (whileMessageShows) whileMessageShows();
    return inner_.messageBox(text, buttons, icon, title);
  }
  void doEvents() override { inner_.doEvents(); }
  void waitEvents(int timeoutMilliseconds) override { inner_.waitEvents(timeoutMilliseconds); }
  void waitElapsed(int milliseconds) override { inner_.waitElapsed(milliseconds); }
  [[noreturn]] void endProgram() override { inner_.endProgram(); }
  Result<ui::Picture> loadPicture(const std::string& path) override { return inner_.loadPicture(path); }
  Result<ui::Pointer> loadCursor(const std::string& path) override { return inner_.loadCursor(path); }

 private:
  fakes::RecordingUi& inner_;
};

class FrameGameTest : public ::testing::Test {
 protected:
  FrameGameTest() {
    ProgramState& state = program.state();
    state.paths = GamePaths{"/game/", "/game/Frames/", "/game/Areas/", "/game/Icons/", "/game/Config/"};
    state.project.GameTitle = "The Tale";
    state.project.GameWidth = 640;
    state.project.GameHeight = 480;
    game.window().load();
    game.ResetAll();
    state.frame.FrameName = "Hall";
    game.window().show();
  }

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

  // Presses a button on a control and releases it there, as the window
  // system delivers it.
  void press(ui::Control& on, ui::MouseButton button = ui::MouseButton::Left) {
    ui::WindowManager& manager = machine.ui.windows();
    const ui::Handle window = game.window().handle();
    manager.post(ui::PointerDown{window, on.handle(), 0, 0, button});
    manager.post(ui::PointerUp{window, 0, 0, button, on.handle()});
    manager.dispatchPending();
  }
  // Presses the left button on one control and releases it over another.
  void drag(ui::Control& from, ui::Control& to) {
    ui::WindowManager& manager = machine.ui.windows();
    const ui::Handle window = game.window().handle();
    manager.post(ui::PointerDown{window, from.handle(), 0, 0, ui::MouseButton::Left});
    manager.post(ui::PointerUp{window, 0, 0, ui::MouseButton::Left, to.handle()});
    manager.dispatchPending();
  }

  fakes::FakePlatform machine;
  HookedUi ui{machine.ui};
  fakes::ListingFileSystem files{machine.files};
  platform::Platform platform{ui, machine.media, machine.display, machine.settings, machine.shell, files,
                              machine.clock};
  Program program{platform};
  GameWindow& game = program.game();
};

}  // namespace quorlen::testing
