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

TEST(DisplaySwitch, NotesTheSizeAndSwitchesWithAPause) {
  fakes::FakeGame game;
  EXPECT_FALSE(IsDisplay640x480(game.context));
  EXPECT_EQ(game.state.SavedScreenWidth, 1024) << "the size is noted for the restore";
  EXPECT_EQ(game.state.SavedScreenHeight, 768);
  SwitchTo640x480(game.context);
  EXPECT_EQ(game.machine.display.changes, (std::vector<std::pair<int, int>>{{640, 480}}));
  EXPECT_EQ(game.machine.ui.waitedMilliseconds, 1000) << "one second passes after the switch";
  EXPECT_TRUE(game.messages().empty());
}

TEST(DisplaySwitch, AlreadyAt640NeitherChangesNorWaits) {
  fakes::FakeGame game;
  game.machine.display.w = 640;
  game.machine.display.h = 480;
  SwitchTo640x480(game.context);
  EXPECT_TRUE(game.machine.display.changes.empty()) << "the display is not touched";
  EXPECT_EQ(game.machine.ui.waitedMilliseconds, 0) << "and there is no pause";
  EXPECT_EQ(game.state.SavedScreenWidth, 640) << "the size is noted all the same";
}

TEST(DisplaySwitch, ARefusedModeIsReportedWithTheGameTitle) {
  fakes::FakeGame game;
  game.machine.display.answer = -2;
  SwitchTo640x480(game.context);
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].text, "Unable to change display resolution. Mode not supported");
  EXPECT_EQ(game.messages()[0].title, "The Tale");
  EXPECT_EQ(game.messages()[0].icon, ui::MsgBoxIcon::Information);
  EXPECT_EQ(game.machine.display.w, 1024) << "the display stays as it was";
}

TEST(DisplaySwitch, RestoreOnlyWhenOfferedAndChanged) {
  fakes::FakeGame game;
  game.state.SavedScreenWidth = 1024;
  game.state.SavedScreenHeight = 768;
  game.machine.display.w = 640;
  game.machine.display.h = 480;
  game.state.project.OfferResolutionChange = 0;
  RestoreDisplayResolution(game.context);
  EXPECT_TRUE(game.machine.display.changes.empty()) << "a project that does not offer the switch never restores";
  game.state.project.OfferResolutionChange = 1;
  RestoreDisplayResolution(game.context);
  EXPECT_EQ(game.machine.display.changes, (std::vector<std::pair<int, int>>{{1024, 768}}));
  RestoreDisplayResolution(game.context);
  EXPECT_EQ(game.machine.display.changes.size(), 1u) << "at the noted size nothing changes";
}

}  // namespace
}  // namespace quorlen
