// The font check and the display switch.
#include "startup/display_checks.h"

#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace quorlen {
namespace {

// 16 pixels the last small cell, 17 the first large one: the startup
// scenarios font-height-16 and large-fonts-*. The switch, the refused mode,
// a desktop already at 640 x 480 and the restore on leaving: the newgame
// scenarios.
TEST(DisplayChecks, NoDrawingContextIsSmallFontsAndTheSwitchPausesASecond) {
  fakes::FakeGame game;
  game.machine.display.cell.reset();
  EXPECT_TRUE(UsesSmallFonts(game.machine.platform)) << "no drawing context answers small fonts";
  EXPECT_FALSE(IsDisplay640x480(game.context));
  SwitchTo640x480(game.context);
  EXPECT_EQ(game.machine.ui.waitedMilliseconds, 1000) << "one second passes after the switch";
  game.state.project.OfferResolutionChange = 0;
  RestoreDisplayResolution(game.context);
  EXPECT_EQ(game.machine.display.changes, (std::vector<std::pair<int, int>>{{640, 480}}))
      << "a project that does not offer the switch never restores";
}

}  // namespace
}  // namespace quorlen
