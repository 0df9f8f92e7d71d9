// Driving open devices: modes, positions, status replies, closing, and the
// end-of-playback hook the headless runner uses.

#include <gtest/gtest.h>

#include "backends/media/media_test_fixture.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using backends::MediaGroup;
using backends::MediaMode;

class MediaPlaybackTest : public MediaTest {
 protected:
  MediaPlaybackTest() {
    EXPECT_EQ(send(R"(Open "/games/tale/Frames/intro.mid" ALIAS mid7 TYPE Sequencer wait)").code, 0);
    EXPECT_EQ(send(R"(Open "/games/tale/Areas/door.wav" ALIAS wav7 TYPE Waveaudio wait)").code, 0);
    EXPECT_EQ(send(R"(Open "/games/tale/Frames/intro.avi" ALIAS 23 TYPE AviVideo wait parent 4097 style child)").code,
              0);
  }
};

TEST_F(MediaPlaybackTest, ModesFollowPlayPauseResumeStopAndShowInTheListing) {
  EXPECT_EQ(modeOf("mid7"), "stopped") << "freshly opened";
  ASSERT_EQ(send("Play mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "playing");
  EXPECT_EQ(modeOf("wav7"), "stopped") << "play reached another device";
  ASSERT_EQ(send("Pause mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "paused");
  ASSERT_EQ(send("resume mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "playing");
  ASSERT_EQ(send("Stop mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "stopped");
  ASSERT_EQ(send("Pause mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "stopped") << "pause turned a stopped device into a paused one";
  ASSERT_EQ(send("Resume mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "stopped") << "resume started a device that was not paused";
  ASSERT_EQ(send("Play wav7").code, 0);
  ASSERT_EQ(send("play 23").code, 0);
  ASSERT_EQ(send("Pause 23").code, 0);
  const auto devices = media.openDevices();
  ASSERT_EQ(devices.size(), 3U);
  EXPECT_EQ(devices[0].mode, MediaMode::Stopped) << "the listing shows each device's mode now";
  EXPECT_EQ(devices[1].mode, MediaMode::Playing);
  EXPECT_EQ(devices[2].mode, MediaMode::Paused);
}

TEST_F(MediaPlaybackTest, PlayingEndsOnlyWhenToldOrAtTheEnd) {
  ASSERT_EQ(send("play 23").code, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(modeOf("23"), "playing") << "video ended on its own";
  EXPECT_EQ(ask("status 23 position"), "0") << "headless position moved without a clock";

  EXPECT_EQ(media.endPlayback("23"), 0);
  EXPECT_EQ(modeOf("23"), "stopped") << "end hook";
  EXPECT_EQ(ask("status 23 position"), "4000") << "an ended device stands at its end";
  EXPECT_EQ(media.endPlayback("nobody"), backends::kMediaErrInvalidDeviceName);
  ASSERT_EQ(send("Play wav7 wait").code, 0);
  EXPECT_EQ(modeOf("wav7"), "stopped") << "play wait returned while playing";
  EXPECT_EQ(ask("Status wav7 position"), "2500");
  ASSERT_EQ(send("Play wav7").code, 0);
  EXPECT_EQ(modeOf("wav7"), "stopped") << "nothing is left to play after the end";
  ASSERT_EQ(send("Seek wav7 to start").code, 0);
  ASSERT_EQ(send("Play wav7").code, 0);
  EXPECT_EQ(modeOf("wav7"), "playing") << "seeking to the start lets it play again";
}

TEST_F(MediaPlaybackTest, EndHookReachesGroups) {
  ASSERT_EQ(send("Play mid7").code, 0);
  ASSERT_EQ(send("Play wav7").code, 0);
  ASSERT_EQ(send("play 23").code, 0);
  EXPECT_EQ(media.endPlayback(MediaGroup::Audio), 2U) << "audio is wave and sequencer";
  EXPECT_EQ(modeOf("mid7"), "stopped");
  EXPECT_EQ(modeOf("wav7"), "stopped");
  EXPECT_EQ(modeOf("23"), "playing") << "ending audio ended the video";
  EXPECT_EQ(media.endPlayback(MediaGroup::Video), 1U);
  EXPECT_EQ(modeOf("23"), "stopped");

  ASSERT_EQ(send("play mid7").code, 0);
  ASSERT_EQ(send("seek mid7 to 0").code, 0);
  ASSERT_EQ(send("play mid7").code, 0);
  ASSERT_EQ(send("pause mid7").code, 0);
  EXPECT_EQ(media.endPlayback(MediaGroup::Audio), 0U) << "a paused device has no end coming";
  EXPECT_EQ(modeOf("mid7"), "paused");
}

TEST_F(MediaPlaybackTest, RangesAndSeeking) {
  EXPECT_EQ(ask("Status mid7 length"), "5000");
  ASSERT_EQ(send("Seek mid7 to 1500").code, 0);
  EXPECT_EQ(ask("Status mid7 position"), "1500");
  ASSERT_EQ(send("Play mid7 to 3000").code, 0);
  ASSERT_EQ(send("Pause mid7").code, 0);
  ASSERT_EQ(send("Resume mid7").code, 0);
  ASSERT_EQ(media.endPlayback("mid7"), 0);
  EXPECT_EQ(ask("Status mid7 position"), "3000") << "resume forgot where the range ends";

  ASSERT_EQ(send("play mid7 from 1000 wait").code, 0);
  EXPECT_EQ(ask("status mid7 position"), "5000") << "play from N runs to the end";
  ASSERT_EQ(send("seek mid7 to end").code, 0);
  EXPECT_EQ(ask("status mid7 position"), "5000");

  ASSERT_EQ(send("play mid7 from 0").code, 0);
  ASSERT_EQ(send("seek mid7 to 200").code, 0);
  EXPECT_EQ(modeOf("mid7"), "stopped") << "seek stops playback";

  EXPECT_EQ(send("Seek mid7 to 5001").code, backends::kMediaErrOutOfRange);
  EXPECT_EQ(send("play mid7 from 6000").code, backends::kMediaErrOutOfRange);
  EXPECT_EQ(send("play mid7 to 6000").code, backends::kMediaErrOutOfRange);
  EXPECT_EQ(send("play mid7 from 300 to 100").code, backends::kMediaErrOutOfRange);
  EXPECT_EQ(send("play mid7 to 100").code, backends::kMediaErrOutOfRange) << "to before the position";
  EXPECT_EQ(ask("status mid7 position"), "200") << "a refused command moved the device";
  EXPECT_EQ(modeOf("mid7"), "stopped") << "a refused play started the device";

  EXPECT_EQ(send("Seek mid7 to soon").code, backends::kMediaErrBadInteger);
  EXPECT_EQ(send("Seek mid7").code, backends::kMediaErrMissingParameter);
  EXPECT_EQ(send("play mid7 from").code, backends::kMediaErrMissingParameter);
  EXPECT_EQ(send("play mid7 from -5").code, backends::kMediaErrBadInteger);
  EXPECT_EQ(send("play mid7 backwards").code, backends::kMediaErrUnrecognizedKeyword);
}

TEST_F(MediaPlaybackTest, StatusRepliesAndRefusals) {
  EXPECT_EQ(ask("status wav7 length"), "2500");
  EXPECT_EQ(ask("status 23 length"), "4000");
  EXPECT_EQ(ask("status wav7 ready"), "true");
  EXPECT_EQ(ask("status wav7 mode wait"), "stopped") << "wait is a flag of every command";
  EXPECT_EQ(send("status wav7").code, backends::kMediaErrMissingParameter);
  EXPECT_EQ(send("status wav7 volume").code, backends::kMediaErrUnrecognizedKeyword);
  EXPECT_EQ(send("status wav7 mode length").code, backends::kMediaErrFlagsNotCompatible);
  EXPECT_EQ(send("status wav7 mode").text, "stopped");
  EXPECT_EQ(send("status wav7 volume").text, "") << "failed status answered text";
  ASSERT_EQ(send("Play mid7").code, 0);
  EXPECT_EQ(send("Status mid7 mode", 8).text, "playing") << "exactly fits with its terminator";
  EXPECT_EQ(send("Status mid7 mode", 7).text, "playin") << "capacity counts the terminator";
  EXPECT_EQ(send("Status mid7 mode", 5).text, "play");
  EXPECT_EQ(send("Status mid7 mode", 1).text, "");
  const platform::MediaReply none = send("Status mid7 mode", 0);
  EXPECT_EQ(none.code, 0) << "no reply wanted is no error";
  EXPECT_EQ(none.text, "");
  for (const char* command : {"status mid8 mode", "close mid8", "play mid8", "stop mid8", "pause mid8",
                              "resume mid8", "seek mid8 to 0"}) {
    const platform::MediaReply reply = send(command);
    EXPECT_EQ(reply.code, backends::kMediaErrInvalidDeviceName) << command;
    EXPECT_EQ(reply.text, "") << command;
  }
  EXPECT_EQ(send("Status").code, backends::kMediaErrMissingDeviceName);
  EXPECT_EQ(send("play all").code, backends::kMediaErrCannotUseAll);
  // A game that lost its alias writes the words around it.
  const platform::MediaReply reply = send("Status  mode");
  EXPECT_NE(reply.code, 0) << "'mode' taken as the alias, or an empty alias accepted";
  EXPECT_EQ(reply.text, "");
  EXPECT_EQ(send("Play  wait").code, backends::kMediaErrInvalidDeviceName);
  EXPECT_EQ(ask("Status mid7  mode"), "playing") << "later runs of blanks separate like one";
}

TEST_F(MediaPlaybackTest, CloseFreesTheAlias) {
  ASSERT_EQ(send("Play mid7").code, 0);
  ASSERT_EQ(send("Close mid7").code, 0);
  EXPECT_EQ(media.find("mid7"), nullptr);
  EXPECT_EQ(send("Status mid7 mode").code, backends::kMediaErrInvalidDeviceName) << "closed device still answers";
  EXPECT_EQ(send(R"(Open "/games/tale/Areas/door.wav" ALIAS mid7 TYPE Waveaudio wait)").code, 0)
      << "alias still held after close";
  EXPECT_EQ(media.openDevices().back().type, backends::MediaDeviceType::WaveAudio);
  EXPECT_EQ(send("Close mid7 now").code, backends::kMediaErrUnrecognizedKeyword);
  EXPECT_NE(media.find("mid7"), nullptr) << "a refused close closed";

  ASSERT_EQ(send("close ALL wait").code, 0);
  EXPECT_TRUE(media.openDevices().empty()) << "close all left devices";
  EXPECT_EQ(send("close all").code, 0) << "closing nothing is fine";
}

}  // namespace
}  // namespace quorlen::testing
