// Wave audio on a mixer channel: what reaches the speakers, and the modes,
// positions and ranges the game's commands see.

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
    const std::string path = addFile("Areas/door.wav", sineWave(22050, milliseconds, 440.0));
    ASSERT_EQ(send("Open \"" + path + "\" ALIAS wav7 TYPE Waveaudio wait").code, 0);
  }
};

TEST_F(SdlSoundTest, WaveSoundReachesTheSpeakersAndStopsAtItsEnd) {
  openTone(600);
  EXPECT_EQ(ask("Status wav7 length"), "600") << "length in milliseconds";
  EXPECT_EQ(modeOf("wav7"), "stopped") << "a sound just opened is not playing";
  ASSERT_EQ(send("Play wav7").code, 0);
  EXPECT_EQ(modeOf("wav7"), "playing");

  const auto took = runWhilePlaying("wav7");
  EXPECT_EQ(modeOf("wav7"), "stopped") << "mode turns stopped at the end of the sound";
  EXPECT_GE(took, 500ms) << "the sound ended before it could have been heard";
  EXPECT_LT(took, 3000ms) << "the end of the sound was not noticed";
  EXPECT_EQ(ask("Status wav7 position"), "600") << "position at the end after the sound ran out";

  ASSERT_EQ(send("Close wav7").code, 0);
  const std::vector<std::int16_t> samples = closeAndReadOutput();
  EXPECT_GT(loudestRms(samples), 3000.0) << "the tone did not reach the output";
  EXPECT_NEAR(loudMilliseconds(samples, 3000.0), 600, 60) << "the tone played once, whole";
}

TEST_F(SdlSoundTest, ASoundNotPlayedLeavesTheOutputSilent) {
  openTone(600);
  runFor(300ms);
  const std::vector<std::int16_t> samples = closeAndReadOutput();
  ASSERT_FALSE(samples.empty()) << "the disk output wrote nothing at all";
  EXPECT_LT(loudestRms(samples), 50.0) << "sound without a play command";
}

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

TEST_F(SdlSoundTest, PauseHoldsThePositionAndResumeGoesOn) {
  openTone(3000);
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
}

TEST_F(SdlSoundTest, StopKeepsThePositionAndPlayGoesOnFromIt) {
  openTone(1500);
  ASSERT_EQ(send("Play wav7").code, 0);
  runFor(300ms);
  ASSERT_EQ(send("Stop wav7").code, 0);
  EXPECT_EQ(modeOf("wav7"), "stopped");
  const std::uint64_t stoppedAt = numberOf("Status wav7 position");
  EXPECT_GE(stoppedAt, 250U);
  EXPECT_LT(stoppedAt, 1500U);
  runFor(200ms);
  EXPECT_EQ(numberOf("Status wav7 position"), stoppedAt) << "position moved while stopped";

  ASSERT_EQ(send("Play wav7").code, 0);
  EXPECT_GE(numberOf("Status wav7 position"), stoppedAt) << "play started over instead of going on";
  const auto took = runWhilePlaying("wav7");
  EXPECT_LT(took, 1500ms - std::chrono::milliseconds(stoppedAt) + 500ms) << "the rest took too long";
}

TEST_F(SdlSoundTest, SeekStopsAndMovesThePosition) {
  openTone(2000);
  ASSERT_EQ(send("Play wav7").code, 0);
  ASSERT_EQ(send("Seek wav7 to 1700").code, 0);
  EXPECT_EQ(modeOf("wav7"), "stopped") << "seek stops playing";
  EXPECT_EQ(ask("Status wav7 position"), "1700");
  ASSERT_EQ(send("Play wav7").code, 0);
  const auto took = runWhilePlaying("wav7");
  EXPECT_LT(took, 1200ms) << "played from the start rather than from the seek position";
  EXPECT_EQ(ask("Status wav7 position"), "2000");
}

TEST_F(SdlSoundTest, PlayWaitReturnsOnlyAfterTheEnd) {
  openTone(500);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(send("Play wav7 wait").code, 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 450ms) << "\"play ... wait\" returned while playing";
  EXPECT_EQ(modeOf("wav7"), "stopped");
  EXPECT_EQ(ask("Status wav7 position"), "500");
}

TEST_F(SdlSoundTest, ClosingAPlayingSoundSilencesIt) {
  openTone(3000);
  ASSERT_EQ(send("Play wav7").code, 0);
  ASSERT_EQ(send("Close wav7").code, 0);
  runFor(400ms);
  EXPECT_LT(loudMilliseconds(closeAndReadOutput(), 3000.0), 100) << "the sound played on after it was closed";
}

}  // namespace
}  // namespace quorlen::testing
