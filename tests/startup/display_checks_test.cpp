// The font check and the display switch.
#include "startup/display_checks.h"

#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace quorlen {
namespace {

TEST(UsesSmallFonts, SixteenPixelsIsTheLastSmallCell) {
  fakes::FakePlatform machine;
  machine.display.cell = 16;
  EXPECT_TRUE(UsesSmallFonts(machine.platform)) << "16 pixels counts as small fonts";
  machine.display.cell = 17;
  EXPECT_FALSE(UsesSmallFonts(machine.platform)) << "17 pixels counts as large fonts";
  machine.display.cell.reset();
  EXPECT_TRUE(UsesSmallFonts(machine.platform)) << "no drawing context answers small fonts";
}

// The switch, the refused mode, a desktop already at 640 x 480 and the
// restore on leaving are in the newgame scenarios.
TEST(DisplaySwitch, PausesASecondAndRestoresOnlyWhenOffered) {
  fakes::FakeGame game;
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
