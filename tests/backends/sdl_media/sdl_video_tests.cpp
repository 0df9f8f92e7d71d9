// Videos through FFmpeg, in the codecs of the era, with a sound track:
// every frame decoded in step with the clock, the picture handed to the
// display, the sound mixed in, and the mode the game's video wait polls.
// The videos are made with the ffmpeg program; without it the tests skip.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "backends/sdl/media/ffmpeg_handles.h"
#include "backends/sdl/media/video_device.h"
#include "backends/sdl_media/sdl_media_fixture.h"
#include "backends/shared/media/media_errors.h"

namespace quorlen::testing {
namespace {

using namespace std::chrono_literals;

struct Codec {
  const char* name;
  const char* options;  // for the ffmpeg program
  // Ten frames at ten a second; an MP3 encoder's padding makes the sound,
  // and so the file, a frame longer.
  const char* length = "1000";
};

constexpr const char* kCinepak = "-c:v cinepak";

class SdlVideoTest : public SdlMediaTest {
 protected:
  void SetUp() override {
    if (std::string(QUORLEN_FFMPEG_PROGRAM).empty()) GTEST_SKIP() << "no ffmpeg program to make the videos with";
  }

  // A video of 160 x 120, `rate` frames a second, `seconds` long, with a
  // tone in PCM as its sound track (or none); answers its path.
  std::string makeVideo(const std::string& relative, const std::string& options, bool withSound = true,
                        int rate = 10, int seconds = 1) {
    const std::string path = (folder / relative).string();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::string command = "\"" + std::string(QUORLEN_FFMPEG_PROGRAM) + "\" -nostdin -hide_banner -loglevel error -y " +
                          "-f lavfi -i testsrc=size=160x120:rate=" + std::to_string(rate) + " ";
    if (withSound) command += "-f lavfi -i sine=frequency=440:sample_rate=22050 -c:a pcm_s16le -ac 1 ";
    command += "-t " + std::to_string(seconds) + " " + options + " \"" + path + "\"";
    EXPECT_EQ(std::system(command.c_str()), 0) << "ffmpeg did not make " << relative;
    return path;
  }

  // Opens `path` the way the game opens a video in a control whose window
  // is 4097, and plays it.
  void openAndPlay(const std::string& path, const std::string& alias = "23") {
    ASSERT_EQ(open(path, alias, "AviVideo").code, 0);
    ASSERT_EQ(send("play " + alias).code, 0);
  }

