// The menu bar, the keyboard, and closing the game window.
#include <gtest/gtest.h>

#include <string>

#include "areas/areas_fixture.h"

namespace quorlen::testing {
namespace {

class LeavingGameTest : public AreasTest {
 protected:
  LeavingGameTest() {
    // The welcome window stays loaded while a game runs.
    program.welcome().window().load();
    program.state().frame.FrameName = "Hall";
    // What the welcome window's start-up said is not under test here.
    machine.ui.messages.clear();
  }
  [[nodiscard]] bool menusShown() const { return game.mnuExit().visible() && game.mnuSaveGame().visible(); }
  [[nodiscard]] bool menusHidden() const { return !game.mnuExit().visible() && !game.mnuSaveGame().visible(); }
};

TEST_F(LeavingGameTest, EscShowsAndHidesTheMenuBarAndOtherKeysDoNothing) {
  ASSERT_TRUE(menusHidden()) << "the bar starts hidden";
  game.PictureBox_KeyDown(27, 0);
  EXPECT_TRUE(menusShown()) << "Esc shows both entries";
  EXPECT_TRUE(game.MovieStopRequest) << "Esc also asks a waited-for video to stop";
  game.MovieStopRequest = false;
  game.PictureBox_KeyDown(13, 0);
  game.PictureBox_KeyDown(65, 0);
  EXPECT_TRUE(menusShown()) << "Enter and other keys leave the bar as it is";
  EXPECT_FALSE(game.MovieStopRequest) << "only Esc asks a video to stop";
  game.PictureBox_KeyDown(27, 0);
  EXPECT_TRUE(menusHidden()) << "Esc again hides both entries";
}

TEST_F(LeavingGameTest, ARightPressOnTheBackgroundTogglesAndALeftPressHides) {
  game.BackImage_MouseDown(static_cast<int>(ui::MouseButton::Right), 0, 0, 0);
  EXPECT_TRUE(menusShown());
  game.BackImage_MouseDown(static_cast<int>(ui::MouseButton::Left), 0, 0, 0);
  EXPECT_TRUE(menusHidden());
  EXPECT_TRUE(messageTexts().empty()) << "a press on the background does nothing else";
}

TEST_F(LeavingGameTest, ExitClosesTheGameWindowAndShowsTheWelcomeWindow) {
  game.mnuExit_Click();
  EXPECT_FALSE(game.window().loaded()) << "the game window is closed";
  EXPECT_TRUE(program.welcome().window().state() == ui::Window::State::Shown) << "the welcome window comes back";
}

TEST_F(LeavingGameTest, TheFrameTimerOpensNoFrameWhileTheWindowCloses) {
  put("/game/Frames/Next.fme", "0,\"0\",#FALSE#,#FALSE#,\"theme.mid\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  FrameInfo& frame = program.state().frame;
  frame.HasDuration = true;
  frame.Duration = 1;
  frame.NextFrame = "Next";
  game.Timer1().setTimerEnabled(true);
  game.Timer1().setInterval(1000);
  // The frame's time has run out just as "Exit" is chosen: the timer's event
  // is pending when the closing window lets pending events run.
  machine.ui.windows().post(ui::TimerDue{game.Timer1().handle()});
  game.mnuExit_Click();
  EXPECT_EQ(program.state().frame.FrameName, "Hall") << "no frame opens after the media were closed";
  EXPECT_FALSE(game.window().loaded());
  EXPECT_TRUE(program.welcome().window().state() == ui::Window::State::Shown);
}

}  // namespace
}  // namespace quorlen::testing
