#pragma once
// SDL started on its offscreen driver with the software renderer, for
// tests that need fonts, pictures or windows but no display.

#include <cstdlib>
#include <memory>

#include "backends/sdl/sdl_handles.h"

namespace quorlen::sdl::testing {

inline void useOffscreenDriver() {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_RENDER_DRIVER", "software", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace quorlen::sdl::testing
