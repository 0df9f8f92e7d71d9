// The bundled demo game as a newcomer first sees it: its welcome window,
// the load window, the shore after the story slides with its texts and a
// message, and the shore again with two items in the inventory. Compared
// with references like the other screenshots; QUORLEN_DOCS_SCREENSHOTS=
// FOLDER writes the pictures the documentation shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "offscreen_machine.h"
#include "screenshot_check.h"
#include "sdl_test_session.h"
#include "startup/program.h"
#include "support/temp_folder.h"

namespace quorlen::sdl {
namespace {

class DemoScreenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::useOffscreenDriver();
    // A copy of the demo with two saved games to list (the list shows names
    // only, so the files hold nothing).
    std::filesystem::copy(std::filesystem::path(QUORLEN_SOURCE_DIR) / "games/demo", game_.path(),
                          std::filesystem::copy_options::recursive);
    for (const char* name : {"At the lighthouse.sav", "Before the storm.sav"}) game_.put(name, "\n");
    machine = std::make_unique<testing::OffscreenMachine>(game_.path().string());
    program = std::make_unique<Program>(machine->platform());
    program->start();
  }

  void click(ui::Control& c) { testing::press(machine->ui(), c); }

  // Answers every message box with Enter, keeping a picture of the first.
  void answerMessages(SurfacePtr* first) {
    machine->hook.onIdle = [this, first](IdlePoint point) {
      if (point != IdlePoint::MessageBox) return false;
      if (first != nullptr && !*first) *first = machine->ui().screenshot(nullptr);
      testing::pushKey(SDLK_RETURN);
      return true;
    };
  }

  quorlen::testing::TempFolder game_{"quorlen-demo-shots"};
  std::unique_ptr<testing::OffscreenMachine> machine;
  std::unique_ptr<Program> program;
};

TEST_F(DemoScreenshots, WelcomeLoadWindowAndTheShore) {
  SdlUi& ui = machine->ui();
  ui::Window& welcome = program->welcome().window();
  SurfacePtr shot = ui.screenshot(&welcome);
  testing::expectLooksLike(shot.get(), "demo-welcome");
  testing::docsPicture(shot.get(), "welcome");

  machine->hook.onIdle = [&](IdlePoint point) {
    if (point != IdlePoint::ModalWindow) return false;
    testing::docsPicture(ui.screenshot(&program->loadGame().window()).get(), "load-window");
    program->loadGame().window().unload();
    return true;
  };
  click(*welcome.find("Image6"));

  // a new game on the 640 x 480 screen, which the real display shows scaled
  // at the modal windows' scale; the story slides move on by the frame timer
  const int realWidth = machine->platform().display.width();
  const int realHeight = machine->platform().display.height();
  welcome.find("chkResolution")->setValue(1);
  click(*welcome.find("Image5"));
  ui::Window& game = program->game().window();
  ASSERT_EQ(game.state(), ui::Window::State::Shown);
  EXPECT_EQ(machine->platform().display.width(), 640) << "the game sees a 640 x 480 desktop";
  EXPECT_DOUBLE_EQ(std::min(realWidth / 640.0, realHeight / 480.0), SdlUi::modalScale())
      << "the switched screen, and the save window and message boxes in it, have the modal windows' scale";
  for (int slide = 0; slide < 3; ++slide) {
    ui.windows().post(ui::TimerDue{program->game().Timer1().handle()});
    ui.windows().dispatchPending();
  }
  ASSERT_EQ(program->state().frame.FrameName, "Shore") << "the slides lead to the shore";

  // the locked lighthouse door
  SurfacePtr message;
  answerMessages(&message);
  click(*game.element("Area", 3));
  ASSERT_NE(message, nullptr) << "the locked door tells so";
  testing::expectLooksLike(testing::halve(*message, SDL_Rect{0, 0, message->w, message->h}).get(),
                           "demo-shore-message");
  testing::docsPicture(message.get(), "message-box");

  // the key and the candle from the cottage, then back to the shore
  click(*game.element("Area", 1));
  ASSERT_EQ(program->state().frame.FrameName, "Cottage");
  click(*game.element("Area", 2));
  click(*game.element("Area", 3));
  click(*game.element("Area", 1));
  machine->hook.onIdle = {};
  ASSERT_EQ(program->state().frame.FrameName, "Shore");
  ASSERT_EQ(program->game().ObjectsCount, 2) << "the key and the candle were picked up";
  shot = ui.screenshot(&game);
  ASSERT_NE(shot, nullptr);
  testing::expectLooksLike(testing::halve(*shot, SDL_Rect{0, 0, shot->w, shot->h}).get(), "demo-shore-inventory");
  EXPECT_EQ(shot->w, realWidth) << "the real display mode is unchanged";
  testing::docsPicture(shot.get(), "frame-texts-inventory");
  program->game().mnuExit_Click();
  EXPECT_EQ(machine->platform().display.width(), realWidth) << "leaving the game restores the desktop";
}

}  // namespace
}  // namespace quorlen::sdl
