// FFmpeg is mapped only when a video or a wave only FFmpeg decodes is first
// opened: music and ordinary sounds play without it, and without the codecs
// module those files are refused as files that cannot be played. A program
// of its own, as the other media tests link FFmpeg themselves.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "backends/sdl/media/codecs.h"
#include "backends/sdl/shared_module.h"
#include "backends/sdl_media/sdl_media_fixture.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

bool ffmpegMapped() {
  std::ifstream maps("/proc/self/maps");
  std::stringstream text;
  text << maps.rdbuf();
  return text.str().find("libavcodec") != std::string::npos || text.str().find("libavformat") != std::string::npos;
}

using SdlMediaModulesTest = SdlMediaTest;

TEST_F(SdlMediaModulesTest, MusicAndSoundsPlayWithoutFfmpegUntilAWaveNeedsIt) {
  ASSERT_FALSE(ffmpegMapped()) << "the test program itself maps FFmpeg";
  if (openTheOutputForMusic()) {
    ASSERT_EQ(open(addFile("Frames/theme.mid", pianoMidi(2)), "mid7", "Sequencer").code, 0);
    ASSERT_EQ(send("Play mid7").code, 0);
    runFor(std::chrono::milliseconds(200));
    EXPECT_EQ(modeOf("mid7"), "playing");
  }
  ASSERT_EQ(open(addFile("Areas/door.wav", sineWave(22050, 100, 440.0)), "wav7", "Waveaudio").code, 0);
  ASSERT_EQ(send("Play wav7 wait").code, 0);
  EXPECT_TRUE(factory->loaded());
  EXPECT_FALSE(ffmpegMapped()) << "music and ordinary sounds mapped FFmpeg";

  ASSERT_EQ(open(addFile("Areas/gsm.wav", malformedFile("gsm-noise-cut.wav")), "wav8", "Waveaudio").code, 0)
      << "a GSM wave, which only FFmpeg decodes";
  ASSERT_EQ(send("Play wav8 wait").code, 0);
  EXPECT_TRUE(ffmpegMapped()) << "the wave was decoded without the codecs module?";
}

TEST_F(SdlMediaModulesTest, WithoutTheCodecsModuleVideosAndRareWavesAreRefused) {
  // The media module alone, in a folder of its own.
  std::filesystem::path module;
  for (const std::filesystem::path& place : sdl::moduleFolders()) {
    if (std::filesystem::exists(place / sdl::kMediaModuleFile)) module = place / sdl::kMediaModuleFile;
  }
  ASSERT_FALSE(module.empty()) << "the media module is not beside the test program";
  std::filesystem::create_directories(folder / "modules");
  std::filesystem::create_symlink(std::filesystem::canonical(module), folder / "modules" / sdl::kMediaModuleFile);
  media.reset();
  factory = std::make_unique<sdl::LazyMediaDevices>(*files, std::vector<std::filesystem::path>{folder / "modules"});
  media = std::make_unique<backends::MediaCommandInterpreter>(*factory);
  openTheOutput();  // SDL's disk driver says so on the standard error

  ::testing::internal::CaptureStderr();
  EXPECT_EQ(open(addFile("Areas/door.wav", sineWave(22050, 100, 440.0)), "wav7", "Waveaudio").code, 0)
      << "an ordinary sound plays without FFmpeg";
  EXPECT_EQ(open(addFile("Areas/gsm.wav", malformedFile("gsm-noise-cut.wav")), "wav8", "Waveaudio").code,
            backends::kMediaErrInvalidFile)
      << "a wave only FFmpeg decodes is refused as one the player cannot read";
  EXPECT_EQ(open(addFile("Frames/intro.avi", malformedFile("text.avi")), "23", "AviVideo").code,
            backends::kMediaErrInvalidFile)
      << "a video likewise";
  EXPECT_EQ(open(folder.string() + "/Frames/none.avi", "24", "AviVideo").code, backends::kMediaErrFileNotFound)
      << "a missing video is still missing";
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line, once: " << said;
  EXPECT_NE(said.find(sdl::kCodecsModuleFile), std::string::npos) << "the line names the module: " << said;
  EXPECT_EQ(media->openDevices().size(), 1U) << "only the ordinary sound is open";
}

}  // namespace
}  // namespace quorlen::testing
