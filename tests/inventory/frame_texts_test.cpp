// The texts of a frame: created from the frame's ".lbl" files in name order,
// with their fonts and colours (the whole road through a game is in the
// texts-basic scenario).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/inventory_fixture.h"

namespace quorlen::testing {
namespace {

const ui::Font kTemplateFont{"Arial", 24.0, true, false, false, false};

class FrameTextsTest : public GameWindowTest {
 protected:
  void textFile(const std::string& name, const std::string& fields) { put("/game/Areas/Hall/" + name, fields); }
  [[nodiscard]] int textCount() const { return game.window().elementCount("Text") - 1; }
};

// Only .lbl files are texts, a frame without a folder has none, Booleans as
// numbers or words, colours red, green and blue: the texts-basic scenario.
// The frame's folder is listed without a trailing separator, or no test here
// would find its text.
TEST_F(FrameTextsTest, AFileThatCannotBeReadGivesTheTemplatesText) {
  textFile("t.lbl", "\"Hello\",3000\r\n");
  machine.files.unreadable.push_back("/game/Areas/Hall/t.lbl");
  game.LoadTexts();
  ASSERT_EQ(textCount(), 1);
  EXPECT_EQ(text(1)->caption(), "Text") << "the template's caption";
  EXPECT_EQ(text(1)->font(), kTemplateFont);
  EXPECT_TRUE(text(1)->visible());
  EXPECT_TRUE(machine.ui.messages.empty());
}

// --- pressing on a text ---------------------------------------------------------

TEST_F(FrameTextsTest, APressWhileAVideoPlaysOnlyAsksItToStop) {
  textFile("t.lbl", "\"Hello\"\r\n");
  game.LoadTexts();
  machine.media.replies["Status  mode"] = platform::MediaReply{0, "playing"};
  game.MovieStopRequest = false;
  press(*text(1), ui::MouseButton::Right);
  EXPECT_TRUE(game.MovieStopRequest);
  EXPECT_FALSE(game.mnuExit().visible()) << "the menu does not toggle during a video";
}

}  // namespace
}  // namespace quorlen::testing
