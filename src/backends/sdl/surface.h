#pragma once
// One SDL window with its renderer and the canvas that draws on it.

#include <memory>
#include <string>

#include "backends/sdl/canvas.h"
#include "backends/sdl/renderer_choice.h"
#include "backends/sdl/screen_mapping.h"
#include "backends/sdl/sdl_handles.h"

namespace quorlen::sdl {

// How the desktop window of a model window (or a message box) is made.
struct WindowPlacement {
  std::string title;
  int x = SDL_WINDOWPOS_CENTERED;  // window points
  int y = SDL_WINDOWPOS_CENTERED;
  int width = 1;
  int height = 1;
  bool fullscreen = false;
  bool resizable = false;
  bool borderless = false;
};

class Surface {
 public:
  // Throws std::runtime_error when SDL can make no window or renderer.
  Surface(const WindowPlacement& place, RendererChoice& choice, PictureStore& pictures, TextRenderer& text,
          Filter filter);
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  [[nodiscard]] SDL_Window* window() const { return window_.get(); }
  [[nodiscard]] SDL_Renderer* renderer() const { return renderer_.get(); }
  [[nodiscard]] Uint32 id() const { return SDL_GetWindowID(window_.get()); }
  [[nodiscard]] Canvas& canvas() { return *canvas_; }

  // The mapping of a logical picture of this size onto the window now.
  [[nodiscard]] ScreenMapping mapping(int logicalWidth, int logicalHeight, ScaleMode mode) const;
  // Output pixels per window point (2 on a doubled high-density display).
  [[nodiscard]] double pixelRatio() const;

  [[nodiscard]] bool fullscreen() const;
  void setFullscreen(bool on);
  // Keeps the window's inside at this size and place (window points).
  void place(int x, int y, int width, int height);
  void resize(int width, int height);

  // The output as RGBA pixels, read before presenting.
  [[nodiscard]] SurfacePtr readPixels() const;
  void present() { SDL_RenderPresent(renderer_.get()); }

 private:
  WindowPtr window_;
  RendererPtr renderer_;
  std::unique_ptr<Canvas> canvas_;
};

}  // namespace quorlen::sdl
