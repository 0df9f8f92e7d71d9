// MIDI music through SDL_mixer's synthesiser, and audio of either kind on
// either device type: what reaches the speakers and what the modes say.
// Skipped where the machine has no General MIDI sound font.

#include <gtest/gtest.h>

#include <stdlib.h>  // setenv, unsetenv

#include <chrono>
#include <filesystem>

#include "backends/media/media_test_files.h"
#include "backends/sdl/media/sound_fonts.h"
#include "backends/sdl_media/sdl_media_fixture.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using namespace std::chrono_literals;

// The small General MIDI font of Debian loads in a fraction of the time the
// system's default takes; the tests name it the way a user would.
constexpr const char* kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class SdlMusicTest : public SdlMediaTest {
 protected:
  void SetUp() override {
    if (std::filesystem::exists(kSmallFont)) setenv("SDL_SOUNDFONTS", kSmallFont, 1);
    openTheOutput();
    if (!sdl::haveMidiSoundFont()) GTEST_SKIP() << "no General MIDI sound font installed";
  }
  void TearDown() override { unsetenv("SDL_SOUNDFONTS"); }

  // Opens `notes` half-second notes as `alias`, the way the game opens
  // music (type "Sequencer") or a sound (type "Waveaudio").
  void openMidi(const std::string& alias, int notes, const std::string& type = "Sequencer") {
    const std::string path = addFile("Frames/" + alias + ".mid", pianoMidi(notes));
    ASSERT_EQ(send("Open \"" + path + "\" ALIAS " + alias + " TYPE " + type + " wait").code, 0);
  }
};

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
  const std::string path = addFile("Frames/intro.mid", pianoMidi(1));
  EXPECT_EQ(send("Open \"" + path + "\" ALIAS mid7 TYPE Sequencer wait").code, 0)
      << "music does not load with the font found";
}

TEST_F(SdlSoundFontTest, TheUsersChoiceWins) {
  if (!std::filesystem::exists(kSmallFont)) GTEST_SKIP() << "the small font is not installed";
  setenv("SDL_SOUNDFONTS", kSmallFont, 1);
  openTheOutput();
  unsetenv("SDL_SOUNDFONTS");
  EXPECT_EQ(sdl::midiSoundFonts(), kSmallFont) << "SDL_SOUNDFONTS was passed over";
}

