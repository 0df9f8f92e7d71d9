// Wave audio on a mixer channel and MIDI music through SDL_mixer's
// synthesiser (skipped where the machine has no General MIDI sound font):
// the modes, positions and ranges the game's commands see, and what reaches
// the speakers of a range. A whole tone or piece played to its end is
// checked for every wave coding and MIDI form by the sound format tests.

#include <gtest/gtest.h>

#include <malloc.h>  // mallinfo2
#include <stdlib.h>  // unsetenv

#include <chrono>
#include <filesystem>

#include "backends/sdl/media/sound_fonts.h"
#include "backends/sdl_media/sdl_media_fixture.h"

namespace quorlen::testing {
namespace {

using namespace std::chrono_literals;

// Bytes the process's allocator holds for it; not what the sanitizers'
// own allocator holds.
std::int64_t heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

class SdlMusicTest : public SdlMediaTest {
 protected:
  void SetUp() override {
    if (!openTheOutputForMusic()) GTEST_SKIP() << "no General MIDI sound font installed";
  }

  // Opens `notes` half-second notes as `alias`, the way the game opens music.
  void openMidi(const std::string& alias, int notes) {
    ASSERT_EQ(open(addFile("Frames/" + alias + ".mid", pianoMidi(notes)), alias, "Sequencer").code, 0);
  }
};

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

using SdlSoundFontTest = SdlMediaTest;

bool anyFontInstalled() {
  for (const char* folder : {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3"}) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
      const std::string extension = entry.path().extension().string();
      if (extension == ".sf2" || extension == ".sf3") return true;
    }
  }
  return false;
}

TEST_F(SdlSoundFontTest, TheSystemsFontIsFoundWithoutSetUp) {
  if (!anyFontInstalled()) GTEST_SKIP() << "no sound font on this machine";
  unsetenv("SDL_SOUNDFONTS");
  openTheOutput();
  EXPECT_TRUE(sdl::haveMidiSoundFont()) << "fonts in use: " << sdl::midiSoundFonts();
  EXPECT_EQ(open(addFile("Frames/intro.mid", pianoMidi(1)), "mid7", "Sequencer").code, 0)
      << "music does not load with the font found";
}

TEST_F(SdlSoundFontTest, TheUsersChoiceWins) {
  if (!std::filesystem::exists(kSmallFont)) GTEST_SKIP() << "the small font is not installed";
  ASSERT_TRUE(openTheOutputForMusic());
  EXPECT_EQ(sdl::midiSoundFonts(), kSmallFont) << "SDL_SOUNDFONTS was passed over";
}

TEST_F(SdlMusicTest, DamagedMidiOpensAndPlaysNothing) {
  // A MIDI file is read as far as it goes, as the headless devices read it.
  for (const char* name : {"header-only.mid", "bad-track.mid"}) {
    ASSERT_EQ(open(addFile(std::string("Frames/") + name, malformedFile(name)), "mid7", "Sequencer").code, 0) << name;
    EXPECT_EQ(ask("Status mid7 length"), "0") << name << ": no notes can be read";
    ASSERT_EQ(send("Play mid7").code, 0);
    EXPECT_EQ(modeOf("mid7"), "stopped") << name << ": nothing to play ends at once";
    ASSERT_EQ(send("Close mid7").code, 0);
  }
}

TEST_F(SdlMusicTest, OneMusicAtATimePlaysWithTheSoundsOnOneSynthesiser) {
  // Each piece SDL_mixer loads makes a synthesiser with its own copy of the
  // sound font: the pieces not playing let go of theirs.
  const std::int64_t before = heapInUse();
  openMidi("mid1", 6);
  const std::int64_t one = heapInUse() - before;
  // A synthesiser with its sound font takes megabytes, unless the
  // allocator does not count them.
  const bool counted = one > 4'000'000;
  for (const char* alias : {"mid2", "mid3", "mid4"}) openMidi(alias, 6);
  if (counted) {
    EXPECT_LT(heapInUse() - before, one * 3 / 2) << "four pieces open hold more than one synthesiser";
  }
  ASSERT_EQ(open(addFile("Areas/door.wav", sineWave(22050, 800, 440.0)), "wav7", "Waveaudio").code, 0);
  ASSERT_EQ(send("Play mid1").code, 0);
  ASSERT_EQ(send("Play wav7").code, 0);
  runFor(300ms);
  EXPECT_EQ(modeOf("mid1"), "playing") << "the sound stopped the music";
  EXPECT_EQ(modeOf("wav7"), "playing") << "the music kept the sound from playing";
  ASSERT_EQ(send("Play mid2").code, 0);
  EXPECT_EQ(modeOf("mid1"), "stopped") << "one piece of music plays at a time; the first did not notice";
  EXPECT_EQ(modeOf("mid2"), "playing");
  if (counted) {
    EXPECT_LT(heapInUse() - before, one * 3 / 2) << "the piece taken over kept its synthesiser";
  }
  const std::uint64_t first = numberOf("Status mid1 position");
  EXPECT_GE(first, 250U) << "the first stopped where it was, not at its start";
  EXPECT_LT(first, 3000U) << "the first stopped where it was, not at its end";
  runWhilePlaying("wav7");
  EXPECT_EQ(modeOf("mid2"), "playing") << "the end of the sound ended the music";

  // The first piece, which let go of its synthesiser, plays again from its
  // start, to its end.
  ASSERT_EQ(send("Play mid1").code, 0);
  EXPECT_EQ(modeOf("mid2"), "stopped");
  EXPECT_LT(numberOf("Status mid1 position"), 250U) << "a piece taken over plays again from its start";
  const auto took = runWhilePlaying("mid1");
  EXPECT_GE(took, 2900ms) << "the piece loaded again ended early";
  EXPECT_LT(took, 3300ms) << "the piece loaded again ended late";
  const std::vector<std::int16_t> samples = closeAndReadOutput();
  EXPECT_GT(loudestRms(samples), 150.0) << "the music did not reach the output";
  EXPECT_GE(loudMilliseconds(samples, 30.0), 3500) << "music or sound missing from the output";
}

TEST_F(SdlMusicTest, PauseStopAndPlayAgainGoOnWhereTheMusicWas) {
  openMidi("mid7", 6);
  ASSERT_EQ(send("Play mid7").code, 0);
  runFor(300ms);
  ASSERT_EQ(send("Pause mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "paused");
  const std::uint64_t held = numberOf("Status mid7 position");
  runFor(300ms);
  EXPECT_EQ(modeOf("mid7"), "paused") << "paused music counted as finished";
  EXPECT_EQ(numberOf("Status mid7 position"), held) << "position moved while paused";
  ASSERT_EQ(send("Resume mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "playing");
  runFor(150ms);
  ASSERT_EQ(send("Play mid7").code, 0);
  EXPECT_GE(numberOf("Status mid7 position"), 350U) << "a second play started the music over";
  EXPECT_EQ(modeOf("mid7"), "playing");

  ASSERT_EQ(send("Stop mid7").code, 0);
  const std::uint64_t stoppedAt = numberOf("Status mid7 position");
  runFor(200ms);
  EXPECT_EQ(numberOf("Status mid7 position"), stoppedAt) << "position moved while stopped";
  ASSERT_EQ(send("Play mid7").code, 0);
  EXPECT_GE(numberOf("Status mid7 position"), stoppedAt) << "play after stop started over";
}

TEST_F(SdlMusicTest, RangesEndByTheClockAndStartWhereTheMusicReallyStarts) {
  openMidi("mid7", 6);
  ASSERT_EQ(send("Play mid7 from 0 to 600").code, 0);
  const auto took = runWhilePlaying("mid7");
  EXPECT_GE(took, 500ms);
  EXPECT_LT(took, 2000ms) << "the music played on past the end of its range";
  EXPECT_EQ(modeOf("mid7"), "stopped") << "mode turns stopped at the end of the range";
  EXPECT_EQ(ask("Status mid7 position"), "600");
  // The synthesiser cannot start in the middle: the music plays from its
  // beginning, and the position says so.
  ASSERT_EQ(send("Play mid7 from 2000").code, 0);
  EXPECT_EQ(modeOf("mid7"), "playing");
  EXPECT_LT(numberOf("Status mid7 position"), 1000U) << "position claims a start the music did not make";
}

}  // namespace
}  // namespace quorlen::testing
