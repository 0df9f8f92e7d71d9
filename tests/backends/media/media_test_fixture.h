#pragma once
// An interpreter over headless devices over an in-memory file system, with
// the files the game's own commands name already in place.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "backends/headless/media/headless_media_devices.h"
#include "backends/media/media_test_files.h"
#include "common/memory_file_system.h"
#include "backends/shared/media/media_command_interpreter.h"

namespace quorlen::testing {

inline constexpr const char* kIntroMidi = "/games/tale/Frames/intro.mid";
inline constexpr const char* kDoorWave = "/games/tale/Areas/door.wav";
inline constexpr const char* kIntroVideo = "/games/tale/Frames/intro.avi";

class MediaTest : public ::testing::Test {
 protected:
  MediaTest() {
    // 120 bpm, 480 ticks a quarter: 4800 ticks are 5000 ms.
    files.files[kIntroMidi] = midiFile(480, {bytes({0x00, 0x90, 0x3C, 0x40, 0xA5, 0x40, 0x80, 0x3C, 0x00,
                                                    0x00, 0xFF, 0x2F, 0x00})});
    files.files[kDoorWave] = waveFile(100, 250);     // 2500 ms
    files.files[kIntroVideo] = aviFile(40000, 100);  // 25 frames a second: 4000 ms
  }

  platform::MediaReply send(std::string_view command, std::size_t replyCapacity = 128) {
    return media.sendString(command, replyCapacity);
  }
  // The text of a command that has to succeed.
  std::string ask(std::string_view command) {
    const platform::MediaReply reply = send(command);
    EXPECT_EQ(reply.code, 0) << "command failed: " << command;
    return reply.text;
  }
  std::string modeOf(std::string_view alias) { return ask("Status " + std::string(alias) + " mode"); }

  fakes::MemoryFileSystem files;
  backends::HeadlessMediaDeviceFactory factory{files};
  backends::MediaCommandInterpreter media{factory};
};

}  // namespace quorlen::testing
