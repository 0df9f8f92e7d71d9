#pragma once
// Where the parts of the standard controls lie, shared by drawing and
// pointer input: list rows and the scroll bar, the menu bar's entries.

#include <map>
#include <optional>
#include <vector>

#include "backends/sdl/canvas.h"
#include "backends/sdl/text_renderer.h"
#include "platform/control.h"
#include "platform/window.h"

namespace quorlen::sdl {

// What the backend keeps about the controls beyond the model.
struct ViewState {
  std::map<ui::Handle, int> listTop;  // first list row shown
  ui::Handle pressedButton = 0;       // a button held down
  bool pressedInside = false;
};

[[nodiscard]] inline double px(ui::Twips t) { return static_cast<double>(t) / ui::kTwipsPerPixel; }

[[nodiscard]] int visibleRows(const ui::Control& list);
[[nodiscard]] bool needsScrollBar(const ui::Control& list);
// The first row shown, kept within the list.
[[nodiscard]] int firstRow(const ViewState& view, const ui::Control& list);
// The first row that shows `row`, moving as little as needed from `top`.
[[nodiscard]] int scrollToShow(const ui::Control& list, int top, int row);
// The entry under a point of the list (pixels from its top-left corner).
[[nodiscard]] std::optional<int> rowAt(const ViewState& view, const ui::Control& list, double x, double y);
[[nodiscard]] bool onScrollBar(const ui::Control& list, double x);

struct MenuSlot {
  ui::Control* entry = nullptr;
  Rect rect;  // in the window's inside, pixels
};
// The visible menu entries of a window laid out on its bar, left to right.
[[nodiscard]] std::vector<MenuSlot> menuLayout(const ui::Window& window, TextRenderer& text);
[[nodiscard]] bool hasMenuBar(const ui::Window& window);

}  // namespace quorlen::sdl
