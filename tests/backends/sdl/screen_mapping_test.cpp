#include "backends/sdl/screen_mapping.h"

#include <gtest/gtest.h>

#include <utility>

namespace quorlen::sdl {
namespace {

TEST(PlaceLogical, BarsKeepTheAspectAndIntegerScalesTakeWholeSteps) {
  const struct {
    int logicalW, logicalH, outputW, outputH;
    ScaleMode mode;
    double scale;
    int x, y, width;
    const char* why;
  } cases[] = {
      {640, 480, 1920, 1080, ScaleMode::Fit, 2.25, 240, 0, 1440, "fills the height, bars of equal width on both sides"},
      {640, 480, 1920, 1080, ScaleMode::Integer, 2.0, 320, 60, 1280, "2.25 rounds down to 2, bars all round"},
      {1024, 768, 800, 600, ScaleMode::Integer, 800.0 / 1024, 0, 0, 800, "below 1 an integer scale fits instead"},
      {1024, 768, 1024, 768, ScaleMode::Fit, 1.0, 0, 0, 1024, "the same size is one to one"},
  };
  for (const auto& c : cases) {
    const Placement p = placeLogical(c.logicalW, c.logicalH, c.outputW, c.outputH, c.mode);
    EXPECT_DOUBLE_EQ(p.scale, c.scale) << c.why;
    EXPECT_EQ(p.x, c.x) << c.why;
    EXPECT_EQ(p.y, c.y) << c.why;
    EXPECT_EQ(p.width, c.width) << c.why;
  }
}

TEST(ScreenMapping, WindowPointsRoundTripThroughLetterboxAndHighDensity) {
  const ScreenMapping m(640, 480, 1920, 1080, 1920, 1080, ScaleMode::Fit);
  const auto [wx, wy] = m.toWindow(320.5, 240.5);
  const auto [lx, ly] = m.toLogical(wx, wy);
  EXPECT_NEAR(lx, 320.5, 0.5) << "a synthetic click lands on the logical point it aimed at";
  EXPECT_NEAR(ly, 240.5, 0.5);
  EXPECT_LT(m.toLogical(100, 500).first, 0) << "a point in the black bar lies outside the screen";
  // a 335 x 300 window on a doubled display: 670 x 600 output pixels
  const ScreenMapping doubled(335, 300, 335, 300, 670, 600, ScaleMode::Fit);
  EXPECT_DOUBLE_EQ(doubled.placement().scale, 2.0) << "drawn at the output's resolution";
  EXPECT_EQ(doubled.toLogical(100, 50), std::make_pair(100.0, 50.0)) << "window points are logical pixels again";
}

}  // namespace
}  // namespace quorlen::sdl
