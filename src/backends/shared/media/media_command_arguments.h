#pragma once
// What follows the device name in each media command, read into a request.
// Only the grammar lives here; whether the device exists and whether a
// position fits its length is the interpreter's business.
//
// Every command accepts the flag "wait". A keyword given twice answers
// kMediaErrDuplicateFlags, an unknown one kMediaErrUnrecognizedKeyword, a
// keyword without its value kMediaErrMissingParameter (or, for names,
// kMediaErrMissingStringArgument) and a value that had to be a number and is
// not kMediaErrBadInteger.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "backends/shared/media/media_command_words.h"
#include "backends/shared/media/media_device.h"
#include "backends/shared/media/media_result.h"

namespace quorlen::backends {

struct OpenRequest {
  std::string path;                 // the file as written, without quotes
  std::optional<std::string> alias;
  MediaDeviceType type = MediaDeviceType::WaveAudio;
  std::optional<std::uint64_t> parentWindow;
};

// `open ELEMENT [alias A] [type T] [parent N] [style S] [wait]`, where ELEMENT
// is a file or TYPE!FILE. Without a type the file's extension decides (.wav,
// .mid, .rmi, .avi); another extension answers kMediaErrExtensionNotFound.
// Parent and style belong to video only.
[[nodiscard]] MediaResult<OpenRequest> parseOpen(const CommandWord& element,
                                                 const std::vector<CommandWord>& rest);

struct PlayRequest {
  std::optional<std::uint64_t> fromMs;
  std::optional<std::uint64_t> toMs;
  bool wait = false;
};

// `play A [from N] [to N] [wait]`
[[nodiscard]] MediaResult<PlayRequest> parsePlay(const std::vector<CommandWord>& rest);

struct SeekRequest {
  enum class Target { Position, Start, End };
  Target target = Target::Start;
  std::uint64_t ms = 0;  // for Target::Position
};

// `seek A to N|start|end [wait]`
[[nodiscard]] MediaResult<SeekRequest> parseSeek(const std::vector<CommandWord>& rest);

enum class StatusItem { Length, Position, Mode, Ready };

// `status A length|position|mode|ready [wait]`: exactly one item.
[[nodiscard]] MediaResult<StatusItem> parseStatus(const std::vector<CommandWord>& rest);

// For commands without arguments (close, pause, resume, stop): kMediaOk when
// `rest` holds nothing but "wait".
[[nodiscard]] int parseNoArguments(const std::vector<CommandWord>& rest);

}  // namespace quorlen::backends
