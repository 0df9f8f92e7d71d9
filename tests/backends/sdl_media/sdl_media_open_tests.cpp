// What opening answers for files that are missing, unreadable or not media
// at all: the numbers the headless devices answer too.

#include <gtest/gtest.h>

#include <filesystem>

#include "backends/headless/media/headless_media_devices.h"
#include "backends/sdl_media/sdl_media_fixture.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using SdlMediaOpenTest = SdlMediaTest;

TEST_F(SdlMediaOpenTest, MissingFilesAreNotFound) {
  const std::string missing = folder.string() + "/Frames/nothing";
  EXPECT_EQ(send("Open \"" + missing + ".wav\" ALIAS wav7 TYPE Waveaudio wait").code,
            backends::kMediaErrFileNotFound);
  EXPECT_EQ(send("Open \"" + missing + ".mid\" ALIAS mid7 TYPE Sequencer wait").code,
            backends::kMediaErrFileNotFound);
  EXPECT_EQ(send("Open \"" + missing + ".avi\" ALIAS 23 TYPE AviVideo wait parent 4097 style child").code,
            backends::kMediaErrFileNotFound);
  EXPECT_TRUE(media->openDevices().empty()) << "a failed open left a device";
}

TEST_F(SdlMediaOpenTest, AFolderInPlaceOfASoundCannotBeRead) {
  std::filesystem::create_directories(folder / "Areas" / "door.wav");
  EXPECT_EQ(send("Open \"" + (folder / "Areas" / "door.wav").string() + "\" ALIAS wav7 TYPE Waveaudio wait").code,
            backends::kMediaErrFileRead);
}

TEST_F(SdlMediaOpenTest, DamagedCodedSoundsPlayWhatDecodesOrAreRefused) {
  // Wave codings that FFmpeg decodes for SDL_mixer: noise in place of GSM
  // frames cut inside a block still decodes (as noise); an MP3 coding with
  // no frame in it, and a format with no channels, give nothing to play.
  struct Expected {
    const char* name;
    int code;
  };
  for (const Expected& file : {Expected{"gsm-noise-cut.wav", 0},
                               Expected{"mp3-no-frames.wav", backends::kMediaErrInvalidFile},
                               Expected{"gsm-no-channels.wav", backends::kMediaErrInvalidFile}}) {
    const std::string path = addFile(std::string("Areas/") + file.name, malformedFile(file.name));
    ASSERT_EQ(send("Open \"" + path + "\" ALIAS x1 TYPE Waveaudio wait").code, file.code) << file.name;
    if (file.code != 0) continue;
    ASSERT_EQ(send("Play x1 wait").code, 0) << file.name;
    EXPECT_EQ(modeOf("x1"), "stopped") << file.name << ": the decoded part has an end";
    ASSERT_EQ(send("Close x1").code, 0);
  }
}

struct MalformedFile {
  const char* name;
  const char* type;
  // The headless devices read headers only: a coding or a stream that only
  // decoding finds wanting opens there.
  bool headlessRefuses = true;
};

class SdlMalformedMediaTest : public SdlMediaTest, public ::testing::WithParamInterface<MalformedFile> {};

TEST_P(SdlMalformedMediaTest, IsRefusedAsInvalid) {
  const std::string path = addFile(std::string("Frames/") + GetParam().name, malformedFile(GetParam().name));
  ASSERT_GT(std::filesystem::file_size(path), 0U) << "test file missing";
  std::string command = "Open \"" + path + "\" ALIAS x1 TYPE " + GetParam().type + " wait";
  if (std::string(GetParam().type) == "AviVideo") command += " parent 4097 style child";
  EXPECT_EQ(send(command).code, backends::kMediaErrInvalidFile) << GetParam().name;
  EXPECT_TRUE(media->openDevices().empty()) << "a refused file left a device";
  backends::HeadlessMediaDeviceFactory headlessFactory(*files);
  backends::MediaCommandInterpreter headless(headlessFactory);
  if (GetParam().headlessRefuses) {
    EXPECT_EQ(headless.sendString(command, 255).code, backends::kMediaErrInvalidFile)
        << GetParam().name << ": the headless devices answer otherwise";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SdlMalformedMediaTest,
    ::testing::Values(MalformedFile{"text.wav", "Waveaudio"}, MalformedFile{"cut-in-format.wav", "Waveaudio"},
                      MalformedFile{"no-data-chunk.wav", "Waveaudio"},
                      MalformedFile{"unknown-encoding.wav", "Waveaudio", false}, MalformedFile{"text.wav", "Sequencer"},
                      MalformedFile{"text.mid", "Sequencer"}, MalformedFile{"empty-rmid.rmi", "Sequencer"},
                      MalformedFile{"text.avi", "AviVideo"}, MalformedFile{"no-streams.avi", "AviVideo", false},
                      MalformedFile{"text.wav", "AviVideo"}),
    [](const ::testing::TestParamInfo<MalformedFile>& param) {
      std::string name = std::string(param.param.type) + "_" + param.param.name;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace quorlen::testing
