#include <gtest/gtest.h>

#include "backends/sdl/font_resolver.h"
#include "backends/sdl/text_renderer.h"
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

TEST_F(Fonts, PointSizesAreAt96DotsPerInch) {
  EXPECT_EQ(TextRenderer::pixelSize(ui::Font{"Arial", 9.75}, 1.0), 13) << "the welcome window's lines";
  EXPECT_EQ(TextRenderer::pixelSize(ui::Font{"Arial", 24.0}, 1.0), 32) << "the frame texts' template";
  EXPECT_EQ(TextRenderer::pixelSize(ui::Font{"Arial", 24.0}, 2.0), 64) << "drawn sharp at a doubled scale";
}

TEST_F(Fonts, MeasureGrowsWithTextAndLines) {
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

TEST(SplitLines, AllLineEnds) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines(""), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace quorlen::sdl
