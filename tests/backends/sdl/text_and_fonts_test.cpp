#include <gtest/gtest.h>

#include "backends/sdl/canvas.h"
#include "backends/sdl/font_resolver.h"
#include "backends/sdl/text_renderer.h"
#include "backends/shared/files/disk_file_system.h"
#include "memory_canvas.h"
#include "sdl_test_session.h"

namespace quorlen::sdl {
namespace {

class Fonts : public testing::OffscreenSuite {};

TEST_F(Fonts, ArialResolvesToAMetricCompatibleFamily) {
  FontResolver resolver;
  auto face = resolver.resolve("Arial", false, false);
  ASSERT_TRUE(face.has_value()) << "fontconfig finds a font for the game's default face";
  if (face->family.find("Liberation") == std::string::npos) GTEST_SKIP() << "Liberation fonts not installed";
  EXPECT_EQ(face->family, "Liberation Sans") << "Arial's captions keep their widths";
  auto bold = resolver.resolve("Arial", true, false);
  ASSERT_TRUE(bold.has_value());
  EXPECT_TRUE(bold->bold) << "a real bold face, not a made-up one";
  EXPECT_NE(bold->file, face->file);
}

TEST_F(Fonts, PointSizesAreAt96DotsPerInchAndMeasuresGrowWithTextAndLines) {
  EXPECT_EQ(TextRenderer::pixelSize(ui::Font{"Arial", 9.75}, 1.0), 13) << "the welcome window's lines";
  EXPECT_EQ(TextRenderer::pixelSize(ui::Font{"Arial", 24.0}, 1.0), 32) << "the frame texts' template";
  EXPECT_EQ(TextRenderer::pixelSize(ui::Font{"Arial", 24.0}, 2.0), 64) << "drawn sharp at a doubled scale";
  TextRenderer text;
  const ui::Font font{"Arial", 24.0, true};
  const auto [w1, h1] = text.measure(font, "Text", 1.0);
  const auto [w2, h2] = text.measure(font, "Text Text", 1.0);
  EXPECT_GT(w1, 20) << "a caption sized to its text is not empty";
  EXPECT_GT(w2, w1) << "a longer caption is wider";
  EXPECT_EQ(h1, h2) << "one line each";
  const auto [w3, h3] = text.measure(font, "Text\r\nText", 1.0);
  EXPECT_EQ(w3, w1) << "the widest line counts";
  EXPECT_EQ(h3, 2 * h1) << "two lines are twice as high";
}

TEST_F(Fonts, WrapBreaksAtBlanks) {
  TextRenderer text;
  const ui::Font font{"Arial", 9.0};
  const int oneWord = text.lineWidth(font, "Warning!", 1.0);
  const auto lines = text.wrap(font, "Warning! Your system is set", oneWord + 2, 1.0);
  ASSERT_GE(lines.size(), 3u) << "a narrow box takes about a word a line";
  EXPECT_EQ(lines.front(), "Warning!");
  for (const auto& line : lines) {
    EXPECT_LE(text.lineWidth(font, line, 1.0), oneWord + 2) << "no line is wider than the box: " << line;
  }
  const auto paragraphs = text.wrap(font, "a\r\n\r\nb", 1000, 1.0);
  EXPECT_EQ(paragraphs, (std::vector<std::string>{"a", "", "b"})) << "empty lines between paragraphs stay";
}

using testing::MemoryCanvas;

TEST_F(Fonts, CaptionsShowWholeAtEveryScale) {
  const ui::Font font{"Arial", 14.25, true};
  const std::string caption = "Light the lamp and guide the Marigold home";
  for (double scale : {0.78, 1.0, 1.67, 2.0}) {
    MemoryCanvas m(1400, 120);
    Canvas& c = m.canvas();
    c.setTransform(scale, 0, 0);
    c.clear(ui::kWhite);
    // a label sized to its caption at scale 1, as the game sizes it
    const double width = c.textWidth(font, caption);
    c.pushClip(Rect{10, 10, width, c.lineHeight(font)});
    c.text(font, caption, ui::kBlack, 10, 10);
    c.popClip();
    const auto [first, last] = m.inkColumns();
    MemoryCanvas free(1400, 120);
    free.canvas().setTransform(scale, 0, 0);
    free.canvas().clear(ui::kWhite);
    free.canvas().text(font, caption, ui::kBlack, 10, 10);
    EXPECT_NEAR(free.inkColumns().second, last, 1) << "nothing is cut off by the label's edge at scale " << scale;
    const double expectedRight = (10 + width) * scale;
    EXPECT_GE(last, expectedRight - 4 * scale) << "the last letter shows at scale " << scale;
    EXPECT_LE(last, expectedRight) << "the caption stays in its place at scale " << scale;
    EXPECT_NEAR(last - first, width * scale, 4 * scale) << "drawn as wide as the text at that scale: " << scale;
  }
}

TEST_F(Fonts, AHugeCaptionCostsNoMoreThanTheScreen) {
  MemoryCanvas m(1280, 800);
  Canvas& c = m.canvas();
  c.setTransform(2.0, 0, 0);
  const ui::Font font{"Arial", 24.0};
  std::string huge;
  while (huge.size() < (1u << 20)) huge += "guided by your light ";
  c.pushClip(Rect{0, 0, 640, 400});
  for (double x : {0.0, -5000.0, -100000.0}) c.text(font, huge, ui::kBlack, x, 10);
  c.popClip();
  EXPECT_LT(c.textBytes(), std::size_t{3} * 1280 * 100 * 4) << "only what shows is rendered: three screen-wide lines";
  EXPECT_GT(c.textBytes(), 0u) << "the visible part is drawn";
  const auto lines = m.text().wrap(font, huge, 600, 1.0, 40);
  EXPECT_EQ(lines.size(), 40u) << "a label lays out no more lines than it can show";
}

}  // namespace
}  // namespace quorlen::sdl
