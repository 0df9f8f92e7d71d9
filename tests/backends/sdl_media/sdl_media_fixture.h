#pragma once
// The desktop devices behind the shared interpreter, over the disk file
// system of a scratch game folder, playing into SDL's disk audio driver: what
// the devices played can be read back as samples once the output closes.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "backends/headless/media/headless_media_devices.h"
#include "backends/sdl/lazy_media_devices.h"
#include "backends/shared/files/disk_file_system.h"
#include "backends/shared/media/media_command_interpreter.h"
#include "support/temp_folder.h"

namespace quorlen::testing {

// A mono 16-bit PCM wave of a sine tone.
[[nodiscard]] std::string sineWave(int sampleRate, int milliseconds, double frequency, double amplitude = 0.5);
// The bytes of a file, empty when it cannot be read.
[[nodiscard]] std::string fileBytes(const std::filesystem::path& path);
// The bytes of a file of tests/data/malformed/sdl_media.
[[nodiscard]] std::string malformedFile(const std::string& name);
// `name` as a test's name: letters and digits, the rest '_'.
[[nodiscard]] std::string testName(std::string name);
// The small General MIDI font of Debian, which loads in a fraction of the
// time the system's default takes; the tests name it as a user would.
inline constexpr const char* kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// A MIDI file playing `notes` quarter notes of piano at 120 bpm (500 ms each).
[[nodiscard]] std::string pianoMidi(int notes);

class SdlMediaTest : public ::testing::Test {
 protected:
  SdlMediaTest();
  ~SdlMediaTest() override;

  // Opens and closes a short sound: the audio output is open from then on
  // (and has chosen its MIDI sound fonts).
  void openTheOutput();
  // Opens the output with the small MIDI font where it is installed;
  // answers whether music can play.
  [[nodiscard]] bool openTheOutputForMusic();
  // Writes `bytes` to `relative` inside the game folder; answers its path.
  std::string addFile(const std::string& relative, const std::string& bytes);

  platform::MediaReply send(std::string_view command) { return media->sendString(command, 255); }
  // The command the game opens a file with; a video goes into the control
  // whose window is `parent`.
  [[nodiscard]] static std::string openCommand(const std::string& path, std::string_view alias, std::string_view type,
                                               int parent = 4097);
  platform::MediaReply open(const std::string& path, std::string_view alias, std::string_view type) {
    return send(openCommand(path, alias, type));
  }
  // The reply of a command that has to succeed.
  std::string ask(std::string_view command);
  std::string modeOf(std::string_view alias) { return ask("Status " + std::string(alias) + " mode"); }
  std::uint64_t numberOf(std::string_view command) { return std::stoull(ask(command)); }

  // Runs the event loop's part (update, then a short sleep) until `alias`
  // no longer plays or `limit` has passed; answers the time it took.
  std::chrono::milliseconds runWhilePlaying(std::string_view alias,
                                            std::chrono::milliseconds limit = std::chrono::seconds(10));
  // Runs the event loop's part for `span`.
  void runFor(std::chrono::milliseconds span);

  // Closes everything, which closes the audio output, and answers the
  // samples it wrote (16-bit, interleaved stereo, 44100 a second).
  std::vector<std::int16_t> closeAndReadOutput();
  // The loudest stretch of 50 ms of `samples`, as a root mean square.
  [[nodiscard]] static double loudestRms(const std::vector<std::int16_t>& samples);
  // How long `samples` are louder than `rms`, counted in stretches of 10 ms.
  [[nodiscard]] static int loudMilliseconds(const std::vector<std::int16_t>& samples, double rms);

  TempFolder scratch{"quorlen-sdl-media"};
  std::filesystem::path folder{scratch.path()};
  std::filesystem::path outputFile{folder / "speakers.raw"};
  std::unique_ptr<backends::DiskFileSystem> files;
  std::unique_ptr<sdl::LazyMediaDevices> factory;  // the module found beside the test program
  std::unique_ptr<backends::MediaCommandInterpreter> media;
  // The headless devices over the same folder, which must answer alike.
  std::unique_ptr<backends::HeadlessMediaDeviceFactory> headlessFactory;
  std::unique_ptr<backends::MediaCommandInterpreter> headless;
};

}  // namespace quorlen::testing
