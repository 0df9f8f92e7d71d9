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

// Only .lbl files are texts, and a frame without a folder has none: the
// texts-basic scenario.
TEST_F(FrameTextsTest, BooleansAreNumbersOrWordsAndColoursRedGreenBlue) {
  textFile("1.lbl", "\"a\",0,0,1,0,\"Arial\",10,0,0,255\r\n");
  textFile("2.lbl", "\"b\",0,0,#TRUE#,#FALSE#,\"Arial\",10,0,0,65280\r\n");
  textFile("3.lbl", "\"c\",0,0,0,-1,\"Arial\",10,0,0,16711680\r\n");
  textFile("4.lbl", "\"d\",0,0,#FALSE#,#TRUE#,\"Arial\",10,0,0,0\r\n");
  game.LoadTexts();
  EXPECT_TRUE(text(1)->font().bold) << "1 is bold";
  EXPECT_TRUE(text(2)->font().bold) << "#TRUE# is bold";
  EXPECT_FALSE(text(3)->font().bold) << "0 is regular";
  EXPECT_TRUE(text(3)->font().italic) << "any number but 0 is true";
  EXPECT_FALSE(text(4)->font().bold) << "#FALSE# is regular";
  EXPECT_EQ(text(1)->foreColor(), ui::rgb(255, 0, 0)) << "255 is red";
  EXPECT_EQ(text(2)->foreColor(), ui::rgb(0, 255, 0)) << "65280 is green";
  EXPECT_EQ(text(3)->foreColor(), ui::rgb(0, 0, 255)) << "16711680 is blue";
  EXPECT_EQ(text(4)->foreColor(), ui::rgb(0, 0, 0)) << "0 is black";
  EXPECT_EQ(game.File1().path(), "/game/Areas/Hall") << "the frame's folder is listed, without a trailing separator";
}

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