  [[nodiscard]] const sdl::VideoDevice& device(const std::string& alias) {
    return dynamic_cast<const sdl::VideoDevice&>(*media->find(alias));
  }
};

// The share of a frame's pixels that are not dark.
double litShare(const sdl::VideoFrameView& view) {
  int lit = 0;
  for (int i = 0; i < view.width * view.height; ++i) lit += view.rgba[4 * i] + view.rgba[4 * i + 1] > 100 ? 1 : 0;
  return static_cast<double>(lit) / (view.width * view.height);
}

class SdlVideoCodecTest : public SdlVideoTest, public ::testing::WithParamInterface<Codec> {};

TEST_P(SdlVideoCodecTest, PlaysToItsEndWithEveryFrameAndItsSound) {
  ASSERT_EQ(open(makeVideo("Frames/intro.avi", GetParam().options), "23", "AviVideo").code, 0);
  EXPECT_EQ(ask("Status 23 length"), GetParam().length) << "the length of the longer stream";
  EXPECT_TRUE(factory->visibleVideos().empty()) << "a video shows nothing before it plays";
  ASSERT_EQ(send("play 23").code, 0);
  EXPECT_EQ(ask("Status 23 mode"), "playing");
  EXPECT_TRUE(device("23").hasSound()) << "the sound track was not found";

  const auto took = runWhilePlaying("23");
  EXPECT_EQ(ask("Status 23 mode"), "stopped") << "the video wait ends on this";
  EXPECT_GE(took, 900ms) << "the video ran faster than its frame rate";
  EXPECT_LT(took, 3000ms) << "the end of the video was not noticed";
  EXPECT_EQ(device("23").framesDecoded(), 10U) << "frames lost or invented";
  EXPECT_EQ(ask("Status 23 position"), GetParam().length);

  const std::vector<sdl::VideoFrameView> shown = factory->visibleVideos();
  ASSERT_EQ(shown.size(), 1U) << "the last frame stays after the end, until the video closes";
  EXPECT_EQ(shown[0].parentWindow, 4097U) << "drawn in the window the game named";
  EXPECT_EQ(shown[0].width, 160);
  EXPECT_EQ(shown[0].height, 120);
  ASSERT_NE(shown[0].rgba, nullptr);
  EXPECT_GT(litShare(shown[0]), 0.25) << "the picture is (nearly) black";
  EXPECT_EQ(shown[0].rgba[3], 255) << "the picture is opaque";

  ASSERT_EQ(send("Stop 23").code, 0);
  ASSERT_EQ(send("Close 23").code, 0);
  EXPECT_TRUE(factory->visibleVideos().empty()) << "a closed video stays on the display";
  const std::vector<std::int16_t> samples = closeAndReadOutput();
  EXPECT_GT(loudestRms(samples), 1000.0) << "the sound track did not reach the output";
  EXPECT_NEAR(loudMilliseconds(samples, 1000.0), 1000, 100) << "the sound track played once, whole";
}

INSTANTIATE_TEST_SUITE_P(OldCodecs, SdlVideoCodecTest,
                         ::testing::Values(Codec{"Cinepak", "-c:v cinepak"}, Codec{"MicrosoftVideo1", "-c:v msvideo1"},
                                           Codec{"MotionJpeg", "-c:v mjpeg -q:v 4"},
                                           Codec{"Palette8Uncompressed", "-c:v rawvideo -pix_fmt pal8"},
                                           Codec{"Uncompressed24", "-c:v rawvideo -pix_fmt bgr24"},
                                           Codec{"ImaAdpcmSound", "-c:v cinepak -c:a adpcm_ima_wav"},
                                           Codec{"MsAdpcmSound", "-c:v cinepak -c:a adpcm_ms"},
                                           Codec{"Mp3Sound", "-c:v cinepak -c:a libmp3lame", "1100"}),
                         [](const ::testing::TestParamInfo<Codec>& param) { return std::string(param.param.name); });

TEST(SdlVideoDecoders, IndeoVideosWouldDecode) {
  // No program makes Indeo videos and no package ships one: the decoders
  // FFmpeg brings for them are at least there.
  for (const AVCodecID codec : {AV_CODEC_ID_INDEO3, AV_CODEC_ID_INDEO4, AV_CODEC_ID_INDEO5}) {
    EXPECT_NE(avcodec_find_decoder(codec), nullptr) << avcodec_get_name(codec) << " is missing from FFmpeg";
  }
}

using SdlOldVideoTest = SdlMediaTest;

TEST_F(SdlOldVideoTest, EightBitCodecsMadeByHandPlay) {
  // Microsoft RLE and 8-bit Microsoft Video 1, which the ffmpeg program
  // cannot make: bright bars 16 pixels wide on black, moving 4 pixels a frame.
  const std::string made = (folder / "Frames").string();
  const std::string command = "python3 \"" + std::string(QUORLEN_MAKE_OLD_VIDEOS) + "\" \"" + made + "\"";
  if (std::system(command.c_str()) != 0) GTEST_SKIP() << "no python3 to make the videos with";
  for (const char* name : {"msrle.avi", "msvideo1-8bit.avi"}) {
    const std::string openIt = openCommand(made + "/" + name, "23", "AviVideo");
    ASSERT_EQ(send(openIt).code, 0) << name;
    ASSERT_EQ(headless->sendString(openIt, 255).code, 0) << name;
    EXPECT_EQ(ask("Status 23 length"), "1000") << name;
    EXPECT_EQ(headless->sendString("Status 23 length", 255).text, "1000") << name;
    ASSERT_EQ(send("play 23").code, 0);
    runWhilePlaying("23");
    EXPECT_EQ(dynamic_cast<const sdl::VideoDevice&>(*media->find("23")).framesDecoded(), 10U)
        << name << ": frames lost or invented";
    const sdl::VideoFrameView last = factory->visibleVideos().at(0);
    ASSERT_EQ(last.width, 160) << name;
    // The last frame has moved 36 pixels: columns 0 to 11 are bright, 12 to 27 dark.
    const auto red = [&](int x, int y) { return int{last.rgba[4 * (y * last.width + x)]}; };
    EXPECT_EQ(red(4, 60), 200) << name << ": a bright bar is missing, or its palette colour";
    EXPECT_EQ(red(20, 60), 0) << name << ": a dark bar is missing";
    EXPECT_EQ(red(36, 5), 200) << name << ": the bars do not run the whole height";
    ASSERT_EQ(send("Close 23").code, 0);
    ASSERT_EQ(headless->sendString("Close 23", 255).code, 0);
  }
}

TEST_F(SdlVideoTest, FramesFollowTheClockAndPauseHoldsThePicture) {
  openAndPlay(makeVideo("Frames/intro.avi", kCinepak));
  const std::uint64_t first = factory->visibleVideos().at(0).frameSerial;
  runFor(450ms);
  const std::uint64_t decoded = device("23").framesDecoded();
  EXPECT_GE(decoded, 3U) << "frames came late";
  EXPECT_LE(decoded, 8U) << "frames came early";
  EXPECT_NE(factory->visibleVideos().at(0).frameSerial, first) << "the display was not told of new frames";
  const std::optional<int> wake = factory->nextWakeMilliseconds();
  ASSERT_TRUE(wake.has_value()) << "a playing video needs the loop again";
  EXPECT_LE(*wake, 100) << "the loop would sleep past the next frame";

  ASSERT_EQ(send("Pause 23").code, 0);
  EXPECT_EQ(ask("Status 23 mode"), "paused");
  const std::uint64_t serial = factory->visibleVideos().at(0).frameSerial;
  const std::uint64_t position = numberOf("Status 23 position");
  runFor(300ms);
  EXPECT_EQ(factory->visibleVideos().at(0).frameSerial, serial) << "the picture moved while paused";
  EXPECT_EQ(numberOf("Status 23 position"), position);
  ASSERT_EQ(send("Resume 23").code, 0);
  const auto took = runWhilePlaying("23");
  EXPECT_GE(took + std::chrono::milliseconds(position), 800ms) << "the time paused was played over";
  EXPECT_EQ(device("23").framesDecoded(), 10U);

  ASSERT_EQ(send("play 23 from 0").code, 0);
  ASSERT_EQ(send("Stop 23").code, 0);
  EXPECT_FALSE(factory->nextWakeMilliseconds().has_value()) << "a stopped video keeps waking the loop";
}

TEST_F(SdlVideoTest, VideoWithoutSoundPlaysFromAPositionToTheEnd) {
  ASSERT_EQ(open(makeVideo("Frames/quiet.avi", kCinepak, false), "23", "AviVideo").code, 0);
  ASSERT_EQ(send("play 23 from 600").code, 0);
  EXPECT_FALSE(device("23").hasSound());
  const auto took = runWhilePlaying("23");
  EXPECT_LT(took, 800ms) << "played from the start";
  EXPECT_GE(took, 300ms);
  EXPECT_EQ(ask("Status 23 mode"), "stopped");
  EXPECT_EQ(ask("Status 23 position"), "1000");
}

TEST_F(SdlVideoTest, PalettePicturesSurviveSeeking) {
  // 8-bit pictures take their colours from the first packets of the file.
  ASSERT_EQ(open(makeVideo("Frames/intro.avi", "-c:v rawvideo -pix_fmt pal8"), "23", "AviVideo").code, 0);
  ASSERT_EQ(send("play 23 from 500").code, 0);
  EXPECT_GT(litShare(factory->visibleVideos().at(0)), 0.25) << "colours lost when the first play starts later";
  runWhilePlaying("23");
  ASSERT_EQ(send("play 23 from 0").code, 0);
  EXPECT_GT(litShare(factory->visibleVideos().at(0)), 0.25) << "colours lost when playing again";
}

TEST_F(SdlVideoTest, TwoVideosPlayInTheirOwnWindows) {
  makeVideo("Frames/intro.avi", kCinepak);
  ASSERT_EQ(open(folder.string() + "/Frames/intro.avi", "7", "AviVideo").code, 0);
  const std::string asWritten = folder.string() + "/FRAMES\\Intro.AVI";
  ASSERT_EQ(send(openCommand(asWritten, "31", "AviVideo", 8193)).code, 0)
      << "the name from the data files was not matched to the file on disk";
  EXPECT_EQ(ask("Status 31 length"), "1000");
  ASSERT_EQ(send("play 7").code, 0);
  ASSERT_EQ(send("play 31").code, 0);
  const std::vector<sdl::VideoFrameView> shown = factory->visibleVideos();
  ASSERT_EQ(shown.size(), 2U);
  EXPECT_EQ(shown[0].parentWindow, 4097U);
  EXPECT_EQ(shown[1].parentWindow, 8193U);
  EXPECT_NE(shown[0].frameSerial, shown[1].frameSerial) << "two frames share a serial";
  ASSERT_EQ(send("Stop 31").code, 0);
  ASSERT_EQ(send("Close 31").code, 0);
  ASSERT_EQ(factory->visibleVideos().size(), 1U) << "closing one video removed the other";
  EXPECT_EQ(factory->visibleVideos()[0].parentWindow, 4097U);
  EXPECT_EQ(ask("Status 7 mode"), "playing") << "the first video goes on";
}

TEST_F(SdlVideoTest, DevicesOutliveTheirFactory) {
  openAndPlay(makeVideo("Frames/intro.avi", kCinepak));
  ASSERT_EQ(open(addFile("Areas/door.wav", sineWave(22050, 2000, 440.0)), "wav7", "Waveaudio").code, 0);
  ASSERT_EQ(send("Play wav7").code, 0);
  // A program that lets its factory go first still closes its devices
  // cleanly afterwards: they keep what they share alive.
  factory.reset();
  EXPECT_EQ(ask("Status wav7 mode"), "playing");
  EXPECT_EQ(ask("Status 23 mode"), "playing");
  ASSERT_EQ(send("Close all").code, 0);
}

TEST_F(SdlVideoTest, LengthAndFormatAgreeWithTheHeadlessDevices) {
  // 30 frames at 15 a second: a frame time of 66666 microseconds in the
  // main header would make it 1999.98 ms.
  const std::string openLamp = openCommand(makeVideo("Frames/lamp.avi", kCinepak, false, 15, 2), "23", "AviVideo");
  ASSERT_EQ(send(openLamp).code, 0);
  ASSERT_EQ(headless->sendString(openLamp, 255).code, 0);
  EXPECT_EQ(ask("Status 23 length"), "2000");
  EXPECT_EQ(headless->sendString("Status 23 length", 255).text, "2000") << "the backends disagree on the length";

  // A video in another container, named as an AVI file, is refused by both.
  const std::string openOther =
      openCommand(makeVideo("Frames/other.avi", "-c:v mjpeg -f matroska", false, 15, 2), "24", "AviVideo");
  EXPECT_EQ(send(openOther).code, backends::kMediaErrInvalidFile) << "the desktop played a file that is not AVI";
  EXPECT_EQ(headless->sendString(openOther, 255).code, backends::kMediaErrInvalidFile);
}

}  // namespace
}  // namespace quorlen::testing
