// Pressing on a frame's text (the texts themselves, their files in name
// order with their fonts and colours, and the press that shows or hides the
// menu bar: the texts-basic scenarios; broken text files:
// malformed_files_test.cpp).
#include <gtest/gtest.h>

#include "inventory/inventory_fixture.h"

namespace quorlen::testing {
namespace {

TEST_F(GameWindowTest, APressOnATextWhileAVideoPlaysOnlyAsksItToStop) {
  put("/game/Areas/Hall/t.lbl", "\"Hello\"\r\n");
  game.LoadTexts();
  machine.media.replies["Status  mode"] = platform::MediaReply{0, "playing"};
  game.MovieStopRequest = false;
  press(*text(1), ui::MouseButton::Right);
  EXPECT_TRUE(game.MovieStopRequest) << "the press asks the video to stop";
  EXPECT_FALSE(game.mnuExit().visible()) << "the menu does not toggle during a video";
}

}  // namespace
}  // namespace quorlen::testing
