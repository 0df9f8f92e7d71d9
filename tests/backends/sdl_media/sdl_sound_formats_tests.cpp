// Every wave coding and MIDI form of the era, made by tests/media/
// make_sounds.sh, played through the desktop devices into SDL's disk audio
// driver: what a person hears (a tone of the right length, music that ends
// with its last note, loud music that does not clip) and what the game's
// commands see, which the headless devices must answer alike.

#include <gtest/gtest.h>

#include <unistd.h>  // getpid

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

#include "backends/sdl_media/sdl_media_fixture.h"

namespace quorlen::testing {
namespace {

using namespace std::chrono_literals;

// The files the script made, kept in the build folder under a name that
// changes with the script, so that the test processes make them once: each
// makes them in a folder of its own and the first to finish names it.
// Empty when the script could not run (no ffmpeg or Python).
std::filesystem::path makeSounds() {
  const std::string script = fileBytes(QUORLEN_MAKE_SOUNDS);
  const std::filesystem::path made =
      std::filesystem::path(QUORLEN_MADE_SOUNDS) / ("sounds-" + std::to_string(std::hash<std::string>{}(script)));
  std::error_code error;
  if (std::filesystem::exists(made / "lengths.txt", error)) return made;
  const std::filesystem::path mine = made.string() + ".part-" + std::to_string(::getpid());
  const std::string command =
      "bash \"" + std::string(QUORLEN_MAKE_SOUNDS) + "\" \"" + mine.string() + "\" >/dev/null 2>&1";
  const bool ran = std::system(command.c_str()) == 0;
  if (ran) std::filesystem::rename(mine, made, error);
  std::filesystem::remove_all(mine, error);
  return ran && std::filesystem::exists(made / "lengths.txt", error) ? made : std::filesystem::path();
}

const std::filesystem::path& madeSounds() {
  static const std::filesystem::path made = makeSounds();
  return made;
}

// The loudest sample, as a magnitude: 32767 or more is full scale.
int peakOf(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (const std::int16_t s : samples) peak = std::max(peak, std::abs(int{s}));
  return peak;
}

class SdlSoundFormatsTest : public SdlMediaTest {
 protected:
  void SetUp() override {
    if (madeSounds().empty()) GTEST_SKIP() << "tests/media/make_sounds.sh could not run (ffmpeg, python3)";
  }
  // Copies a made file into the game folder and opens it on both backends'
  // devices under `alias`; answers the length they agree on.
  std::uint64_t openOnBoth(const std::string& made, const std::string& bytes, const std::string& type) {
    const std::string path = addFile("Frames/" + std::filesystem::path(made).filename().string(), bytes);
    const std::string command = openCommand(path, "x1", type);
    EXPECT_EQ(send(command).code, 0) << made << " does not open on the desktop";
    EXPECT_EQ(headless->sendString(command, 255).code, 0) << made << " does not open headless";
    const std::string length = ask("Status x1 length");
    EXPECT_EQ(headless->sendString("Status x1 length", 255).text, length)
        << made << ": the two backends disagree on the length";
    return length.empty() ? 0 : std::stoull(length);
  }
};

class SdlToneFormatTest : public SdlSoundFormatsTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SdlToneFormatTest, PlaysTheWholeToneOnce) {
  const std::string name = std::string(GetParam()) + ".wav";
  const std::uint64_t length = openOnBoth(name, fileBytes(madeSounds() / "tones" / name), "Waveaudio");
  // One second of sound; coded blocks are filled up at the end.
  EXPECT_GE(length, 990U) << name;
  EXPECT_LE(length, 1100U) << name;
  EXPECT_EQ(modeOf("x1"), "stopped") << name << ": a sound just opened is not playing";
  ASSERT_EQ(send("Play x1").code, 0);
  EXPECT_EQ(modeOf("x1"), "playing") << name;
  const auto took = runWhilePlaying("x1");
  EXPECT_EQ(modeOf("x1"), "stopped") << name << ": the end of the sound was not noticed";
  EXPECT_GE(took, 900ms) << name << ": the sound ended before it could have been heard";
  EXPECT_LT(took, 3000ms) << name << ": the end of the sound was not noticed";
  EXPECT_EQ(numberOf("Status x1 position"), length) << name;
  ASSERT_EQ(send("Close x1").code, 0);

