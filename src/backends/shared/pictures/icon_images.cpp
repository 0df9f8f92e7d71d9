#include "backends/shared/pictures/icon_images.h"

#include <cstdlib>
#include <optional>

#include "backends/shared/pictures/byte_reading.h"

namespace quorlen::backends {

namespace {
using bytes::le16;
using bytes::le32;
using bytes::sle32;

constexpr int kLargestIcon = 256;

Error notAnIcon(const char* why) { return makeError(ErrorKind::Unreadable, std::string("not a cursor: ") + why); }

// The size and colour depth of the image at `entry`, from its own header.
bool readImageHeader(std::string_view b, IconEntry& entry, int& bits) {
  const std::string_view image = b.substr(entry.offset, entry.length);
  if (image.size() >= 24 && image.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) {
    entry.png = true;
    const auto w = bytes::be32(image, 16);
    const auto h = bytes::be32(image, 20);
    if (w == 0 || h == 0 || w > kLargestIcon || h > kLargestIcon) return false;
    entry.width = static_cast<int>(w);
    entry.height = static_cast<int>(h);
    bits = 32;
    return true;
  }
  if (image.size() < 40 || le32(image, 0) < 40 || le32(image, 0) > image.size()) return false;
  const std::int32_t w = sle32(image, 4);
  const std::int32_t h2 = sle32(image, 8);
  if (w <= 0 || w > kLargestIcon || h2 <= 0 || h2 / 2 == 0 || h2 / 2 > kLargestIcon) return false;
  entry.width = w;
  entry.height = h2 / 2;
  bits = static_cast<int>(le16(image, 14));
  return true;
}
}  // namespace

Result<IconEntry> chooseIconEntry(std::string_view b) {
  if (b.size() < 6 || le16(b, 0) != 0 || (le16(b, 2) != 1 && le16(b, 2) != 2)) return notAnIcon("no directory");
  const bool cursor = le16(b, 2) == 2;
  const std::size_t count = le16(b, 4);
  if (count == 0) return notAnIcon("no image");
  if (6 + 16 * count > b.size()) return notAnIcon("directory cut short");
  std::optional<IconEntry> best;
  int bestDistance = 0;
  int bestBits = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = 6 + 16 * i;
    IconEntry entry;
    entry.length = le32(b, at + 8);
    entry.offset = le32(b, at + 12);
    if (entry.offset >= b.size() || entry.length > b.size() - entry.offset) continue;
    int bits = 0;
    if (!readImageHeader(b, entry, bits)) continue;
    entry.hotX = cursor ? static_cast<int>(le16(b, at + 4)) : entry.width / 2;
    entry.hotY = cursor ? static_cast<int>(le16(b, at + 6)) : entry.height / 2;
    const int distance = std::abs(entry.width - 32) + std::abs(entry.height - 32);
    if (!best || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
      best = entry;
      bestDistance = distance;
      bestBits = bits;
    }
  }
  if (!best) return notAnIcon("no readable image");
  return *best;
}

Result<IconImage> decodeIconFile(std::string_view b) {
  auto chosen = chooseIconEntry(b);
  if (!chosen) return chosen.error();
  const IconEntry& e = chosen.value();
  IconImage out{e.width, e.height, e.hotX, e.hotY, {}, {}, false, {}};
  const std::string_view image = b.substr(e.offset, e.length);
  if (e.png) {
    out.png = std::string(image);
    return out;
  }
  const std::size_t headerSize = le32(image, 0);
  const int bits = static_cast<int>(le16(image, 14));
  if (le32(image, 16) != 0) return notAnIcon("compressed image");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return notAnIcon("colour depth");
  std::size_t colours = 0;
  if (bits <= 8) {
    const std::size_t used = le32(image, 32);
    colours = (used == 0 || used > (1u << bits)) ? (1u << bits) : used;
  }
  const std::size_t w = static_cast<std::size_t>(e.width);
  const std::size_t h = static_cast<std::size_t>(e.height);
  const std::size_t palette = headerSize;
  const std::size_t xorAt = palette + 4 * colours;
  const std::size_t xorStride = (w * static_cast<std::size_t>(bits) + 31) / 32 * 4;
  const std::size_t andAt = xorAt + xorStride * h;
  const std::size_t andStride = (w + 31) / 32 * 4;
  if (andAt > image.size()) return notAnIcon("image cut short");
  // A 32-bit image may leave out its AND mask; every other image needs it.
  const bool hasAnd = andAt + andStride * h <= image.size();
  if (!hasAnd && bits != 32) return notAnIcon("mask cut short");

  bool alpha = false;
  if (bits == 32) {
    for (std::size_t i = 0; i < w * h && !alpha; ++i) alpha = image[xorAt + 4 * i + 3] != 0;
  }
  out.rgba.assign(w * h * 4, 0);
  out.inverting.assign(w * h, 0);
  bool monochrome = !alpha;
  for (std::size_t y = 0; y < h; ++y) {
    const std::size_t row = h - 1 - y;  // bottom row first in the file
    const std::size_t xorRow = xorAt + row * xorStride;
    for (std::size_t x = 0; x < w; ++x) {
      std::uint32_t r = 0;
      std::uint32_t g = 0;
      std::uint32_t bl = 0;
      std::uint32_t a = 255;
      if (bits <= 8) {
        const std::size_t bit = x * static_cast<std::size_t>(bits);
        const std::uint32_t byte = bytes::u8(image, xorRow + bit / 8);
        const std::uint32_t index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index < colours) {
          bl = bytes::u8(image, palette + 4 * index);
          g = bytes::u8(image, palette + 4 * index + 1);
          r = bytes::u8(image, palette + 4 * index + 2);
        }
      } else if (bits == 16) {
        const std::uint32_t v = le16(image, xorRow + 2 * x);
        r = ((v >> 10) & 31) * 255 / 31;
        g = ((v >> 5) & 31) * 255 / 31;
        bl = (v & 31) * 255 / 31;
      } else {
        const std::size_t at = xorRow + x * static_cast<std::size_t>(bits / 8);
        bl = bytes::u8(image, at);
        g = bytes::u8(image, at + 1);
        r = bytes::u8(image, at + 2);
        if (alpha) a = bytes::u8(image, at + 3);
      }
      const bool andBit =
          hasAnd && ((bytes::u8(image, andAt + row * andStride + x / 8) >> (7 - x % 8)) & 1) != 0;
      std::uint8_t* px = &out.rgba[(y * w + x) * 4];
      if (!alpha && andBit) {
        // AND 1: the screen shows through, XORed with the colour.
        if (r == 0 && g == 0 && bl == 0) continue;  // transparent
        out.inverting[y * w + x] = 1;
        r = g = bl = 0;  // drawn black where nothing can invert
      }
      if (!alpha && !andBit) {
        const bool blackOrWhite = (r == 0 && g == 0 && bl == 0) || (r == 255 && g == 255 && bl == 255);
        monochrome = monochrome && blackOrWhite;
      }
      px[0] = static_cast<std::uint8_t>(r);
      px[1] = static_cast<std::uint8_t>(g);
      px[2] = static_cast<std::uint8_t>(bl);
      px[3] = static_cast<std::uint8_t>(a);
    }
  }
  out.monochrome = monochrome;
  return out;
}

}  // namespace quorlen::backends
