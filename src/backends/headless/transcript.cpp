#include "backends/headless/transcript.h"

namespace quorlen::headless {

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  out += '"';
  return out;
}

void Transcript::line(const std::string& text) { out_ << text << '\n' << std::flush; }

}  // namespace quorlen::headless
