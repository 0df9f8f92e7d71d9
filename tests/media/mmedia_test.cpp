// The media player's command strings, exactly as the media interface gets
// them (a video that fails to open is in the newgame scenario "tour").
#include <gtest/gtest.h>

#include "media/media_players.h"
#include "media/mmedia.h"
#include "platform/control.h"
#include "platform/window.h"
#include "support/fake_platform.h"

namespace quorlen {
namespace {

using Commands = std::vector<std::string>;

class MmediaTest : public ::testing::Test {
 protected:
  fakes::FakePlatform machine;
  std::string title = "The Tale";
  MediaEnvironment env{machine.media, machine.clock, machine.ui, title, {}};
  Mmedia player{env};
  Commands& sent = machine.media.commands;
};

TEST_F(MmediaTest, OpensAudioByItsEndingWithTheMinuteInTheAlias) {
  machine.clock.minute = 7;
  player.mmOpen("C:/Games/My Tale/Frames/intro.Mid");
  EXPECT_EQ(sent, Commands{"Open \"C:/Games/My Tale/Frames/intro.Mid\" ALIAS Mid7 TYPE Sequencer wait"})
      << "the ending as written plus the minute, the path always quoted";
  EXPECT_EQ(player.FileName(), "C:/Games/My Tale/Frames/intro.Mid") << "the file name kept without quotes";
  player.mmPlay();
  player.setWait(true);
  player.mmPlay();
  player.mmPause();
  player.mmStop();
  player.mmSeek(1500.0f);
  player.mmSeek(2.5f);
  player.mmClose();
  EXPECT_EQ(sent, (Commands{"Open \"C:/Games/My Tale/Frames/intro.Mid\" ALIAS Mid7 TYPE Sequencer wait",
                            "Play Mid7", "Play Mid7 wait", "Pause Mid7", "Stop Mid7", "Seek Mid7 to 1500",
                            "Seek Mid7 to 2.5", "Close Mid7"}));
  EXPECT_EQ(player.alias(), "") << "close empties the alias";
  EXPECT_EQ(player.FileName(), "") << "close empties the file name";
}

TEST_F(MmediaTest, AnUnknownEndingClosesWhatWasOpenAndOpensNothing) {
  machine.clock.minute = 0;
  player.mmOpen("a.WAV");
  player.mmOpen("b.mp3");
  EXPECT_EQ(sent, (Commands{"Open \"a.WAV\" ALIAS WAV0 TYPE Waveaudio wait", "Close WAV0"}));
  EXPECT_EQ(player.FileName(), "") << "nothing stored for an unsupported file";
}

TEST_F(MmediaTest, AFreshPlayerSendsNothingButItsStatusQuery) {
  player.mmPlay();
  player.mmPause();
  player.mmStop();
  player.mmClose();
  EXPECT_EQ(player.Length(), 0.0f);
  EXPECT_EQ(player.Position(), 0.0f);
  EXPECT_TRUE(sent.empty()) << "no command without a device";
  EXPECT_EQ(player.Status(), "") << "a refused query yields the empty text";
  EXPECT_EQ(sent, Commands{"Status  mode"}) << "the mode query goes out even with an empty alias";
}

TEST_F(MmediaTest, StatusRepliesAreReadUpToTheirFirstNul) {
  player.mmOpen("x.wav");
  machine.media.replies["Status wav7 length"] = {0, std::string(" 1234.5ms\0junk", 14)};
  machine.media.replies["Status wav7 mode"] = {0, std::string("PLAYING\0", 8)};
  EXPECT_FLOAT_EQ(player.Length(), 1234.5f) << "the number at the start of the reply";
  EXPECT_EQ(player.Status(), "PLAYING") << "the mode as the device wrote it";
  EXPECT_EQ(player.Position(), 0.0f) << "a reply without a number yields 0";
}

TEST_F(MmediaTest, TwoPlayersNeverShareAnAlias) {
  Mmedia sound{env};
  player.mmOpen("music.wav");
  sound.mmOpen("door.wav");
  EXPECT_EQ(player.alias(), "wav7");
  EXPECT_EQ(sound.alias(), "wav7_2") << "the sound's close must not silence the music";
  sound.mmClose();
  sound.mmOpen("bell.wav");
  EXPECT_EQ(sound.alias(), "wav7_2") << "the music still holds its alias";
  player.mmClose();
  sound.mmOpen("bell.wav");
  EXPECT_EQ(sound.alias(), "wav7") << "a free alias is kept as the player makes it";
}

TEST_F(MmediaTest, ASecondVideoClosesTheFirstOneStillHeld) {
  ui::Window window{machine.ui.windows(), "Game"};
  window.onCreate = [&window] { window.add(ui::ControlKind::PictureBox, "PictureBox"); };
  window.load();
  std::string first = "a.avi";
  player.PlayMovie(first, *window.find("PictureBox"));
  const std::string firstAlias = player.alias();
  machine.clock.seconds += 1.0;
  std::string second = "b.avi";
  player.PlayMovie(second, *window.find("PictureBox"));
  EXPECT_EQ(sent[2], "Stop " + firstAlias);
  EXPECT_EQ(sent[3], "Close " + firstAlias) << "the first video cannot play on under the second";
  player.StopMovie();
  EXPECT_EQ(sent[sent.size() - 2], "Stop " + player.alias());
  EXPECT_EQ(sent.back(), "Close " + player.alias());
  EXPECT_FALSE(player.alias().empty()) << "StopMovie keeps the alias";
}

}  // namespace
}  // namespace quorlen
