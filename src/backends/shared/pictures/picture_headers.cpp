#include "backends/shared/pictures/picture_headers.h"

#include <cstdint>
#include <cstdlib>

namespace quorlen::backends {

namespace {
std::uint32_t le16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8);
}
std::uint32_t le32(std::string_view b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }
std::uint32_t be16(std::string_view b, std::size_t at) {
  return (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at])) << 8) | static_cast<std::uint8_t>(b[at + 1]);
}
std::uint32_t be32(std::string_view b, std::size_t at) { return (be16(b, at) << 16) | be16(b, at + 2); }

Error notAPicture() { return makeError(ErrorKind::Unreadable, "not a picture"); }

Result<PictureSize> jpegSize(std::string_view b) {
  std::size_t at = 2;
  while (at + 9 < b.size()) {
    if (static_cast<std::uint8_t>(b[at]) != 0xFF) return notAPicture();
    const auto marker = static_cast<std::uint8_t>(b[at + 1]);
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += 2;
      continue;
    }
    const std::size_t length = be16(b, at + 2);
    const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame) {
      return PictureSize{static_cast<int>(be16(b, at + 7)), static_cast<int>(be16(b, at + 5))};
    }
    at += 2 + length;
  }
  return notAPicture();
}

Result<CursorHeader> iconDirectory(std::string_view b) {
  if (b.size() < 22 || le16(b, 0) != 0 || (le16(b, 2) != 1 && le16(b, 2) != 2) || le16(b, 4) == 0) {
    return notAPicture();
  }
  const int width = b[6] == 0 ? 256 : static_cast<std::uint8_t>(b[6]);
  const int height = b[7] == 0 ? 256 : static_cast<std::uint8_t>(b[7]);
  CursorHeader header{{width, height}, width / 2, height / 2};
  if (le16(b, 2) == 2) {
    header.hotX = static_cast<int>(le16(b, 10));
    header.hotY = static_cast<int>(le16(b, 12));
  }
  return header;
}
}  // namespace

Result<PictureSize> readPictureSize(std::string_view b) {
  if (b.size() >= 26 && b.substr(0, 2) == "BM") {
    const auto w = static_cast<std::int32_t>(le32(b, 18));
    const auto h = static_cast<std::int32_t>(le32(b, 22));
    return PictureSize{std::abs(w), std::abs(h)};
  }
  if (b.size() >= 24 && b.substr(1, 3) == "PNG") {
    return PictureSize{static_cast<int>(be32(b, 16)), static_cast<int>(be32(b, 20))};
  }
  if (b.size() >= 10 && b.substr(0, 4) == "GIF8") {
    return PictureSize{static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8))};
  }
  if (b.size() >= 4 && static_cast<std::uint8_t>(b[0]) == 0xFF && static_cast<std::uint8_t>(b[1]) == 0xD8) {
    return jpegSize(b);
  }
  auto icon = iconDirectory(b);
  if (icon) return icon.value().size;
  return notAPicture();
}

Result<CursorHeader> readCursorHeader(std::string_view bytes) { return iconDirectory(bytes); }

}  // namespace quorlen::backends
