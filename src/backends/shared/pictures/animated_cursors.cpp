#include "backends/shared/pictures/animated_cursors.h"

#include <algorithm>
#include <optional>

#include "backends/shared/pictures/byte_reading.h"

namespace quorlen::backends {

namespace {
using bytes::le32;

constexpr std::size_t kMostFrames = 1024;
constexpr std::size_t kMostSteps = 4096;
constexpr std::uint32_t kIconFrames = 1;  // anih flag: frames are icon chunks
constexpr std::uint32_t kHasSequence = 2;

Error notACursor(const char* why) {
  return makeError(ErrorKind::Unreadable, std::string("not an animated cursor: ") + why);
}

struct Chunk {
  std::string_view id;
  std::string_view body;
};

// The chunks of a RIFF list body, each within bounds; stops at the first
// chunk that does not fit.
std::vector<Chunk> chunks(std::string_view body) {
  std::vector<Chunk> out;
  std::size_t at = 0;
  while (at + 8 <= body.size()) {
    const std::size_t size = le32(body, at + 4);
    if (size > body.size() - at - 8) break;
    out.push_back({body.substr(at, 4), body.substr(at + 8, size)});
    at += 8 + size + (size & 1);
  }
  return out;
}

struct Parsed {
  std::string_view header;
  std::vector<std::string_view> icons;
  std::string_view rates;
  std::string_view sequence;
};

Result<Parsed> parse(std::string_view b) {
  if (!isAnimatedCursor(b)) return notACursor("no RIFF ACON header");
  const std::size_t declared = le32(b, 4);
  const std::string_view body = b.substr(12, std::min<std::size_t>(declared >= 4 ? declared - 4 : 0, b.size() - 12));
  Parsed p;
  for (const Chunk& c : chunks(body)) {
    if (c.id == "anih") {
      p.header = c.body;
    } else if (c.id == "rate") {
      p.rates = c.body;
    } else if (c.id == "seq ") {
      p.sequence = c.body;
    } else if (c.id == "LIST" && c.body.size() >= 4 && c.body.substr(0, 4) == "fram") {
      for (const Chunk& icon : chunks(c.body.substr(4))) {
        if (icon.id == "icon" && p.icons.size() < kMostFrames) p.icons.push_back(icon.body);
      }
    }
  }
  if (p.header.size() < 36) return notACursor("no anih header");
  if ((le32(p.header, 32) & kIconFrames) == 0) return notACursor("frames are not icons");
  if (p.icons.empty()) return notACursor("no frame");
  return p;
}
}  // namespace

bool isAnimatedCursor(std::string_view b) { return b.size() >= 12 && b.substr(0, 4) == "RIFF" && b.substr(8, 4) == "ACON"; }

Result<CursorAnimation> decodeCursorAnimation(std::string_view b) {
  CursorAnimation out;
  if (!isAnimatedCursor(b)) {
    auto image = decodeIconFile(b);
    if (!image) return image.error();
    out.frames.push_back(std::move(image).value());
    out.steps.push_back({0, 0});
    return out;
  }
  auto parsed = parse(b);
  if (!parsed) return parsed.error();
  const Parsed& p = parsed.value();
  for (std::string_view icon : p.icons) {
    auto image = decodeIconFile(icon);
    if (!image) return image.error();
    out.frames.push_back(std::move(image).value());
  }
  const std::uint32_t flags = le32(p.header, 32);
  const std::uint32_t defaultRate = le32(p.header, 28);
  const bool sequenced = (flags & kHasSequence) != 0 && p.sequence.size() >= 4;
  std::size_t steps = std::min<std::size_t>(sequenced ? p.sequence.size() / 4 : out.frames.size(), kMostSteps);
  for (std::size_t i = 0; i < steps; ++i) {
    const std::size_t frame = sequenced ? le32(p.sequence, 4 * i) : i;
    if (frame >= out.frames.size()) return notACursor("sequence names a missing frame");
    std::uint32_t jiffies = 4 * i + 4 <= p.rates.size() ? le32(p.rates, 4 * i) : defaultRate;
    jiffies = std::clamp<std::uint32_t>(jiffies, 1, 60 * 60);
    out.steps.push_back({frame, static_cast<int>(jiffies * 1000 / 60)});
  }
  return out;
}

}  // namespace quorlen::backends
