// What opening answers for files that are missing, unreadable, not media at
// all or media of another device's kind: the numbers the headless devices
// answer too.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "backends/media/media_test_files.h"
#include "backends/sdl_media/sdl_media_fixture.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using SdlMediaOpenTest = SdlMediaTest;

TEST_F(SdlMediaOpenTest, MissingFilesAreNotFoundAndFoldersCannotBeRead) {
  const std::string missing = folder.string() + "/Frames/nothing";
  EXPECT_EQ(open(missing + ".wav", "wav7", "Waveaudio").code, backends::kMediaErrFileNotFound);
  EXPECT_EQ(open(missing + ".mid", "mid7", "Sequencer").code, backends::kMediaErrFileNotFound);
  EXPECT_EQ(open(missing + ".avi", "23", "AviVideo").code, backends::kMediaErrFileNotFound);
  std::filesystem::create_directories(folder / "Areas" / "door.wav");
  EXPECT_EQ(open((folder / "Areas" / "door.wav").string(), "wav7", "Waveaudio").code, backends::kMediaErrFileRead)
      << "a folder in place of a sound";
  EXPECT_TRUE(media->openDevices().empty()) << "a failed open left a device";
}

TEST_F(SdlMediaOpenTest, WithoutItsModuleNothingPlaysAndOneLineSaysWhy) {
  media.reset();
  factory = std::make_unique<sdl::LazyMediaDevices>(*files, std::vector<std::filesystem::path>{folder / "nowhere"});
  media = std::make_unique<backends::MediaCommandInterpreter>(*factory);
  const std::string wave = addFile("Areas/door.wav", sineWave(22050, 100, 440.0));
  const std::string video = addFile("Frames/intro.avi", sineWave(22050, 100, 440.0));
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(open(wave, "wav7", "Waveaudio").code, backends::kMediaErrInvalidFile)
      << "a sound the player cannot play is refused as one it cannot read";
  EXPECT_EQ(open(video, "23", "AviVideo").code, backends::kMediaErrInvalidFile) << "a video likewise";
  EXPECT_EQ(open(folder.string() + "/none.mid", "mid7", "Sequencer").code, backends::kMediaErrFileNotFound)
      << "a missing file is still missing";
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line, once: " << said;
  EXPECT_NE(said.find(sdl::kMediaModuleFile), std::string::npos) << "the line names the module: " << said;
  EXPECT_FALSE(factory->loaded());
  EXPECT_TRUE(media->openDevices().empty()) << "a failed open left a device";
  factory->update();
  EXPECT_TRUE(factory->visibleVideos().empty()) << "the pump shows videos it has not got";
  EXPECT_FALSE(factory->nextWakeMilliseconds().has_value()) << "the pump wakes the loop for nothing";
}

TEST_F(SdlMediaOpenTest, ThePlayersLoudnessReachesTheMixerThroughTheModule) {
  factory->setOutputGain(64, 0);
  openTheOutput();
  EXPECT_EQ(Mix_VolumeMusic(-1), 11) << "loudness set before the module loaded is kept: half of 21 of 128";
  EXPECT_EQ(Mix_MasterVolume(-1), 0) << "muted sound";
  factory->setOutputGain(128, 128);
  EXPECT_EQ(Mix_VolumeMusic(-1), 21) << "music at the loudest level that does not clip";
  EXPECT_EQ(Mix_MasterVolume(-1), 128) << "sound at full";
}

TEST_F(SdlMediaOpenTest, ModulesAreNeverTakenFromAGameFolder) {
  const std::vector<std::filesystem::path> built = sdl::moduleFoldersOf(folder / "bin");
  ASSERT_EQ(built.size(), 2U) << "a program outside a game looks in its library folder and its own";
  EXPECT_EQ(built[1], folder / "bin") << "the build tree's modules sit beside the program";
  EXPECT_EQ(built[0].filename(), "quorlen") << "the installed modules have a folder of their own";
  EXPECT_NE(*built[0].lexically_relative(folder).begin(), "..")
      << "the installed modules are found from the program's place, in the installed tree";
  addFile("bin/CONFIG/general", "");
  EXPECT_EQ(sdl::moduleFoldersOf(folder / "bin"), std::vector<std::filesystem::path>{built[0]})
      << "a player copied into a game's folder loaded a module from the game";
}

TEST_F(SdlMediaOpenTest, MalformedFilesAreRefusedAsInvalidOrPlayWhatDecodes) {
  constexpr int kInvalid = backends::kMediaErrInvalidFile;
  struct Malformed {
    const char* name;
    const char* type;
    int code = kInvalid;
    // The headless devices read headers only: a coding or a stream that only
    // decoding finds wanting opens there.
    bool headlessRefuses = true;
    std::string bytes = malformedFile(name);
  };
  // Wave codings that FFmpeg decodes for SDL_mixer: noise in place of GSM
  // frames cut inside a block still decodes (as noise); an MP3 coding with
  // no frame in it, and a format with no channels, give nothing to play.
  for (const Malformed& file :
       {Malformed{"text.wav", "Waveaudio"}, Malformed{"cut-in-format.wav", "Waveaudio"},
        Malformed{"no-data-chunk.wav", "Waveaudio"}, Malformed{"unknown-encoding.wav", "Waveaudio", kInvalid, false},
        Malformed{"gsm-noise-cut.wav", "Waveaudio", 0, false},
        Malformed{"mp3-no-frames.wav", "Waveaudio", kInvalid, false},
        Malformed{"gsm-no-channels.wav", "Waveaudio", kInvalid, false}, Malformed{"text.wav", "Sequencer"},
        Malformed{"text.mid", "Sequencer"}, Malformed{"empty-rmid.rmi", "Sequencer"}, Malformed{"text.avi", "AviVideo"},
        Malformed{"no-streams.avi", "AviVideo", kInvalid, false}, Malformed{"text.wav", "AviVideo"},
        // A file is played only by the device of its kind, whatever its name
        // or what the libraries could make of it.
        Malformed{"wave.mid", "Sequencer", kInvalid, true, sineWave(22050, 800, 440.0)},
        Malformed{"midi.wav", "Waveaudio", kInvalid, true, pianoMidi(2)},
        Malformed{"rmid.wav", "Waveaudio", kInvalid, true, riffFile("RMID", {riffChunk("data", pianoMidi(2))})}}) {
    const std::string what = std::string(file.name) + " as " + file.type;
    const std::string path = addFile(std::string("Frames/") + file.name, file.bytes);
    ASSERT_GT(std::filesystem::file_size(path), 0U) << "test file missing: " << file.name;
    const std::string command = openCommand(path, "x1", file.type);
    ASSERT_EQ(send(command).code, file.code) << what;
    if (file.headlessRefuses) {
      EXPECT_EQ(headless->sendString(command, 255).code, file.code) << what << ": the headless answer differs";
    }
    if (file.code != 0) {
      EXPECT_TRUE(media->openDevices().empty()) << what << ": a refused file left a device";
      continue;
    }
    ASSERT_EQ(send("Play x1 wait").code, 0) << what;
    EXPECT_EQ(modeOf("x1"), "stopped") << what << ": the decoded part has an end";
    ASSERT_EQ(send("Close x1").code, 0);
  }
}

}  // namespace
}  // namespace quorlen::testing
