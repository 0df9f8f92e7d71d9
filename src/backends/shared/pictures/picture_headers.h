#pragma once
// The sizes of pictures and the hot spots of cursors, read from the files'
// headers: BMP (Windows and OS/2), PNG, GIF, JPEG, ICO, CUR, animated
// cursors, and placeable WMF and EMF metafiles. A picture whose declared
// size is absurd, or larger than its file can hold, is refused here, before
// anything decodes it.

#include <string_view>

#include "common/result.h"

namespace quorlen::backends {

struct PictureSize {
  int width = 0;
  int height = 0;
};

struct CursorHeader {
  PictureSize size;
  int hotX = 0;
  int hotY = 0;
};

enum class PictureFormat { Unknown, Bmp, Png, Gif, Jpeg, Icon, AnimatedCursor, Wmf, Emf };

// The largest picture this player decodes: a side, and the pixel count.
inline constexpr int kLargestSide = 16384;
inline constexpr long long kMostPixels = 64LL * 1024 * 1024;

[[nodiscard]] PictureFormat pictureFormat(std::string_view bytes);
[[nodiscard]] Result<PictureSize> readPictureSize(std::string_view bytes);
// A .cur, .ico or animated cursor file, checked whole: the size and hot
// spot of the image the system shows (the first frame of an animated
// cursor; an icon's hot spot is its centre).
[[nodiscard]] Result<CursorHeader> readCursorHeader(std::string_view bytes);

}  // namespace quorlen::backends
