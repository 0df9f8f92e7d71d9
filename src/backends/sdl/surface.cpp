#include "backends/sdl/surface.h"

#include <algorithm>
#include <stdexcept>

namespace quorlen::sdl {

Surface::Surface(const WindowPlacement& place, RendererChoice& choice, PictureStore& pictures, TextRenderer& text,
                 Filter filter) {
  Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI;
  if (place.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (place.resizable) flags |= SDL_WINDOW_RESIZABLE;
  if (place.borderless) flags |= SDL_WINDOW_BORDERLESS;
  window_.reset(SDL_CreateWindow(place.title.c_str(), place.x, place.y, std::max(1, place.width), std::max(1, place.height),
                                 flags));
  if (!window_) throw std::runtime_error(std::string("cannot make a window: ") + SDL_GetError());
  renderer_.reset(SDL_CreateRenderer(window_.get(), -1, choice.flagsFor(window_.get())));
  if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
  if (!renderer_) throw std::runtime_error(std::string("cannot draw in a window: ") + SDL_GetError());
  canvas_ = std::make_unique<Canvas>(*renderer_, pictures, text, filter);
}

ScreenMapping Surface::mapping(int logicalWidth, int logicalHeight, ScaleMode mode) const {
  int ww = 0;
  int wh = 0;
  SDL_GetWindowSize(window_.get(), &ww, &wh);
  int ow = 0;
  int oh = 0;
  if (SDL_GetRendererOutputSize(renderer_.get(), &ow, &oh) != 0) {
    ow = ww;
    oh = wh;
  }
  return ScreenMapping(logicalWidth, logicalHeight, ww, wh, ow, oh, mode);
}

double Surface::pixelRatio() const {
  int ww = 0;
  int wh = 0;
  SDL_GetWindowSize(window_.get(), &ww, &wh);
  int ow = 0;
  int oh = 0;
  if (ww <= 0 || SDL_GetRendererOutputSize(renderer_.get(), &ow, &oh) != 0) return 1.0;
  return static_cast<double>(ow) / ww;
}

bool Surface::fullscreen() const { return (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0; }

void Surface::setFullscreen(bool on) { SDL_SetWindowFullscreen(window_.get(), on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0); }

void Surface::place(int x, int y, int width, int height) {
  int cx = 0;
  int cy = 0;
  SDL_GetWindowPosition(window_.get(), &cx, &cy);
  if (cx != x || cy != y) SDL_SetWindowPosition(window_.get(), x, y);
  resize(width, height);
}

void Surface::resize(int width, int height) {
  int cw = 0;
  int ch = 0;
  SDL_GetWindowSize(window_.get(), &cw, &ch);
  if (cw != width || ch != height) SDL_SetWindowSize(window_.get(), std::max(1, width), std::max(1, height));
}

SurfacePtr Surface::readPixels() const {
  int w = 0;
  int h = 0;
  if (SDL_GetRendererOutputSize(renderer_.get(), &w, &h) != 0) return nullptr;
  SurfacePtr shot = makeRgbaSurface(w, h);
  if (!shot) return nullptr;
  if (SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_RGBA32, shot->pixels, shot->pitch) != 0) {
    return nullptr;
  }
  return shot;
}

}  // namespace quorlen::sdl
