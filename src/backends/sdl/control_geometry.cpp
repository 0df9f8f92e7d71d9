#include "backends/sdl/control_geometry.h"

#include <algorithm>

#include "backends/sdl/look.h"

namespace quorlen::sdl {

int visibleRows(const ui::Control& list) {
  return std::max(1, (static_cast<int>(px(list.height())) - 4) / look::kListRowHeight);
}

bool needsScrollBar(const ui::Control& list) { return static_cast<int>(list.items().size()) > visibleRows(list); }

int firstRow(const ViewState& view, const ui::Control& list) {
  auto it = view.listTop.find(list.handle());
  const int top = it == view.listTop.end() ? 0 : it->second;
  const int last = std::max(0, static_cast<int>(list.items().size()) - visibleRows(list));
  return std::clamp(top, 0, last);
}

int scrollToShow(const ui::Control& list, int top, int row) {
  if (row < 0) return top;
  const int rows = visibleRows(list);
  if (row < top) return row;
  if (row >= top + rows) return row - rows + 1;
  return top;
}

std::optional<int> rowAt(const ViewState& view, const ui::Control& list, double x, double y) {
  if (onScrollBar(list, x) || !(y >= 2)) return std::nullopt;
  // Checked as a fraction first: a point far below the list is no row, and
  // no number too large for an int is ever made of it.
  const double shown = (y - 2) / look::kListRowHeight;
  if (shown >= visibleRows(list)) return std::nullopt;
  const int row = firstRow(view, list) + static_cast<int>(shown);
  if (row >= static_cast<int>(list.items().size())) return std::nullopt;
  return row;
}

bool onScrollBar(const ui::Control& list, double x) {
  return needsScrollBar(list) && x >= px(list.width()) - look::kScrollBarWidth - 1;
}

bool hasMenuBar(const ui::Window& window) {
  for (const ui::Control* entry : window.menuEntries()) {
    if (entry->visible()) return true;
  }
  return false;
}

std::vector<MenuSlot> menuLayout(const ui::Window& window, TextRenderer& text) {
  std::vector<MenuSlot> slots;
  double x = 2;
  for (ui::Control* entry : window.menuEntries()) {
    if (!entry->visible()) continue;
    const double w = text.lineWidth(look::kMenuFont, entry->caption(), 1.0) + 2 * look::kMenuEntryPadding;
    slots.push_back(MenuSlot{entry, Rect{x, 0, w, static_cast<double>(look::kMenuBarHeight)}});
    x += w;
  }
  return slots;
}

}  // namespace quorlen::sdl
