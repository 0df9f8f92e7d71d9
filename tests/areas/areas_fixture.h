#pragma once
// A loaded game window over the fake machine, for tests of the areas and
// their tasks. The game's folders are under /game; the frame on display is
// Hall. A test can let something happen while a message box shows, as the
// window system lets the frame timer fire then.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/game_window.h"
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

class AreasTest : public ::testing::Test {
 protected:
  AreasTest() {
    ProgramState& state = program.state();
    state.paths = GamePaths{"/game/", "/game/Frames/", "/game/Areas/", "/game/Icons/", "/game/Config/"};
    state.project.GameTitle = "The Tale";
    state.project.GameWidth = 640;
    state.project.GameHeight = 480;
    game.window().load();
    game.ResetAll();
    state.frame.FrameName = "Hall";
    game.window().show();
    game.Variables.Add("Lamp", 0);
  }

  void put(const std::string& path, const std::string& bytes) { machine.files.files[path] = bytes; }
  void putArea(int n, const std::string& bytes) { put("/game/Areas/Hall/" + std::to_string(n) + "a.dat", bytes); }
  void putTask(int n, const std::string& bytes) { put("/game/Areas/Hall/" + std::to_string(n) + "b.dat", bytes); }
  // A plain area of the frame Hall, shown without conditions.
  void putPlainArea(int n) { putArea(n, "0,0,900,900,#FALSE#,#FALSE#,\"\",0,\"\",0\r\n"); }
  void setAreasCount(std::int16_t count) { program.state().frame.AreasCount = count; }

  // A file of tests/data/malformed/areas.
  static std::string malformed(const std::string& name) {
    const auto path = std::filesystem::path(QUORLEN_TEST_DATA) / "malformed" / "areas" / name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "the test file " << path << " is there";
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  [[nodiscard]] ui::Control* area(int n) const { return game.window().element("Area", n); }
  [[nodiscard]] std::vector<std::string> messageTexts() const {
    std::vector<std::string> out;
    for (const fakes::ShownMessage& m : machine.ui.messages) out.push_back(m.text);
    return out;
  }
  // Presses a button on a control, as the window system delivers it.
  void press(ui::Control& on, ui::MouseButton button = ui::MouseButton::Left) {
    ui::WindowManager& manager = machine.ui.windows();
    const ui::Handle window = game.window().handle();
    manager.post(ui::PointerDown{window, on.handle(), 0, 0, button});
    manager.post(ui::PointerUp{window, 0, 0, button, on.handle()});
    manager.dispatchPending();
  }

  fakes::FakePlatform machine;
  HookedUi ui{machine.ui};
  platform::Platform platform{
      ui, machine.media, machine.display, machine.settings, machine.shell, machine.files, machine.clock};
  Program program{platform};
  GameWindow& game = program.game();
};

inline const std::string kLoadMessage1 =
    "Unable to load all the 1 frame area(s). The game may not work properly. Press 'Esc' and then click 'Exit' to "
    "quit the game.";
inline const std::string kPassMessage = "Unable to load areas information.";
inline const std::string kTaskMessage =
    "Unable to complete area task. The game may not work properly. Press 'Esc' and then click 'Exit' to quit the "
    "game.";

}  // namespace quorlen::testing
