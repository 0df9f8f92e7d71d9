// The frame timer while an area task shows its message or the game window
// closes (the areas-timer scenario shows the held move through a video).
#include <gtest/gtest.h>

#include <string>

#include "areas/areas_fixture.h"

namespace quorlen::testing {
namespace {

const std::string kPlainFrame = "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n";
const std::string kMessageTask =
    "0,\"\",#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"Wait\",#FALSE#,\"\",#FALSE#,#FALSE#,0,\"\"\r\n";

class TimerDuringTask : public AreasTest {
 protected:
  TimerDuringTask() {
    put("/game/Frames/Next.fme", kPlainFrame);
    put("/game/Frames/Other.fme", kPlainFrame);
    FrameInfo& frame = program.state().frame;
    frame.HasDuration = true;
    frame.Duration = 2;
    frame.NextFrame = "Next";
    game.Timer1().setTimerEnabled(true);
    game.Timer1().setInterval(2000);
    putPlainArea(1);
    setAreasCount(1);
    game.LoadAreas();
    game.ShowOrNotShowAreas();
    // The frame's time runs out while the task's message box shows.
    machine.ui.whileMessageShows = [this] {
      game.Timer1().onTimer(game.Timer1());
      frameWhileMessageShows = program.state().frame.FrameName;
    };
  }

  [[nodiscard]] const std::string& frameName() const { return program.state().frame.FrameName; }

  std::string frameWhileMessageShows;
};

TEST_F(TimerDuringTask, ATaskThatEndsTheGameDropsTheHeldMove) {
  // The welcome window is already loaded, as it is while a game runs.
  program.welcome().window().load();
  program.state().frame.FrameName = "Hall";
  program.state().frame.NextFrame = "Next";
  machine.ui.messages.clear();
  putTask(1, "0,\"\",#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"Bye\",#FALSE#,\"\",#FALSE#,#TRUE#\r\n");
  press(*area(1));
  EXPECT_EQ(frameWhileMessageShows, "Hall");
  EXPECT_FALSE(game.window().loaded()) << "the game window has closed";
  EXPECT_EQ(frameName(), "Hall") << "no frame opens after the game has ended";
}

TEST_F(TimerDuringTask, TheMoveWaitsUntilADropTaskHasReturned) {
  ui::Control& key = game.window().loadElement("PickedObject", 1);
  key.setTag("Key");
  put("/game/Areas/Hall/1_Key.drg", kMessageTask);
  EXPECT_EQ(game.MakeAction(1, 1), 0) << "the task itself stays in the frame";
  EXPECT_EQ(frameWhileMessageShows, "Hall");
  EXPECT_EQ(frameName(), "Next");
}

TEST_F(TimerDuringTask, ARightClickRunsNoTaskAndHoldsNothing) {
  putTask(1, kMessageTask);
  press(*area(1), ui::MouseButton::Right);
  EXPECT_TRUE(messageTexts().empty()) << "the right button never runs the area's task";
  EXPECT_TRUE(game.mnuExit().visible()) << "it shows the menu bar";
  game.Timer1().onTimer(game.Timer1());
  EXPECT_EQ(frameName(), "Next") << "no task is left holding the timer";
}

TEST_F(TimerDuringTask, TheFrameTimerOpensNoFrameWhileTheWindowCloses) {
  program.welcome().window().load();
  program.state().frame.FrameName = "Hall";
  // The frame's time has run out just as "Exit" is chosen: the timer's event
  // is pending when the closing window lets pending events run.
  machine.ui.windows().post(ui::TimerDue{game.Timer1().handle()});
  game.mnuExit_Click();
  EXPECT_EQ(frameName(), "Hall") << "no frame opens after the media were closed";
  EXPECT_FALSE(game.window().loaded()) << "the game window is closed";
  EXPECT_TRUE(program.welcome().window().state() == ui::Window::State::Shown) << "the welcome window comes back";
}

}  // namespace
}  // namespace quorlen::testing
