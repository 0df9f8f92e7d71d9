#include "backends/sdl/sdl_display.h"

#include <SDL.h>

#include <cmath>

namespace quorlen::sdl {

namespace {
constexpr int kChanged = 0;
constexpr int kBadMode = -2;  // the platform's answer for a mode it cannot show
constexpr int kCellHeightAt100 = 16;
}  // namespace

std::pair<int, int> desktopSize() {
  SDL_Rect bounds{0, 0, 0, 0};
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return {0, 0};
  return {bounds.w, bounds.h};
}

int SdlDisplay::width() const { return virtual_ ? virtual_->first : realSize_().first; }
int SdlDisplay::height() const { return virtual_ ? virtual_->second : realSize_().second; }

std::optional<int> SdlDisplay::systemFontCellHeight() const {
  const double ratio = pixelRatio_ ? pixelRatio_() : 1.0;
  return static_cast<int>(std::lround(kCellHeightAt100 * (ratio > 0 ? ratio : 1.0)));
}

int SdlDisplay::changeMode(int width, int height) {
  const auto [realWidth, realHeight] = realSize_();
  if (width <= 0 || height <= 0 || width > realWidth || height > realHeight) return kBadMode;
  if (width == realWidth && height == realHeight) {
    virtual_.reset();
  } else {
    virtual_ = std::make_pair(width, height);
  }
  if (listener_) listener_();
  return kChanged;
}

}  // namespace quorlen::sdl
