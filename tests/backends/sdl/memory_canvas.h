#pragma once
// A canvas drawing on RGBA pixels in memory with SDL's software renderer,
// for tests that look at what was drawn.

#include <SDL.h>

#include <cstdint>
#include <utility>

#include "backends/sdl/canvas.h"
#include "backends/sdl/picture_store.h"
#include "backends/sdl/sdl_handles.h"
#include "backends/sdl/text_renderer.h"
#include "backends/shared/files/disk_file_system.h"

namespace quorlen::sdl::testing {

class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height)
      : pixels_(makeRgbaSurface(width, height)),
        renderer_(SDL_CreateSoftwareRenderer(pixels_.get())),
        pictures_(files_, text_),
        canvas_(*renderer_, pictures_, text_, Filter::Linear) {}
  Canvas& canvas() { return canvas_; }
  TextRenderer& text() { return text_; }
  // The R, G and B of the pixel at (x, y), once the drawing is done.
  std::uint32_t rgbAt(int x, int y) {
    SDL_RenderFlush(renderer_.get());
    const auto* p = static_cast<const Uint8*>(pixels_->pixels) + y * pixels_->pitch + x * 4;
    return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
  }
  // The columns from the first to the last one with any dark pixel.
  std::pair<int, int> inkColumns() {
    SDL_RenderFlush(renderer_.get());
    int first = -1;
    int last = -1;
    const auto* p = static_cast<const Uint8*>(pixels_->pixels);
    for (int x = 0; x < pixels_->w; ++x) {
      for (int y = 0; y < pixels_->h; ++y) {
        if (p[y * pixels_->pitch + x * 4] < 128) {
          if (first < 0) first = x;
          last = x;
          break;
        }
      }
    }
    return {first, last};
  }

 private:
  backends::DiskFileSystem files_{"."};
  TextRenderer text_;
  SurfacePtr pixels_;
  RendererPtr renderer_;
  PictureStore pictures_;
  Canvas canvas_;
};

}  // namespace quorlen::sdl::testing
