#include "backends/sdl/sdl_display.h"

#include <gtest/gtest.h>

namespace quorlen::sdl {
namespace {

struct DisplayTest : ::testing::Test {
  double ratio = 1.0;
  int changes = 0;
  SdlDisplay display{[] { return std::make_pair(1024, 768); }, [this] { return ratio; }};
  void SetUp() override {
    display.setChangeListener([this] { ++changes; });
  }
};

TEST_F(DisplayTest, SwitchTo640x480IsVirtualLargerModesAreRefusedAndTheSystemFontFollowsTheScale) {
  const int refused = display.changeMode(1600, 1200);
  EXPECT_TRUE(refused != 0 && refused != 1) << "a mode larger than the display: 'mode not supported'";
  EXPECT_EQ(changes, 0) << "the display stays as it was";
  EXPECT_EQ(display.width(), 1024) << "the real desktop before the switch";
  EXPECT_EQ(display.changeMode(640, 480), 0) << "the switch is accepted";
  EXPECT_EQ(display.width(), 640) << "the game now sees a 640 x 480 desktop";
  EXPECT_EQ(display.height(), 480);
  EXPECT_TRUE(display.switched());
  EXPECT_EQ(changes, 1) << "the game window is told to draw the new screen";
  EXPECT_EQ(display.changeMode(1024, 768), 0) << "switching back is accepted";
  EXPECT_EQ(display.width(), 1024) << "the real desktop again";
  EXPECT_FALSE(display.switched());
  EXPECT_EQ(display.systemFontCellHeight(), 16) << "small fonts at 100 %";
  ratio = 1.25;
  EXPECT_EQ(display.systemFontCellHeight(), 20) << "large fonts at 125 %: the warning shows";
}

}  // namespace
}  // namespace quorlen::sdl
