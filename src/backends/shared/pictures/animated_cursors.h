#pragma once
// Cursor files of every kind as a sequence of images: a .cur or .ico file is
// one image shown for ever; an animated cursor (.ani, a RIFF "ACON" file)
// holds its images in a "LIST fram" of icon chunks, shown in the order of
// its "seq " chunk (or in file order) for the time of its "rate" chunk (or
// of its "anih" header), in jiffies of 1/60 s.

#include <string_view>
#include <vector>

#include "backends/shared/pictures/icon_images.h"
#include "common/result.h"

namespace quorlen::backends {

struct CursorStep {
  std::size_t frame = 0;    // index in `frames`
  int milliseconds = 0;     // how long it shows; 0 for a still cursor
};

struct CursorAnimation {
  std::vector<IconImage> frames;
  std::vector<CursorStep> steps;  // never empty
};

[[nodiscard]] bool isAnimatedCursor(std::string_view bytes);
[[nodiscard]] Result<CursorAnimation> decodeCursorAnimation(std::string_view bytes);

}  // namespace quorlen::backends
