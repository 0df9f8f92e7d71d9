#include "backends/shared/pictures/picture_headers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "backends/shared/pictures/animated_cursors.h"
#include "backends/shared/pictures/byte_reading.h"
#include "backends/shared/pictures/icon_images.h"

namespace quorlen::backends {

namespace {
using bytes::be16;
using bytes::be32;
using bytes::le16;
using bytes::le32;
using bytes::sle16;
using bytes::sle32;

// The most pixels one byte of a compressed picture can stand for, well
// above what GIF, PNG, JPEG or RLE bitmaps reach.
constexpr long long kPixelsPerByte = 65536;
constexpr std::uint32_t kPlaceableMetafile = 0x9AC6CDD7;
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr long long kScreenDpi = 96;
constexpr long long kHimetricPerInch = 2540;

Error notAPicture(const char* why = "not a picture") { return makeError(ErrorKind::Unreadable, why); }

// A declared size, checked: each side 1 to kLargestSide, no more than
// kMostPixels, and no more pixels than `maxPixels`.
Result<PictureSize> checked(long long width, long long height, long long maxPixels) {
  if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide) {
    return notAPicture("picture size out of range");
  }
  if (width * height > kMostPixels) return notAPicture("picture too large");
  if (width * height > maxPixels) return notAPicture("picture larger than its file");
  return PictureSize{static_cast<int>(width), static_cast<int>(height)};
}

long long compressedBound(std::string_view b) { return static_cast<long long>(b.size()) * kPixelsPerByte; }

Result<PictureSize> bmpSize(std::string_view b) {
  if (b.size() < 18) return notAPicture();
  const std::size_t info = le32(b, 14);
  long long width = 0;
  long long height = 0;
  std::uint32_t bits = 0;
  std::uint32_t compression = 0;
  if (info == 12) {
    if (b.size() < 26) return notAPicture();
    width = le16(b, 18);
    height = le16(b, 20);
    bits = le16(b, 24);
  } else if (info >= 16) {
    if (b.size() < 30) return notAPicture();
    width = sle32(b, 18);
    height = sle32(b, 22);  // negative: rows top first
    bits = le16(b, 28);
    if (info >= 20 && b.size() >= 34) compression = le32(b, 30);
  } else {
    return notAPicture();
  }
  height = std::llabs(height);
  const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
  if (!uncompressed) return checked(width, height, compressedBound(b));
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return notAPicture();
  auto size = checked(width, height, kMostPixels);
  if (!size) return size;
  const std::size_t offset = le32(b, 10);
  const long long stride = (width * bits + 31) / 32 * 4;
  const long long need = stride * (height - 1) + (width * bits + 7) / 8;
  if (offset > b.size() || need > static_cast<long long>(b.size() - offset)) {
    return notAPicture("picture larger than its file");
  }
  return size;
}

Result<PictureSize> jpegSize(std::string_view b) {
  std::size_t at = 2;
  while (at + 9 < b.size()) {
    if (bytes::u8(b, at) != 0xFF) return notAPicture();
    const auto marker = bytes::u8(b, at + 1);
    if (marker == 0xD8 || marker == 0x01 || marker == 0xFF || (marker >= 0xD0 && marker <= 0xD7)) {
      at += marker == 0xFF ? 1 : 2;
      continue;
    }
    const std::size_t length = be16(b, at + 2);
    const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame) return checked(be16(b, at + 7), be16(b, at + 5), compressedBound(b));
    at += 2 + length;
  }
  return notAPicture();
}

long long rounded(long long numerator, long long denominator) {
  return (numerator + denominator / 2) / denominator;
}

Result<PictureSize> wmfSize(std::string_view b) {
  if (b.size() < 22 + 18) return notAPicture();
  const long long inch = le16(b, 14);
  if (inch == 0) return notAPicture();
  const long long w = std::llabs(static_cast<long long>(sle16(b, 10)) - sle16(b, 6));
  const long long h = std::llabs(static_cast<long long>(sle16(b, 12)) - sle16(b, 8));
  return checked(rounded(w * kScreenDpi, inch), rounded(h * kScreenDpi, inch), kMostPixels);
}

Result<PictureSize> emfSize(std::string_view b) {
  // rclFrame, in hundredths of a millimetre
  const long long w = std::llabs(static_cast<long long>(sle32(b, 32)) - sle32(b, 24));
  const long long h = std::llabs(static_cast<long long>(sle32(b, 36)) - sle32(b, 28));
  return checked(rounded(w * kScreenDpi, kHimetricPerInch), rounded(h * kScreenDpi, kHimetricPerInch), kMostPixels);
}
}  // namespace

PictureFormat pictureFormat(std::string_view b) {
  if (b.size() >= 2 && b.substr(0, 2) == "BM") return PictureFormat::Bmp;
  if (b.size() >= 8 && b.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return PictureFormat::Png;
  if (b.size() >= 6 && (b.substr(0, 6) == "GIF87a" || b.substr(0, 6) == "GIF89a")) return PictureFormat::Gif;
  if (b.size() >= 3 && bytes::u8(b, 0) == 0xFF && bytes::u8(b, 1) == 0xD8 && bytes::u8(b, 2) == 0xFF) {
    return PictureFormat::Jpeg;
  }
  if (b.size() >= 4 && le32(b, 0) == kPlaceableMetafile) return PictureFormat::Wmf;
  if (b.size() >= 88 && le32(b, 0) == 1 && le32(b, 40) == kEmfSignature) return PictureFormat::Emf;
  if (isAnimatedCursor(b)) return PictureFormat::AnimatedCursor;
  if (b.size() >= 6 && le16(b, 0) == 0 && (le16(b, 2) == 1 || le16(b, 2) == 2)) return PictureFormat::Icon;
  return PictureFormat::Unknown;
}

Result<PictureSize> readPictureSize(std::string_view b) {
  switch (pictureFormat(b)) {
    case PictureFormat::Bmp:
      return bmpSize(b);
    case PictureFormat::Png:
      if (b.size() < 24 || b.substr(12, 4) != "IHDR") return notAPicture();
      return checked(be32(b, 16), be32(b, 20), compressedBound(b));
    case PictureFormat::Gif:
      if (b.size() < 10) return notAPicture();
      return checked(le16(b, 6), le16(b, 8), compressedBound(b));
    case PictureFormat::Jpeg:
      return jpegSize(b);
    case PictureFormat::Icon: {
      auto entry = chooseIconEntry(b);
      if (!entry) return entry.error();
      return PictureSize{entry.value().width, entry.value().height};
    }
    case PictureFormat::Wmf:
      return wmfSize(b);
    case PictureFormat::Emf:
      return emfSize(b);
    case PictureFormat::AnimatedCursor:
    case PictureFormat::Unknown:
      break;
  }
  return notAPicture();
}

Result<CursorHeader> readCursorHeader(std::string_view bytes) {
  // Decoded whole (cursor files are small), so that a file accepted here is
  // one the desktop can show.
  auto animation = decodeCursorAnimation(bytes);
  if (!animation) return animation.error();
  const IconImage& first = animation.value().frames.front();
  return CursorHeader{{first.width, first.height}, first.hotX, first.hotY};
}

}  // namespace quorlen::backends
