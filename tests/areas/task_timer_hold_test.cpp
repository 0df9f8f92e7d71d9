// The frame timer while an area task shows its message: the move to the
// next frame waits until the task has returned, and is dropped when the
// task leaves the frame itself.
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
    ui.whileMessageShows = [this] {
      game.Timer1().onTimer(game.Timer1());
      frameWhileMessageShows = program.state().frame.FrameName;
    };
  }

  [[nodiscard]] const std::string& frameName() const { return program.state().frame.FrameName; }

  std::string frameWhileMessageShows;
};

TEST_F(TimerDuringTask, TheMoveWaitsUntilTheClickHasReturned) {
  putTask(1, kMessageTask);
  press(*area(1));
  EXPECT_EQ(messageTexts(), std::vector<std::string>{"Wait"});
  EXPECT_EQ(frameWhileMessageShows, "Hall") << "the frame is not changed under the task";
  EXPECT_EQ(frameName(), "Next") << "the held move opens the next frame once the task has returned";
}

TEST_F(TimerDuringTask, ATaskThatOpensAFrameDropsTheHeldMove) {
  putTask(1, "0,\"\",#FALSE#,#FALSE#,#FALSE#,#TRUE#,\"Wait\",#FALSE#,\"\",#FALSE#,#FALSE#,1,\"Other\"\r\n");
  press(*area(1));
  EXPECT_EQ(frameWhileMessageShows, "Hall");
  EXPECT_EQ(frameName(), "Other") << "the task's own frame change wins over the old frame's time";
}

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

TEST_F(TimerDuringTask, WithoutATaskTheTimerMovesAtOnce) {
  game.Timer1().onTimer(game.Timer1());
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

}  // namespace
}  // namespace quorlen::testing
