// The SDL windows that show the model's windows, and drawing them.
#include <algorithm>
#include <cmath>

#include "backends/sdl/look.h"
#include "backends/sdl/sdl_ui.h"
#include "backends/sdl/window_painter.h"

namespace quorlen::sdl {

namespace {
int toPixels(ui::Twips t) { return static_cast<int>(t / ui::kTwipsPerPixel); }
}  // namespace

SdlUi::Host* SdlUi::hostOf(const ui::Window& window) {
  auto it = hosts_.find(const_cast<ui::Window*>(&window));
  return it == hosts_.end() ? nullptr : &it->second;
}

SdlUi::Host* SdlUi::hostBySdlId(Uint32 id) {
  for (auto& [window, host] : hosts_) {
    if (host.surface && host.surface->id() == id) return &host;
  }
  return nullptr;
}

SdlUi::Host* SdlUi::screenHost() {
  for (auto& [window, host] : hosts_) {
    if (host.screen) return &host;
  }
  return nullptr;
}

double SdlUi::modalScale() {
  SDL_Rect bounds{0, 0, 0, 0};
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return 1.0;
  return std::max(1.0, std::min(bounds.w / 640.0, bounds.h / 480.0));
}

double SdlUi::barHeight(const ui::Window& window) { return hasMenuBar(window) ? look::kMenuBarHeight : 0.0; }

std::pair<int, int> SdlUi::logicalSize(const Host& host) const {
  // the bar lies above the inside: the picture grows by its height
  const int bar = static_cast<int>(barHeight(*host.window));
  if (host.screen) return {std::max(1, display_.width()), std::max(1, display_.height()) + bar};
  return {std::max(1, toPixels(host.window->innerWidth())), std::max(1, toPixels(host.window->innerHeight())) + bar};
}

std::pair<double, double> SdlUi::insideOrigin(const Host& host, const ui::Window& window) const {
  const double bar = barHeight(*host.window);
  if (!host.screen) return {0.0, bar};
  if (&window == host.window) return {px(window.left()), px(window.top()) + bar};
  const Rect r = overlayRect(host, window);
  const double zoom = r.w / std::max(1.0, px(window.width()));
  const double frameX = window.framed() ? look::kBorder : 0;
  const double frameY = window.framed() ? look::kTitleBarHeight : 0;
  return {r.x + frameX * zoom, r.y + frameY * zoom};
}

double SdlUi::zoomOn(const Host& host, double width, double height) const {
  if (!host.screen || !host.surface || width <= 0 || height <= 0) return 1.0;
  const auto [lw, lh] = logicalSize(host);
  const double screenScale = host.surface->mapping(lw, lh, options_.scale).placement().scale;
  if (screenScale <= 0) return 1.0;
  const double wanted = modalScale() * host.surface->pixelRatio() / screenScale;
  const double room = std::min(lw / width, lh / height);
  return std::max(1.0, std::min(wanted, room));
}

Rect SdlUi::zoomedRect(const Host& host, double x, double y, double width, double height) const {
  const double zoom = zoomOn(host, width, height);
  if (zoom == 1.0) return Rect{x, y, width, height};
  const auto [lw, lh] = logicalSize(host);
  const double w = width * zoom;
  const double h = height * zoom;
  return Rect{std::clamp(x + (width - w) / 2, 0.0, std::max(0.0, lw - w)),
              std::clamp(y + (height - h) / 2, 0.0, std::max(0.0, lh - h)), w, h};
}

Rect SdlUi::overlayRect(const Host& host, const ui::Window& window) const {
  return zoomedRect(host, px(window.left()), px(window.top()) + barHeight(*host.window), px(window.width()),
                    px(window.height()));
}

void SdlUi::createHost(ui::Window& window) {
  if (hosts_.count(&window) != 0) return;
  Host* screen = screenHost();
  if (screen != nullptr && window.isModal() && screen->window->state() == ui::Window::State::Shown) {
    overlays_.erase(std::remove(overlays_.begin(), overlays_.end(), &window), overlays_.end());
    overlays_.push_back(&window);
    dirty_.insert(screen->window);
    return;
  }
  int display = 0;
  if (lastShown_ != nullptr) {
    if (Host* previous = hostOf(*lastShown_); previous != nullptr && previous->surface) {
      display = std::max(0, SDL_GetWindowDisplayIndex(previous->surface->window()));
    }
  }
  SDL_Rect bounds{0, 0, 0, 0};
  SDL_GetDisplayBounds(display, &bounds);
  Host host;
  host.window = &window;
  host.screen = !window.framed();
  WindowPlacement place;
  place.title = window.title();
  if (host.screen) {
    const DesktopPreferences& p = options_.preferences;
    const bool remembered = p.windowWidth > 0 && p.windowHeight > 0;
    place.fullscreen = options_.fullscreen;
    place.resizable = true;
    place.width = options_.fullscreen ? bounds.w : remembered ? std::min(p.windowWidth, bounds.w) : bounds.w * 3 / 4;
    place.height = options_.fullscreen ? bounds.h : remembered ? std::min(p.windowHeight, bounds.h) : bounds.h * 3 / 4;
    place.x = static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display));
    place.y = static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display));
  } else {
    // a modal window as large as in the game's 640 x 480 screen, around
    // the same middle
    host.scale = window.isModal() ? modalScale() : 1.0;
    const int width = toPixels(window.innerWidth());
    const int height = toPixels(window.innerHeight());
    place.width = static_cast<int>(std::lround(width * host.scale));
    place.height = static_cast<int>(std::lround(height * host.scale));
    place.x = bounds.x + toPixels(window.left()) + look::kBorder - (place.width - width) / 2;
    place.y = bounds.y + toPixels(window.top()) + look::kTitleBarHeight - (place.height - height) / 2;
  }
  host.surface = std::make_unique<Surface>(place, renderers_, pictures_, text_, options_.filter);
  auto& placed = hosts_[&window];
  placed = std::move(host);
  if (window.isModal() && lastShown_ != nullptr) {
    if (Host* owner = hostOf(*lastShown_); owner != nullptr && owner->surface && owner != &placed) {
      SDL_SetWindowModalFor(placed.surface->window(), owner->surface->window());
    }
  }
  SDL_RaiseWindow(placed.surface->window());
}

