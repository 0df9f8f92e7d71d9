#pragma once
// Owning handles for the SDL objects the desktop backend makes, and the
// library session that starts and ends SDL and its add-on libraries.

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace quorlen::sdl {

struct WindowDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct RendererDeleter {
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
};
struct TextureDeleter {
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
struct SurfaceDeleter {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
struct FontDeleter {
  void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
struct CursorDeleter {
  void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
};

using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, RendererDeleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, TextureDeleter>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using FontPtr = std::unique_ptr<TTF_Font, FontDeleter>;
using CursorPtr = std::unique_ptr<SDL_Cursor, CursorDeleter>;

// SDL's video and timer parts, SDL_image and SDL_ttf, for as long as the
// object lives. Throws std::runtime_error when SDL cannot start.
class SdlSession {
 public:
  SdlSession();
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;
};

// A new surface of 32-bit RGBA pixels; null when SDL runs out of memory.
[[nodiscard]] SurfacePtr makeRgbaSurface(int width, int height);

}  // namespace quorlen::sdl
