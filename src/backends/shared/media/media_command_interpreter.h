#pragma once
// The interpreter of media command strings that every backend shares. It
// keeps the table of open devices (alias -> device), reads each command and
// drives the devices a backend's factory makes.
//
// Commands: open, close (also "close all"), play, pause, resume, stop, seek,
// status; see media_command_arguments.h for what each accepts. Aliases are
// compared ignoring letter case; without "alias" a device is named by its
// file as written. Only "open" (the device number) and "status" answer text.
// All positions are milliseconds, whatever the device type.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/shared/media/media_command_words.h"
#include "backends/shared/media/media_device.h"
#include "backends/shared/media/media_result.h"
#include "platform/media_control.h"

namespace quorlen::backends {

struct OpenDeviceInfo {
  unsigned id = 0;      // the device number "open" answered
  std::string alias;    // as written when opened
  MediaDeviceType type = MediaDeviceType::WaveAudio;
  std::string file;     // as written in the open command
  MediaMode mode = MediaMode::Stopped;
  std::optional<std::uint64_t> parentWindow;
};

// The groups a backend (or the headless runner's "media-end audio|video")
// ends at once: audio is waveaudio and sequencer devices, video avivideo.
enum class MediaGroup { Audio, Video };

class MediaCommandInterpreter final : public platform::MediaControl {
 public:
  explicit MediaCommandInterpreter(MediaDeviceFactory& factory);
  ~MediaCommandInterpreter() override;
  MediaCommandInterpreter(const MediaCommandInterpreter&) = delete;
  MediaCommandInterpreter& operator=(const MediaCommandInterpreter&) = delete;

  platform::MediaReply sendString(std::string_view command, std::size_t replyCapacity) override;

  // The open devices in the order they were opened.
  [[nodiscard]] std::vector<OpenDeviceInfo> openDevices() const;
  // The device open under `alias` (letter case ignored); null when none is.
  [[nodiscard]] MediaDevice* find(std::string_view alias);
  [[nodiscard]] const MediaDevice* find(std::string_view alias) const;

  // Playback of the device open under `alias` reaches its end now (see
  // MediaDevice::endPlayback). kMediaErrInvalidDeviceName when none is open.
  [[nodiscard]] int endPlayback(std::string_view alias);
  // The same for every playing device of a group; answers how many ended.
  std::size_t endPlayback(MediaGroup group);
  // What a script's `media-end [WORD]` ends: every playing device without
  // a word, "audio" or "video" a group, any other word one alias.
  void endScripted(const std::optional<std::string>& word);

 private:
  struct OpenDevice {
    unsigned id = 0;
    std::string alias;
    std::string file;
    MediaDeviceType type = MediaDeviceType::WaveAudio;
    std::optional<std::uint64_t> parentWindow;
    std::unique_ptr<MediaDevice> device;
  };

  MediaResult<std::string> run(const CommandWords& words);
  MediaResult<std::string> open(const CommandWords& words);
  MediaResult<std::string> close(const CommandWord& name, const std::vector<CommandWord>& rest);
  [[nodiscard]] int play(MediaDevice& device, const std::vector<CommandWord>& rest);
  [[nodiscard]] int seek(MediaDevice& device, const std::vector<CommandWord>& rest);
  MediaResult<std::string> status(const MediaDevice& device, const std::vector<CommandWord>& rest);

  [[nodiscard]] std::vector<OpenDevice>::iterator entryFor(std::string_view alias);
  [[nodiscard]] std::vector<OpenDevice>::const_iterator entryFor(std::string_view alias) const;
  [[nodiscard]] unsigned freeId() const;

  MediaDeviceFactory& factory_;
  std::vector<OpenDevice> devices_;
};

}  // namespace quorlen::backends