std::pair<int, int> SdlUi::windowedSize(const Host& host) const {
  SDL_Rect bounds{0, 0, 640, 480};
  SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(host.surface->window())), &bounds);
  const DesktopPreferences& p = options_.preferences;
  if (p.windowWidth > 0 && p.windowHeight > 0) return {std::min(p.windowWidth, bounds.w), std::min(p.windowHeight, bounds.h)};
  return {bounds.w * 3 / 4, bounds.h * 3 / 4};
}

void SdlUi::rememberWindowSize(Uint32 sdlWindow) {
  Host* h = hostBySdlId(sdlWindow);
  if (h == nullptr || !h->screen || h->surface->fullscreen()) return;
  int w = 0;
  int hgt = 0;
  SDL_GetWindowSize(h->surface->window(), &w, &hgt);
  DesktopPreferences& p = options_.preferences;
  if (w <= 0 || hgt <= 0 || (w == p.windowWidth && hgt == p.windowHeight)) return;
  p.windowWidth = w;
  p.windowHeight = hgt;
  preferencesChanged();
}

void SdlUi::destroyHost(ui::Window& window) {
  auto overlay = std::find(overlays_.begin(), overlays_.end(), &window);
  if (overlay != overlays_.end()) {
    overlays_.erase(overlay);
    if (Host* screen = screenHost()) dirty_.insert(screen->window);
  }
  auto it = hosts_.find(&window);
  if (it == hosts_.end()) return;
  if (it->second.screen) {
    // windows drawn inside it go with it
    overlays_.clear();
  }
  hosts_.erase(it);
  if (lastShown_ == &window) lastShown_ = nullptr;
  for (auto& [other, host] : hosts_) {
    if (other->state() == ui::Window::State::Shown) lastShown_ = other;
  }
}

void SdlUi::placeOwnHost(Host& host) {
  if (host.screen || !host.surface) return;
  host.surface->resize(static_cast<int>(std::lround(toPixels(host.window->innerWidth()) * host.scale)),
                       static_cast<int>(std::lround(toPixels(host.window->innerHeight()) * host.scale)));
  SDL_SetWindowTitle(host.surface->window(), host.window->title().c_str());
}

void SdlUi::render() {
  // pictures of playing videos: a new frame redraws its window
  if (media_ != nullptr) {
    videos_ = media_->visibleVideos();
    for (const VideoPicture& v : videos_) {
      auto& serial = videoSerials_[v.parentWindow];
      if (serial == v.frameSerial) continue;
      serial = v.frameSerial;
      if (ui::Control* c = manager_.findControl(v.parentWindow)) dirty_.insert(&c->window());
    }
  }
  if (dirty_.empty() && !boxesDirty_) return;
  std::set<Host*> toDraw;
  const std::set<ui::Window*> dirty = std::move(dirty_);
  dirty_.clear();
  for (ui::Window* w : dirty) {
    if (w->state() != ui::Window::State::Shown) continue;
    manager_.paint(*w);
    if (Host* h = hostOf(*w)) toDraw.insert(h);
    if (std::find(overlays_.begin(), overlays_.end(), w) != overlays_.end()) {
      if (Host* s = screenHost()) toDraw.insert(s);
    }
  }
  if (boxesDirty_) {
    for (Box* b : boxes_) {
      if (!b->own) {
        if (Host* s = screenHost()) toDraw.insert(s);
      }
    }
  }
  dirty_.clear();  // paint handlers ran: what they drew is not a new change
  for (Host* h : toDraw) renderHost(*h, true);
  if (boxesDirty_) {
    for (Box* b : boxes_) {
      if (b->own) renderBox(*b, true);
    }
  }
  boxesDirty_ = false;
}