TEST_F(SdlMusicTest, MidiMusicReachesTheSpeakersAndStopsAtItsEnd) {
  openMidi("mid7", 3);
  EXPECT_EQ(ask("Status mid7 length"), "1500") << "length from the MIDI file, in milliseconds";
  ASSERT_EQ(send("Play mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "playing");
  const auto took = runWhilePlaying("mid7");
  EXPECT_EQ(modeOf("mid7"), "stopped") << "mode turns stopped when the music has run out";
  EXPECT_GE(took, 1400ms) << "the music ended before its notes";
  EXPECT_LT(took, 5000ms) << "the end of the music was not noticed";
  EXPECT_EQ(ask("Status mid7 position"), "1500");
  ASSERT_EQ(send("Close mid7").code, 0);
  EXPECT_GT(loudestRms(closeAndReadOutput()), 150.0) << "the synthesiser's notes did not reach the output";
}

TEST_F(SdlMusicTest, DamagedMidiOpensAndPlaysNothing) {
  // A MIDI file is read as far as it goes, as the headless devices read it.
  for (const char* name : {"header-only.mid", "bad-track.mid"}) {
    const std::string path = addFile(std::string("Frames/") + name, malformedFile(name));
    ASSERT_EQ(send("Open \"" + path + "\" ALIAS mid7 TYPE Sequencer wait").code, 0) << name;
    EXPECT_EQ(ask("Status mid7 length"), "0") << name << ": no notes can be read";
    ASSERT_EQ(send("Play mid7").code, 0);
    EXPECT_EQ(modeOf("mid7"), "stopped") << name << ": nothing to play ends at once";
    ASSERT_EQ(send("Close mid7").code, 0);
  }
}

TEST_F(SdlMusicTest, RmidFileOpensAsMusic) {
  const std::string path = addFile("Frames/theme.rmi", riffFile("RMID", {riffChunk("data", pianoMidi(2))}));
  ASSERT_EQ(send("Open \"" + path + "\" ALIAS rmi7 TYPE Sequencer wait").code, 0);
  EXPECT_EQ(ask("Status rmi7 length"), "1000") << "the MIDI data inside the RMID file";
}

TEST_F(SdlMusicTest, MusicAndSoundPlayTogether) {
  openMidi("mid7", 4);
  const std::string sound = addFile("Areas/door.wav", sineWave(22050, 800, 440.0));
  ASSERT_EQ(send("Open \"" + sound + "\" ALIAS wav7 TYPE Waveaudio wait").code, 0);
  ASSERT_EQ(send("Play mid7").code, 0);
  ASSERT_EQ(send("Play wav7").code, 0);
  runFor(300ms);
  EXPECT_EQ(modeOf("mid7"), "playing") << "the sound stopped the music";
  EXPECT_EQ(modeOf("wav7"), "playing") << "the music kept the sound from playing";
  runWhilePlaying("wav7");
  EXPECT_EQ(modeOf("mid7"), "playing") << "the end of the sound ended the music";
}

TEST_F(SdlMusicTest, EachTypeRefusesTheOthersFiles) {
  // As the headless devices do: a file is played only by the device of its
  // kind, whatever its name or what the libraries could make of it.
  const std::string wave = addFile("Frames/theme.mid", sineWave(22050, 800, 440.0));
  EXPECT_EQ(send("Open \"" + wave + "\" ALIAS wav3 TYPE Sequencer wait").code, backends::kMediaErrInvalidFile)
      << "a wave file opened as a sequencer";
  const std::string midi = addFile("Areas/door.wav", pianoMidi(2));
  EXPECT_EQ(send("Open \"" + midi + "\" ALIAS mid3 TYPE Waveaudio wait").code, backends::kMediaErrInvalidFile)
      << "a MIDI file opened as wave audio";
  const std::string rmid = addFile("Areas/theme.wav", riffFile("RMID", {riffChunk("data", pianoMidi(2))}));
  EXPECT_EQ(send("Open \"" + rmid + "\" ALIAS rmi3 TYPE Waveaudio wait").code, backends::kMediaErrInvalidFile)
      << "an RMID file opened as wave audio";
  EXPECT_TRUE(media->openDevices().empty()) << "a refused file left a device";
}

TEST_F(SdlMusicTest, ASecondPieceOfMusicStopsTheFirst) {
  openMidi("mid1", 6);
  openMidi("mid2", 6);
  ASSERT_EQ(send("Play mid1").code, 0);
  runFor(300ms);
  ASSERT_EQ(send("Play mid2").code, 0);
  EXPECT_EQ(modeOf("mid1"), "stopped") << "one piece of music plays at a time; the first did not notice";
  EXPECT_EQ(modeOf("mid2"), "playing");
  const std::uint64_t first = numberOf("Status mid1 position");
  EXPECT_GE(first, 250U) << "the first stopped where it was, not at its start";
  EXPECT_LT(first, 3000U) << "the first stopped where it was, not at its end";
}

TEST_F(SdlMusicTest, StoppedMusicGoesOnWhereItStopped) {
  openMidi("mid7", 6);
  ASSERT_EQ(send("Play mid7").code, 0);
  runFor(400ms);
  ASSERT_EQ(send("Stop mid7").code, 0);
  const std::uint64_t stoppedAt = numberOf("Status mid7 position");
  runFor(200ms);
  EXPECT_EQ(numberOf("Status mid7 position"), stoppedAt) << "position moved while stopped";
  ASSERT_EQ(send("Play mid7").code, 0);
  EXPECT_GE(numberOf("Status mid7 position"), stoppedAt) << "play after stop started over";
}

TEST_F(SdlMusicTest, PlayWhilePlayingGoesOn) {
  openMidi("mid7", 6);
  ASSERT_EQ(send("Play mid7").code, 0);
  runFor(400ms);
  ASSERT_EQ(send("Play mid7").code, 0);
  EXPECT_GE(numberOf("Status mid7 position"), 350U) << "a second play started the music over";
  EXPECT_EQ(modeOf("mid7"), "playing");
}

TEST_F(SdlMusicTest, PauseAndResumeMusic) {
  openMidi("mid7", 6);
  ASSERT_EQ(send("Play mid7").code, 0);
  runFor(300ms);
  ASSERT_EQ(send("Pause mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "paused");
  const std::uint64_t held = numberOf("Status mid7 position");
  runFor(300ms);
  EXPECT_EQ(modeOf("mid7"), "paused") << "paused music counted as finished";
  EXPECT_EQ(numberOf("Status mid7 position"), held);
  ASSERT_EQ(send("Resume mid7").code, 0);
  EXPECT_EQ(modeOf("mid7"), "playing");
}

TEST_F(SdlMusicTest, MusicFromTheMiddleReportsWhereItReallyStarts) {
  // The synthesiser cannot start in the middle: the music plays from its
  // beginning, and the position says so.
  openMidi("mid7", 6);
  ASSERT_EQ(send("Play mid7 from 2000").code, 0);
  EXPECT_EQ(modeOf("mid7"), "playing");
  EXPECT_LT(numberOf("Status mid7 position"), 1000U) << "position claims a start the music did not make";
}

TEST_F(SdlMusicTest, MusicRangeEndsByTheClock) {
  openMidi("mid7", 6);
  ASSERT_EQ(send("Play mid7 from 0 to 600").code, 0);
  const auto took = runWhilePlaying("mid7");
  EXPECT_GE(took, 500ms);
  EXPECT_LT(took, 2000ms) << "the music played on past the end of its range";
  EXPECT_EQ(ask("Status mid7 position"), "600");
}

}  // namespace
}  // namespace quorlen::testing
