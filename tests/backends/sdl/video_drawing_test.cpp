// A video is drawn over its control's picture and children, opaque: what it
// covers is not drawn at all, what lies above it and what it leaves free is.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "backends/sdl/window_painter.h"
#include "memory_canvas.h"
#include "platform/window.h"
#include "platform/window_manager.h"
#include "sdl_test_session.h"
#include "support/fake_platform.h"

namespace quorlen::sdl {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr std::uint32_t kRed = 0xff0000;
constexpr std::uint32_t kGreen = 0x00ff00;
constexpr std::uint32_t kBlue = 0x0000ff;

class VideoDrawing : public testing::OffscreenSuite {
 protected:
  void SetUp() override {
    game.setFramed(false);
    game.setWidth(kWidth * ui::kTwipsPerPixel);
    game.setHeight(kHeight * ui::kTwipsPerPixel);
    game.onCreate = [this] {
      ui::Control& display = game.add(ui::ControlKind::PictureBox, "PictureBox");
      display.move(0, 0, kWidth * ui::kTwipsPerPixel, kHeight * ui::kTwipsPerPixel);
      display.setBackColor(ui::rgb(255, 0, 0));
      ui::Control& above = game.add(ui::ControlKind::PictureBox, "Above");
      above.move(8 * ui::kTwipsPerPixel, 8 * ui::kTwipsPerPixel, 8 * ui::kTwipsPerPixel, 8 * ui::kTwipsPerPixel);
      above.setBackColor(ui::rgb(0, 255, 0));
    };
    game.load();
  }

  // Draws the window with a blue video of the given size playing in its
  // picture box.
  void drawWithVideo(int width, int height) {
    blue.assign(static_cast<std::size_t>(width) * height, 0xffff0000u);  // R 0, G 0, B 255, A 255
    const std::vector<VideoPicture> videos{VideoPicture{game.find("PictureBox")->handle(), width, height,
                                                        reinterpret_cast<const std::uint8_t*>(blue.data()), 1}};
    canvas.canvas().pushClip(Rect{0, 0, kWidth, kHeight});
    WindowPainter(canvas.canvas(), view, videos).paintInside(game, 0, 0);
    canvas.canvas().popClip();
  }

  fakes::RecordingUi host;
  ui::Window game{host.windows(), "Game"};
  ViewState view;
  testing::MemoryCanvas canvas{kWidth, kHeight};
  std::vector<std::uint32_t> blue;
};

TEST_F(VideoDrawing, AVideoFillingItsBoxHidesItButNotWhatLiesAbove) {
  drawWithVideo(kWidth, kHeight);
  EXPECT_EQ(canvas.rgbAt(40, 30), kBlue) << "the video is drawn over its picture box";
  EXPECT_EQ(canvas.rgbAt(0, 0), kBlue) << "the video reaches the box's corner";
  EXPECT_EQ(canvas.rgbAt(10, 10), kGreen) << "a control above the picture box is drawn over the video";
}

TEST_F(VideoDrawing, ASmallerVideoLeavesTheRestOfItsBox) {
  drawWithVideo(kWidth / 2, kHeight / 2);
  EXPECT_EQ(canvas.rgbAt(20, 20), kBlue) << "the video is drawn at its own size from the box's corner";
  EXPECT_EQ(canvas.rgbAt(50, 40), kRed) << "the box shows where the video does not reach";
  EXPECT_EQ(canvas.rgbAt(10, 10), kGreen) << "a control above the picture box is drawn over the video";
}

}  // namespace
}  // namespace quorlen::sdl
