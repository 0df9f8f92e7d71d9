#include "backends/sdl/sdl_handles.h"

#include <SDL_image.h>

#include <stdexcept>
#include <string>

namespace quorlen::sdl {

SdlSession::SdlSession() {
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    throw std::runtime_error(std::string("cannot start SDL: ") + SDL_GetError());
  }
  IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
  if (TTF_Init() != 0) {
    IMG_Quit();
    SDL_Quit();
    throw std::runtime_error(std::string("cannot start SDL_ttf: ") + TTF_GetError());
  }
}

SdlSession::~SdlSession() {
  TTF_Quit();
  IMG_Quit();
  SDL_Quit();
}

SurfacePtr makeRgbaSurface(int width, int height) {
  return SurfacePtr(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32));
}

}  // namespace quorlen::sdl