  const std::vector<std::int16_t> samples = closeAndReadOutput();
  EXPECT_GT(loudestRms(samples), 6000.0) << name << ": the tone (half of full scale) is missing or faint";
  EXPECT_NEAR(loudMilliseconds(samples, 3000.0), 1000, 80) << name << ": the tone was not heard once, whole";
}

INSTANTIATE_TEST_SUITE_P(
    Codings, SdlToneFormatTest,
    ::testing::Values("pcm8-mono-11025", "pcm8-stereo-11025", "pcm16-mono-11025", "pcm16-stereo-11025",
                      "pcm8-mono-22050", "pcm8-stereo-22050", "pcm16-mono-22050", "pcm16-stereo-22050",
                      "pcm8-mono-44100", "pcm8-stereo-44100", "pcm16-mono-44100", "pcm16-stereo-44100", "ima-adpcm",
                      "ms-adpcm", "mu-law", "a-law", "gsm", "mp3", "extra-chunks", "riff-size-too-large",
                      "riff-size-zero"),
    [](const ::testing::TestParamInfo<const char*>& param) { return testName(param.param); });

class SdlMidiFormatTest : public SdlSoundFormatsTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    SdlSoundFormatsTest::SetUp();
    if (IsSkipped()) return;
    if (!openTheOutputForMusic()) GTEST_SKIP() << "no General MIDI sound font installed";
  }

  // The lengths the script gave its MIDI files.
  static std::map<std::string, std::uint64_t> madeLengths() {
    std::map<std::string, std::uint64_t> lengths;
    std::ifstream in(madeSounds() / "lengths.txt");
    std::string name;
    std::uint64_t ms = 0;
    while (in >> name >> ms) lengths[name] = ms;
    return lengths;
  }
};

TEST_P(SdlMidiFormatTest, EndsWithItsLastEvent) {
  const std::string name = GetParam();
  const std::uint64_t expected = madeLengths().at(name);
  const std::uint64_t length = openOnBoth(name, fileBytes(madeSounds() / "music" / name), "Sequencer");
  EXPECT_EQ(length, expected) << name << ": the time of its last event, with its tempo changes";

  // "play ... wait" returns when the music has reached its length; the
  // synthesiser's notes still fading then are cut.
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(send("Play x1 wait").code, 0);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_EQ(modeOf("x1"), "stopped") << name;
  EXPECT_EQ(numberOf("Status x1 position"), length) << name;
  EXPECT_GE(took.count(), static_cast<std::int64_t>(length) - 20) << name << ": the wait ended before the music";
  EXPECT_LT(took.count(), static_cast<std::int64_t>(length) + 250) << name << ": \"stopped\" came late";
  ASSERT_EQ(send("Close x1").code, 0);

  // What was heard: the music, and after its last event nothing more than
  // a quarter of a second (counted in the output, not by the clock).
  const std::vector<std::int16_t> samples = closeAndReadOutput();
  EXPECT_GT(loudestRms(samples), 150.0) << name << ": the music did not reach the output";
  EXPECT_LE(loudMilliseconds(samples, 30.0), static_cast<int>(length) + 250) << name << ": sounded on past its end";
  EXPECT_LT(peakOf(samples), 32767) << name << ": the music clips";
}

INSTANTIATE_TEST_SUITE_P(Forms, SdlMidiFormatTest,
                         ::testing::Values("type0.mid", "type1.mid", "type1.rmi", "loud.mid", "long-release.mid"),
                         [](const ::testing::TestParamInfo<const char*>& param) { return testName(param.param); });

}  // namespace
}  // namespace quorlen::testing
