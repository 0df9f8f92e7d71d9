// The media command interpreter with the headless devices: each line of the
// input is one command string; the game folder holds a sound, a MIDI file
// and a video.
#include <cstddef>
#include <cstdint>
#include <string>

#include "backends/headless/media/headless_media_devices.h"
#include "backends/shared/media/media_command_interpreter.h"
#include "common/memory_file_system.h"

namespace {
std::string le32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>((v >> 24) & 0xFF)};
}
std::string le16(std::uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
std::string wave() {
  std::string fmt = le16(1) + le16(1) + le32(8000) + le32(8000) + le16(1) + le16(8);
  std::string body = "WAVEfmt " + le32(16) + fmt + "data" + le32(8000) + std::string(8000, '\x80');
  return "RIFF" + le32(static_cast<std::uint32_t>(body.size())) + body;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorlen;
  static const std::string kWave = wave();
  fakes::MemoryFileSystem files;
  files.files["bell.wav"] = kWave;
  files.files["theme.mid"] = std::string("MThd") + le32(6) + le16(0) + le16(1) + le16(96) + "MTrk" + le32(4) +
                             std::string("\x00\xFF\x2F\x00", 4);
  files.files["intro.avi"] = "RIFF" + le32(4) + "AVI ";
  backends::HeadlessMediaDeviceFactory factory(files);
  backends::MediaCommandInterpreter interpreter(factory);
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    const platform::MediaReply reply = interpreter.sendString(std::string_view(input).substr(start, end - start), 128);
    (void)reply;
    if (start + 1 < input.size() && input[start] == '!') interpreter.endScripted(std::nullopt);
    start = end + 1;
  }
  (void)interpreter.openDevices();
  return 0;
}
