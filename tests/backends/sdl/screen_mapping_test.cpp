#include "backends/sdl/screen_mapping.h"

#include <gtest/gtest.h>

namespace quorlen::sdl {
namespace {

TEST(PlaceLogical, VirtualScreenOnWideDisplayGetsSideBars) {
  const Placement p = placeLogical(640, 480, 1920, 1080, ScaleMode::Fit);
  EXPECT_DOUBLE_EQ(p.scale, 2.25) << "640 x 480 fills the height of 1080";
  EXPECT_EQ(p.width, 1440) << "aspect ratio kept";
  EXPECT_EQ(p.height, 1080);
  EXPECT_EQ(p.x, 240) << "black bars of equal width on both sides";
  EXPECT_EQ(p.y, 0);
}

TEST(PlaceLogical, IntegerScaleTakesWholeSteps) {
  const Placement p = placeLogical(640, 480, 1920, 1080, ScaleMode::Integer);
  EXPECT_DOUBLE_EQ(p.scale, 2.0) << "2.25 rounds down to 2";
  EXPECT_EQ(p.x, 320);
  EXPECT_EQ(p.y, 60) << "bars above and below as well";
}

TEST(PlaceLogical, IntegerScaleBelowOneFallsBackToFit) {
  const Placement p = placeLogical(1024, 768, 800, 600, ScaleMode::Integer);
  EXPECT_LT(p.scale, 1.0) << "a screen larger than the window still fits it";
  EXPECT_EQ(p.width, 800);
}

TEST(PlaceLogical, SameSizeIsOneToOne) {
  const Placement p = placeLogical(1024, 768, 1024, 768, ScaleMode::Fit);
  EXPECT_DOUBLE_EQ(p.scale, 1.0);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

TEST(ScreenMapping, HighDensityOutputMapsMousePointsToLogicalPixels) {
  // a 335 x 300 window on a doubled display: 670 x 600 output pixels
  const ScreenMapping m(335, 300, 335, 300, 670, 600, ScaleMode::Fit);
  EXPECT_DOUBLE_EQ(m.placement().scale, 2.0) << "drawn at the output's resolution";
  const auto [x, y] = m.toLogical(100, 50);
  EXPECT_DOUBLE_EQ(x, 100) << "window points are logical pixels again";
  EXPECT_DOUBLE_EQ(y, 50);
}

TEST(ScreenMapping, WindowPointsRoundTripThroughLetterbox) {
  const ScreenMapping m(640, 480, 1920, 1080, 1920, 1080, ScaleMode::Fit);
  const auto [wx, wy] = m.toWindow(320.5, 240.5);
  const auto [lx, ly] = m.toLogical(wx, wy);
  EXPECT_NEAR(lx, 320.5, 0.5) << "a synthetic click lands on the logical point it aimed at";
  EXPECT_NEAR(ly, 240.5, 0.5);
  const auto [bx, by] = m.toLogical(100, 500);
  EXPECT_LT(bx, 0) << "a point in the black bar lies outside the screen";
  (void)by;
}

}  // namespace
}  // namespace quorlen::sdl
