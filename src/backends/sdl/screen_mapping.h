#pragma once
// Where a window's logical picture (pixels of the model, or the whole
// virtual screen of the game window) lands in an SDL window's output, and
// back: the letterbox fit that keeps the aspect ratio, optionally in whole
// steps, and the ratio between window points and output pixels of a
// high-density display.

#include <utility>

namespace quorlen::sdl {

enum class ScaleMode { Fit, Integer };

struct Placement {
  double scale = 1.0;  // output pixels per logical pixel
  int x = 0;           // the logical picture's rectangle in output pixels
  int y = 0;
  int width = 0;
  int height = 0;
};

// The largest picture of the logical size's aspect ratio that fits the
// output, centred (black bars around it). Integer mode takes the largest
// whole scale that fits, or the fit itself when even 1 does not.
[[nodiscard]] Placement placeLogical(int logicalWidth, int logicalHeight, int outputWidth, int outputHeight,
                                     ScaleMode mode);

class ScreenMapping {
 public:
  ScreenMapping() = default;
  // `window*` in window points (what mouse events use), `output*` in pixels.
  ScreenMapping(int logicalWidth, int logicalHeight, int windowWidth, int windowHeight, int outputWidth,
                int outputHeight, ScaleMode mode);

  [[nodiscard]] const Placement& placement() const { return placement_; }
  [[nodiscard]] int logicalWidth() const { return logicalWidth_; }
  [[nodiscard]] int logicalHeight() const { return logicalHeight_; }
  // A mouse position of the window in logical pixels (may lie outside).
  [[nodiscard]] std::pair<double, double> toLogical(double windowX, double windowY) const;
  // A logical point as a window position (for synthetic mouse events).
  [[nodiscard]] std::pair<int, int> toWindow(double logicalX, double logicalY) const;

 private:
  int logicalWidth_ = 1;
  int logicalHeight_ = 1;
  double pixelsPerPointX_ = 1.0;
  double pixelsPerPointY_ = 1.0;
  Placement placement_;
};

}  // namespace quorlen::sdl
