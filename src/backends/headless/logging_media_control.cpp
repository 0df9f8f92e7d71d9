#include "backends/headless/logging_media_control.h"

namespace quorlen::headless {

platform::MediaReply LoggingMediaControl::sendString(std::string_view command, std::size_t replyCapacity) {
  platform::MediaReply reply = media_.sendString(command, replyCapacity);
  // Appended piece by piece: `"media " + quoted(...)` makes GCC 12 at -O3
  // warn falsely (-Wrestrict) about the string insert it inlines.
  std::string line = "media ";
  line += quoted(command);
  line += " -> ";
  line += std::to_string(reply.code);
  if (replyCapacity > 0) {
    line += ' ';
    line += quoted(reply.text);
  }
  transcript_.line(line);
  return reply;
}

}  // namespace quorlen::headless
