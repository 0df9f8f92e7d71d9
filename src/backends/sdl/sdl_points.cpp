// Where points of the model's windows are on screen and back: the hit test
// of mouse events, and the points synthetic input is pushed at.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "backends/sdl/look.h"
#include "backends/sdl/sdl_ui.h"

namespace quorlen::sdl {

std::optional<ScreenPoint> SdlUi::toScreen(const ui::Window& window, double insideX, double insideY) {
  Host* host = hostOf(window);
  if (host == nullptr && std::find(overlays_.begin(), overlays_.end(), &window) != overlays_.end()) host = screenHost();
  if (host == nullptr || !host->surface) return std::nullopt;
  const auto [lw, lh] = logicalSize(*host);
  const ScreenMapping map = host->surface->mapping(lw, lh, host->screen ? options_.scale : ScaleMode::Fit);
  const auto [ox, oy] = insideOrigin(*host, window);
  const double zoom = &window == host->window ? 1.0 : overlayRect(*host, window).w / std::max(1.0, px(window.width()));
  const auto [wx, wy] = map.toWindow(ox + insideX * zoom, oy + insideY * zoom);
  return ScreenPoint{host->surface->id(), wx, wy};
}

std::optional<ScreenPoint> SdlUi::pointOfWindow(const ui::Window& window, ui::Twips x, ui::Twips y) {
  return toScreen(window, px(x) + 0.5, px(y) + 0.5);
}

std::optional<ScreenPoint> SdlUi::pointOfControl(const ui::Control& control) {
  const ui::Window& window = control.window();
  const auto [ox, oy] = window.originOf(control);
  // the middle first, then a grid over the control
  std::vector<std::pair<double, double>> tries{{0.5, 0.5}};
  for (int i = 1; i < 8; ++i) {
    for (int j = 1; j < 8; ++j) tries.emplace_back(i / 8.0, j / 8.0);
  }
  for (const auto& [fx, fy] : tries) {
    // in 64 bits: a control may lie at the far end of the twips' range
    const std::int64_t x = std::int64_t{ox} + static_cast<std::int64_t>(control.width() * fx);
    const std::int64_t y = std::int64_t{oy} + static_cast<std::int64_t>(control.height() * fy);
    if (x < 0 || y < 0 || x >= window.innerWidth() || y >= window.innerHeight()) continue;
    // the point must survive the trip through window points
    auto point = pointOfWindow(window, static_cast<ui::Twips>(x), static_cast<ui::Twips>(y));
    if (!point) return std::nullopt;
    const Hit hit = hitAt(point->windowId, point->x, point->y);
    if (hit.window != &window || hit.box != nullptr) continue;
    if (window.hitTest(hit.x, hit.y).control == &control) return point;
  }
  return std::nullopt;
}

std::optional<ScreenPoint> SdlUi::pointOfMenuEntry(const ui::Control& entry) {
  for (const MenuSlot& slot : menuLayout(entry.window(), text_)) {
    if (slot.entry == &entry) {
      return toScreen(entry.window(), slot.rect.x + slot.rect.w / 2, slot.rect.h / 2 - barHeight(entry.window()));
    }
  }
  return std::nullopt;
}

std::optional<ScreenPoint> SdlUi::pointOfListRow(const ui::Control& list, int row) {
  if (row < 0 || row >= static_cast<int>(list.items().size())) return std::nullopt;
  const int top = scrollToShow(list, firstRow(view_, list), row);
  if (top != firstRow(view_, list)) {
    view_.listTop[list.handle()] = top;
    dirty_.insert(&list.window());
  }
  const auto [ox, oy] = list.window().originOf(list);
  const double y = px(oy) + 2 + (row - top) * look::kListRowHeight + look::kListRowHeight / 2.0;
  return toScreen(list.window(), px(ox) + std::min(20.0, px(list.width()) / 2), y);
}

std::optional<ScreenPoint> SdlUi::pointOfAnswer(ui::MsgBoxResult answer) {
  if (boxes_.empty()) return std::nullopt;
  Box& box = *boxes_.back();
  for (const MessageBoxButton& b : box.layout.buttons) {
    if (b.answer != answer) continue;
    const double cx = b.rect.x + b.rect.w / 2;
    const double cy = b.rect.y + b.rect.h / 2;
    if (box.own) {
      const ScreenMapping map = box.own->mapping(static_cast<int>(box.layout.width),
                                                 static_cast<int>(box.layout.height), ScaleMode::Fit);
      const auto [wx, wy] = map.toWindow(cx, cy);
      return ScreenPoint{box.own->id(), wx, wy};
    }
    Host* screen = screenHost();
    if (screen == nullptr) return std::nullopt;
    const auto [lw, lh] = logicalSize(*screen);
    const ScreenMapping map = screen->surface->mapping(lw, lh, options_.scale);
    const Rect r = zoomedRect(*screen, box.x, box.y, box.layout.width, box.layout.height);
    const double zoom = r.w / std::max(1.0, box.layout.width);
    const auto [wx, wy] = map.toWindow(r.x + cx * zoom, r.y + cy * zoom);
    return ScreenPoint{screen->surface->id(), wx, wy};
  }
  return std::nullopt;
}

SdlUi::Hit SdlUi::hitAt(Uint32 sdlWindow, int x, int y) {
  Hit hit;
  for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it) {
    Box& b = **it;
    if (b.own && b.own->id() == sdlWindow) {
      const ScreenMapping map =
          b.own->mapping(static_cast<int>(b.layout.width), static_cast<int>(b.layout.height), ScaleMode::Fit);
      const auto [lx, ly] = map.toLogical(x, y);
      hit.box = &b;
      hit.boxX = lx;
      hit.boxY = ly;
      return hit;
    }
  }
  Host* host = hostBySdlId(sdlWindow);
  if (host == nullptr) return hit;
  const auto [lw, lh] = logicalSize(*host);
  const ScreenMapping map = host->surface->mapping(lw, lh, host->screen ? options_.scale : ScaleMode::Fit);
  const auto [lx, ly] = map.toLogical(x, y);
  if (host->screen) {
    for (auto it = boxes_.rbegin(); it != boxes_.rend(); ++it) {
      Box& b = **it;
      if (!b.own) {
        const Rect r = zoomedRect(*host, b.x, b.y, b.layout.width, b.layout.height);
        const double zoom = r.w / std::max(1.0, b.layout.width);
        hit.box = &b;
        hit.boxX = (lx - r.x) / zoom;
        hit.boxY = (ly - r.y) / zoom;
        return hit;
      }
    }
    for (auto it = overlays_.rbegin(); it != overlays_.rend(); ++it) {
      ui::Window* o = *it;
      if (o->state() != ui::Window::State::Shown) continue;
      const Rect r = overlayRect(*host, *o);
      if (lx < r.x || ly < r.y || lx >= r.x + r.w || ly >= r.y + r.h) continue;
      const double zoom = r.w / std::max(1.0, px(o->width()));
      const auto [ix, iy] = insideOrigin(*host, *o);
      hit.window = o;
      hit.x = static_cast<ui::Twips>(std::floor((lx - ix) / zoom * ui::kTwipsPerPixel));
      hit.y = static_cast<ui::Twips>(std::floor((ly - iy) / zoom * ui::kTwipsPerPixel));
      return hit;
    }
  }
  const auto [ox, oy] = insideOrigin(*host, *host->window);
  hit.window = host->window;
  hit.x = static_cast<ui::Twips>(std::floor((lx - ox) * ui::kTwipsPerPixel));
  hit.y = static_cast<ui::Twips>(std::floor((ly - oy) * ui::kTwipsPerPixel));
  const double bar = barHeight(*host->window);
  if (bar > 0 && ly < oy && ly >= oy - bar && lx >= ox && lx < ox + px(host->window->innerWidth())) {
    hit.bar = true;
    hit.barX = lx - ox;
  }
  return hit;
}

}  // namespace quorlen::sdl
