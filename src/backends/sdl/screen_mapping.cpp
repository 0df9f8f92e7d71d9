#include "backends/sdl/screen_mapping.h"

#include <algorithm>
#include <cmath>

namespace quorlen::sdl {

Placement placeLogical(int logicalWidth, int logicalHeight, int outputWidth, int outputHeight, ScaleMode mode) {
  Placement p;
  if (logicalWidth <= 0 || logicalHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) return p;
  double scale = std::min(static_cast<double>(outputWidth) / logicalWidth,
                          static_cast<double>(outputHeight) / logicalHeight);
  if (mode == ScaleMode::Integer && scale >= 1.0) scale = std::floor(scale);
  p.scale = scale;
  p.width = static_cast<int>(std::lround(logicalWidth * scale));
  p.height = static_cast<int>(std::lround(logicalHeight * scale));
  p.x = (outputWidth - p.width) / 2;
  p.y = (outputHeight - p.height) / 2;
  return p;
}

ScreenMapping::ScreenMapping(int logicalWidth, int logicalHeight, int windowWidth, int windowHeight,
                             int outputWidth, int outputHeight, ScaleMode mode)
    : logicalWidth_(std::max(1, logicalWidth)),
      logicalHeight_(std::max(1, logicalHeight)),
      pixelsPerPointX_(windowWidth > 0 ? static_cast<double>(outputWidth) / windowWidth : 1.0),
      pixelsPerPointY_(windowHeight > 0 ? static_cast<double>(outputHeight) / windowHeight : 1.0),
      placement_(placeLogical(logicalWidth_, logicalHeight_, outputWidth, outputHeight, mode)) {}

std::pair<double, double> ScreenMapping::toLogical(double windowX, double windowY) const {
  const double px = windowX * pixelsPerPointX_;
  const double py = windowY * pixelsPerPointY_;
  return {(px - placement_.x) / placement_.scale, (py - placement_.y) / placement_.scale};
}

std::pair<int, int> ScreenMapping::toWindow(double logicalX, double logicalY) const {
  const double px = placement_.x + logicalX * placement_.scale;
  const double py = placement_.y + logicalY * placement_.scale;
  return {static_cast<int>(std::floor(px / pixelsPerPointX_)), static_cast<int>(std::floor(py / pixelsPerPointY_))};
}

}  // namespace quorlen::sdl
