#include "backends/sdl_media/sdl_media_fixture.h"

#include <stdlib.h>  // setenv

#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <thread>

#include "backends/media/media_test_files.h"
#include "backends/sdl/media/sound_fonts.h"

namespace quorlen::testing {
namespace {

void putLittle(std::string& out, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
}

void putVariableLength(std::string& out, std::uint32_t value) {
  std::string reversed(1, static_cast<char>(value & 0x7FU));
  while ((value >>= 7) != 0) reversed.push_back(static_cast<char>((value & 0x7FU) | 0x80U));
  out.append(reversed.rbegin(), reversed.rend());
}

}  // namespace

std::string sineWave(int sampleRate, int milliseconds, double frequency, double amplitude) {
  const int count = sampleRate * milliseconds / 1000;
  std::string data;
  for (int i = 0; i < count; ++i) {
    const double value = amplitude * 32767.0 * std::sin(2.0 * std::numbers::pi * frequency * i / sampleRate);
    putLittle(data, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(value))), 2);
  }
  std::string format;
  putLittle(format, 1, 2);  // PCM
  putLittle(format, 1, 2);  // mono
  putLittle(format, static_cast<std::uint32_t>(sampleRate), 4);
  putLittle(format, static_cast<std::uint32_t>(sampleRate * 2), 4);
  putLittle(format, 2, 2);   // block align
  putLittle(format, 16, 2);  // bits per sample
  return riffFile("WAVE", {riffChunk("fmt ", format), riffChunk("data", data)});
}

std::string pianoMidi(int notes) {
  // 480 ticks a quarter note; no tempo event, so 120 bpm.
  std::string track = bytes({0x00, 0xC0, 0x00});  // piano
  for (int i = 0; i < notes; ++i) {
    const int key = 60 + (i * 4) % 24;
    putVariableLength(track, 0);
    track += bytes({0x90, key, 0x64});
    putVariableLength(track, 480);
    track += bytes({0x80, key, 0x00});
  }
  track += bytes({0x00, 0xFF, 0x2F, 0x00});
  return midiFile(480, {track});
}

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string malformedFile(const std::string& name) {
  return fileBytes(std::string(QUORLEN_TEST_DATA) + "/malformed/sdl_media/" + name);
}

std::string testName(std::string name) {
  for (char& c : name) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
  }
  return name;
}

SdlMediaTest::SdlMediaTest() {
  // No sound card needed: SDL writes what it plays to a file, in real time.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
  files = std::make_unique<backends::DiskFileSystem>(folder.string());
  factory = std::make_unique<sdl::LazyMediaDevices>(*files, sdl::moduleFolders());
  media = std::make_unique<backends::MediaCommandInterpreter>(*factory);
  headlessFactory = std::make_unique<backends::HeadlessMediaDeviceFactory>(*files);
  headless = std::make_unique<backends::MediaCommandInterpreter>(*headlessFactory);
}

SdlMediaTest::~SdlMediaTest() { unsetenv("SDL_SOUNDFONTS"); }

std::string SdlMediaTest::addFile(const std::string& relative, const std::string& bytes) {
  scratch.put(relative, bytes);
  return scratch.at(relative);
}

std::string SdlMediaTest::openCommand(const std::string& path, std::string_view alias, std::string_view type,
                                      int parent) {
  std::string command = "Open \"" + path + "\" ALIAS " + std::string(alias) + " TYPE " + std::string(type) + " wait";
  if (type == "AviVideo") command += " parent " + std::to_string(parent) + " style child";
  return command;
}

void SdlMediaTest::openTheOutput() {
  ASSERT_EQ(open(addFile("probe.wav", sineWave(22050, 10, 440.0)), "probe", "Waveaudio").code, 0);
  ASSERT_EQ(send("Close probe").code, 0);
  ASSERT_TRUE(factory->loaded()) << "the media module beside the test program was not loaded";
}

bool SdlMediaTest::openTheOutputForMusic() {
  if (std::filesystem::exists(kSmallFont)) setenv("SDL_SOUNDFONTS", kSmallFont, 1);
  openTheOutput();
  return sdl::haveMidiSoundFont();
}

std::string SdlMediaTest::ask(std::string_view command) {
  const platform::MediaReply reply = send(command);
  EXPECT_EQ(reply.code, 0) << "command failed: " << command;
  return reply.text;
}

std::chrono::milliseconds SdlMediaTest::runWhilePlaying(std::string_view alias, std::chrono::milliseconds limit) {
  const auto start = std::chrono::steady_clock::now();
  while (modeOf(alias) == "playing" && std::chrono::steady_clock::now() - start < limit) {
    factory->update();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  factory->update();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

void SdlMediaTest::runFor(std::chrono::milliseconds span) {
  const auto start = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - start < span) {
    factory->update();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

std::vector<std::int16_t> SdlMediaTest::closeAndReadOutput() {
  media.reset();
  factory.reset();
  std::ifstream in(outputFile, std::ios::binary);
  const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::int16_t> samples(raw.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto low = static_cast<unsigned char>(raw[2 * i]);
    const auto high = static_cast<unsigned char>(raw[2 * i + 1]);
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
  }
  return samples;
}

namespace {

double rmsOf(const std::vector<std::int16_t>& samples, std::size_t start, std::size_t count) {
  double sum = 0;
  for (std::size_t i = start; i < start + count; ++i) sum += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(sum / static_cast<double>(count));
}

}  // namespace

double SdlMediaTest::loudestRms(const std::vector<std::int16_t>& samples) {
  constexpr std::size_t kWindow = 44100 * 2 / 20;  // 50 ms of stereo
  double loudest = 0;
  for (std::size_t start = 0; start + kWindow <= samples.size(); start += kWindow / 2) {
    loudest = std::max(loudest, rmsOf(samples, start, kWindow));
  }
  return loudest;
}

int SdlMediaTest::loudMilliseconds(const std::vector<std::int16_t>& samples, double rms) {
  constexpr std::size_t kWindow = 44100 * 2 / 100;  // 10 ms of stereo
  int loud = 0;
  for (std::size_t start = 0; start + kWindow <= samples.size(); start += kWindow) {
    if (rmsOf(samples, start, kWindow) > rms) loud += 10;
  }
  return loud;
}

}  // namespace quorlen::testing
