#pragma once
// The string-command media-control interface: one call that takes a command
// text ("Open \"C:/x.wav\" ALIAS wav7 TYPE Waveaudio wait", "Status wav7
// mode", ...) and answers a result code (0 = done, otherwise the media
// interface's error number) and, for commands that return text, a reply.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorlen::platform {

struct MediaReply {
  int code = 0;
  std::string text;  // empty unless the command returns text
};

class MediaControl {
 public:
  virtual ~MediaControl() = default;
  // `replyCapacity` is the caller's reply buffer in characters (0: the caller
  // wants no reply); a reply longer than capacity - 1 is cut there.
  virtual MediaReply sendString(std::string_view command, std::size_t replyCapacity) = 0;
};

}  // namespace quorlen::platform
