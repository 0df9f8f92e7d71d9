#pragma once
// The sizes of pictures and the hot spots of cursors, read from the files'
// headers: BMP, PNG, GIF, JPEG, ICO and CUR.

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

[[nodiscard]] Result<PictureSize> readPictureSize(std::string_view bytes);
// A .cur or .ico file: the first image of its directory, with the hot spot
// (an icon's is its centre).
[[nodiscard]] Result<CursorHeader> readCursorHeader(std::string_view bytes);

}  // namespace quorlen::backends
