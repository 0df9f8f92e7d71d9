#pragma once
// Draws one window of the model on a canvas: its background, what its
// paint handlers drew, its controls back to front with their children, the
// videos playing in them and its menu bar; for windows drawn inside
// another one, the frame and title bar too.

#include <map>
#include <optional>
#include <vector>

#include "backends/sdl/canvas.h"
#include "backends/sdl/control_geometry.h"
#include "backends/sdl/media_pump.h"
#include "platform/window.h"

namespace quorlen::sdl {

class WindowPainter {
 public:
  WindowPainter(Canvas& canvas, const ViewState& view, const std::vector<VideoPicture>& videos);

  // The window's inside with its top-left corner at logical (x, y).
  void paintInside(const ui::Window& window, double x, double y);
  // A framed window drawn by us: frame and title bar, then the inside. The
  // outer corner is at (x, y).
  void paintFramed(const ui::Window& window, double x, double y);
  // The window's menu bar with its top-left corner at (x, y), the entry
  // chosen by the keyboard marked.
  void paintMenuBar(const ui::Window& window, double x, double y, std::optional<ui::Handle> selected);

 private:
  void paintControl(const ui::Control& c, double originX, double originY);
  // Children back to front; with `hiding` set, only that child's videos
  // and the children above it.
  void paintChildren(const ui::ControlStack& children, double originX, double originY, const ui::Control* hiding);
  // Whether a video of `c` (drawn in `r`) covers all of `area`.
  [[nodiscard]] bool videoHides(const ui::Control& c, const Rect& r, const Rect& area) const;
  // The topmost child whose video covers all that shows of its parent.
  [[nodiscard]] const ui::Control* hidingChild(const ui::ControlStack& children, double originX,
                                               double originY) const;
  // The children of `c` (drawn in `r`, of which `shown` shows).
  void paintChildrenInside(const ui::Control& c, const Rect& r, const Rect& shown);
  void paintLabel(const ui::Control& c, const Rect& r);
  void paintCheckBox(const ui::Control& c, const Rect& r);
  void paintTextBox(const ui::Control& c, const Rect& r);
  void paintListBox(const ui::Control& c, const Rect& r);
  void paintButton(const ui::Control& c, const Rect& r);
  void paintVideos(const ui::Control& c, const Rect& r);

  Canvas& canvas_;
  const ViewState& view_;
  std::map<std::uint64_t, std::vector<const VideoPicture*>> videos_;
  const ui::Control* focus_ = nullptr;
  Rect visible_;  // what shows of the control being drawn, clipped by its parents
};

// A raised or sunken 3-D edge around a rectangle.
void drawEdge(Canvas& canvas, const Rect& r, bool sunken);

}  // namespace quorlen::sdl
