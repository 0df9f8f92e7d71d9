// Wave audio on a mixer channel: what reaches the speakers, and the modes,
// positions and ranges the game's commands see. A whole tone played to its
// end is checked for every wave coding by the sound format tests.

#include <gtest/gtest.h>

#include <chrono>

#include "backends/sdl_media/sdl_media_fixture.h"

namespace quorlen::testing {
namespace {

using namespace std::chrono_literals;

class SdlSoundTest : public SdlMediaTest {
 protected:
  // Opens a tone of `milliseconds` as the game opens an area's sound.
  void openTone(int milliseconds) {
    ASSERT_EQ(open(addFile("Areas/door.wav", sineWave(22050, milliseconds, 440.0)), "wav7", "Waveaudio").code, 0);
  }
};

TEST_F(SdlSoundTest, PlaysExactlyTheRangeAskedFor) {
  openTone(3000);
  ASSERT_EQ(send("Play wav7 from 1000 to 1400").code, 0);
  EXPECT_GE(numberOf("Status wav7 position"), 1000U) << "playing starts at from";
  const auto took = runWhilePlaying("wav7");
  EXPECT_GE(took, 300ms) << "the range ended early";
  EXPECT_LT(took, 1500ms) << "the range played on past its end";
  EXPECT_EQ(ask("Status wav7 position"), "1400") << "position at the end of the range";
  ASSERT_EQ(send("Close wav7").code, 0);
  EXPECT_NEAR(loudMilliseconds(closeAndReadOutput(), 3000.0), 400, 40) << "more or less than the range was heard";
}

TEST_F(SdlSoundTest, PauseStopAndSeekHoldThePositionAndPlayGoesOnFromIt) {
  openTone(2000);
  ASSERT_EQ(send("Play wav7").code, 0);
  runFor(300ms);
  ASSERT_EQ(send("Pause wav7").code, 0);
  EXPECT_EQ(modeOf("wav7"), "paused");
  const std::uint64_t held = numberOf("Status wav7 position");
  EXPECT_GE(held, 250U) << "position did not move while playing";
  runFor(300ms);
  EXPECT_EQ(numberOf("Status wav7 position"), held) << "position moved while paused";
  EXPECT_EQ(modeOf("wav7"), "paused") << "a paused sound counted as finished";
  ASSERT_EQ(send("Resume wav7").code, 0);
  EXPECT_EQ(modeOf("wav7"), "playing");
  runFor(200ms);
  EXPECT_GT(numberOf("Status wav7 position"), held + 100) << "resume did not go on";

  ASSERT_EQ(send("Stop wav7").code, 0);
  EXPECT_EQ(modeOf("wav7"), "stopped");
  const std::uint64_t stoppedAt = numberOf("Status wav7 position");
  runFor(200ms);
  EXPECT_EQ(numberOf("Status wav7 position"), stoppedAt) << "position moved while stopped";
  ASSERT_EQ(send("Play wav7").code, 0);
  EXPECT_GE(numberOf("Status wav7 position"), stoppedAt) << "play started over instead of going on";

  ASSERT_EQ(send("Seek wav7 to 1700").code, 0);
  EXPECT_EQ(modeOf("wav7"), "stopped") << "seek stops playing";
  EXPECT_EQ(ask("Status wav7 position"), "1700");
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(send("Play wav7 wait").code, 0);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, 250ms) << "\"play ... wait\" returned while playing";
  EXPECT_LT(took, 1200ms) << "played from the start rather than from the seek position";
  EXPECT_EQ(modeOf("wav7"), "stopped");
  EXPECT_EQ(ask("Status wav7 position"), "2000");
}

TEST_F(SdlSoundTest, SoundsNotPlayedOrClosedWhilePlayingAreNotHeard) {
  openTone(3000);
  runFor(300ms);
  ASSERT_EQ(send("Play wav7").code, 0);
  ASSERT_EQ(send("Close wav7").code, 0);
  runFor(400ms);
  const std::vector<std::int16_t> samples = closeAndReadOutput();
  ASSERT_GT(samples.size(), 44100U) << "the disk output wrote less than the time it ran";
  EXPECT_LT(loudMilliseconds(samples, 3000.0), 100) << "sound without a play command, or after the close";
}

}  // namespace
}  // namespace quorlen::testing
