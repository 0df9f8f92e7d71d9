// The frame file and the link file (a task's message box, titled with the
// game, is in every scenario).
#include "engine/frame_files.h"

#include <gtest/gtest.h>

#include "support/game_fixture.h"

namespace quorlen {
namespace {

class FrameFilesTest : public ::testing::Test {
 protected:
  fakes::FakeGame game;
  FrameInfo& frame = game.state.frame;
};

// Each field of the frame file as the scenario dumps show it (a picture
// background, tiles, music, a stop of the music, a duration and the next
// frame, a video): newgame/tour, areas-timer/held and the demo scenarios.
TEST_F(FrameFilesTest, ReadsTenFieldsAndTheAreaCount) {
  game.put("/game/Frames/Hall.fme",
           "1,\"hall.bmp\",#TRUE#,#FALSE#,\"theme.mid\",#TRUE#,5,\"Garden\",\"intro.avi\",#FALSE#\r\n\"extra\"\r\n");
  game.put("/game/Frames/Hall.lks", "3\r\n7\r\n");
  ReadFrame(game.context, "Hall");
  EXPECT_EQ(frame.MovieFile, "intro.avi");
  EXPECT_FALSE(frame.MusicAfterMovie) << "the tenth field";
  EXPECT_EQ(frame.AreasCount, 3) << "only the link file's first field counts";
  EXPECT_TRUE(game.messages().empty()) << "data after the tenth field is ignored";
}

TEST_F(FrameFilesTest, ANineFieldFrameIsReportedAndKeepsTheRest) {
  game.put("/game/Frames/Hall.fme", "0,\"255\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\"\r\n");
  game.put("/game/Frames/Hall.lks", "3\r\n");
  ReadFrame(game.context, "Hall");
  ASSERT_EQ(game.messages().size(), 1u);
  EXPECT_EQ(game.messages()[0].text,
            "Sorry, unable to open 'Hall'. The game may not work properly. Press 'Esc' and then click 'Exit' to "
            "quit the game.");
  EXPECT_EQ(game.messages()[0].title, "Error");
  EXPECT_EQ(frame.Background, "255") << "the fields read before the failure keep their values";
  EXPECT_TRUE(frame.MusicAfterMovie) << "the missing tenth field keeps its cleared value";
  EXPECT_EQ(frame.AreasCount, 0) << "the link file is not read after a failure";
}

TEST_F(FrameFilesTest, AMissingOrBrokenLinkFileMeansNoAreasWithoutAMessage) {
  game.put("/game/Frames/Hall.fme", "0,\"255\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  ReadFrame(game.context, "Hall");
  EXPECT_EQ(frame.AreasCount, 0);
  EXPECT_EQ(ReadAreasCount(game.context), 0);
  game.put("/game/Frames/Hall.lks", "\"3\"\r\n");
  EXPECT_EQ(ReadAreasCount(game.context), 3) << "the field's own form decides, and a quoted 3 converts";
  game.put("/game/Frames/Hall.lks", "40000\r\n");
  EXPECT_EQ(ReadAreasCount(game.context), 0) << "a count outside 16 bits is no count";
  game.put("/game/Frames/Hall.lks", "three\r\n");
  EXPECT_EQ(ReadAreasCount(game.context), 0);
  EXPECT_EQ(frame.AreasCount, 0) << "the failure also stores 0";
  EXPECT_TRUE(game.messages().empty());
}

}  // namespace
}  // namespace quorlen