void SdlUi::renderHost(Host& host, bool present) {
  placeOwnHost(host);
  Surface& s = *host.surface;
  Canvas& canvas = s.canvas();
  const auto [lw, lh] = logicalSize(host);
  const ScreenMapping map = s.mapping(lw, lh, host.screen ? options_.scale : ScaleMode::Fit);
  canvas.setTransform(map.placement().scale, map.placement().x, map.placement().y);
  canvas.clear(ui::kBlack);
  WindowPainter painter(canvas, view_, videos_);
  canvas.pushClip(Rect{0, 0, static_cast<double>(lw), static_cast<double>(lh)});
  const auto [ox, oy] = insideOrigin(host, *host.window);
  painter.paintInside(*host.window, ox, oy);
  const double bar = barHeight(*host.window);
  if (bar == 0 && host.screen) menuSelected_.reset();
  if (bar > 0) {
    std::optional<ui::Handle> selected;
    const auto slots = menuLayout(*host.window, text_);
    if (menuSelected_ && *menuSelected_ < slots.size()) selected = slots[*menuSelected_].entry->handle();
    painter.paintMenuBar(*host.window, ox, oy - bar, selected);
  }
  const Placement& place = map.placement();
  // a window or box drawn zoomed: its own origin and scale, then back
  const auto zoomTo = [&](const Rect& r, double width) {
    canvas.setTransform(place.scale * r.w / std::max(1.0, width),
                        static_cast<int>(std::lround(place.x + r.x * place.scale)),
                        static_cast<int>(std::lround(place.y + r.y * place.scale)));
  };
  if (host.screen) {
    for (ui::Window* o : overlays_) {
      if (o->state() != ui::Window::State::Shown) continue;
      zoomTo(overlayRect(host, *o), px(o->width()));
      if (o->framed()) {
        painter.paintFramed(*o, 0, 0);
      } else {
        painter.paintInside(*o, 0, 0);
      }
      canvas.setTransform(place.scale, place.x, place.y);
    }
  }
  if (shownTip_ && (shownTip_->window == host.window ||
                    std::find(overlays_.begin(), overlays_.end(), shownTip_->window) != overlays_.end())) {
    const auto [tx, ty] = insideOrigin(host, *shownTip_->window);
    const double w = canvas.textWidth(look::kControlFont, shownTip_->text) + 8;
    const double h = canvas.lineHeight(look::kControlFont) + 4;
    double x = std::min(tx + px(shownTip_->x), lw - w - 1);
    double y = ty + px(shownTip_->y) + 20;
    if (y + h > lh) y = ty + px(shownTip_->y) - h - 4;
    canvas.fill(Rect{x, y, w, h}, look::kToolTipBack);
    canvas.outline(Rect{x, y, w, h}, look::kText);
    canvas.text(look::kControlFont, shownTip_->text, look::kText, x + 4, y + 2);
  }
  if (host.screen) {
    for (Box* b : boxes_) {
      if (!b->own) {
        zoomTo(zoomedRect(host, b->x, b->y, b->layout.width, b->layout.height), b->layout.width);
        canvas.fill(Rect{4, 4, b->layout.width, b->layout.height}, ui::kBlack, 90);
        paintMessageBox(canvas, b->layout, b->icon, b->title, 0, 0, b->focused, b->pressed);
        canvas.setTransform(place.scale, place.x, place.y);
      }
    }
  }
  canvas.popClip();
  canvas.finishDrawing();
  if (present) s.present();
}

void SdlUi::renderBox(Box& box, bool present) {
  if (!box.own) return;
  Surface& s = *box.own;
  const ScreenMapping map =
      s.mapping(static_cast<int>(box.layout.width), static_cast<int>(box.layout.height), ScaleMode::Fit);
  s.canvas().setTransform(map.placement().scale, map.placement().x, map.placement().y);
  s.canvas().clear(ui::kWhite);
  paintMessageBox(s.canvas(), box.layout, box.icon, box.title, 0, 0, box.focused, box.pressed);
  if (present) s.present();
}

SurfacePtr SdlUi::screenshot(const ui::Window* window) {
  settle();
  if (window == nullptr) {
    if (boxes_.empty()) return nullptr;
    Box& box = *boxes_.back();
    if (box.own) {
      renderBox(box, false);
      SurfacePtr shot = box.own->readPixels();
      box.own->present();
      return shot;
    }
    Host* screen = screenHost();
    if (screen == nullptr) return nullptr;
    renderHost(*screen, false);
    SurfacePtr shot = screen->surface->readPixels();
    screen->surface->present();
    return shot;
  }
  Host* host = hostOf(*window);
  if (host == nullptr) host = screenHost();
  if (host == nullptr) return nullptr;
  manager_.paint(*host->window);
  renderHost(*host, false);
  SurfacePtr shot = host->surface->readPixels();
  host->surface->present();
  return shot;
}

}  // namespace quorlen::sdl
