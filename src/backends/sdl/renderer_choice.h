#pragma once
// Which of SDL's renderers draws the player's windows. SDL's default is
// OpenGL; where no graphics device serves the display (a virtual or
// remote X server, a machine without a driver), that OpenGL is emulated
// on the processor, which costs tens of megabytes of compiled shader code
// and a core's work to copy 2D pictures. There the player asks for SDL's
// software renderer, which draws straight into the window's shared
// memory. A renderer named by the user (SDL_RENDER_DRIVER) is the one
// used.

#include <SDL.h>

#include <optional>
#include <string>

namespace quorlen::sdl {

// What the machine tells about its graphics, gathered once.
struct GraphicsFacts {
  std::string videoDriver;           // SDL's current video driver ("x11", "wayland" ...)
  bool rendererNamedByUser = false;  // SDL_RENDER_DRIVER is set
  bool serverRendersDirect = false;  // the X server offers direct rendering (DRI2, DRI3, NV-GLX)
  bool graphicsDevice = false;       // a graphics device node this process may open
};

// True when OpenGL would only be emulated, so the software renderer is
// the better choice.
[[nodiscard]] bool openGlEmulated(const GraphicsFacts& facts);

// Decides once, from the first window made, and answers the same after.
class RendererChoice {
 public:
  // The flags for SDL_CreateRenderer on this window; sets the hint that
  // keeps SDL from showing a software window through OpenGL.
  [[nodiscard]] Uint32 flagsFor(SDL_Window* window);

 private:
  std::optional<bool> software_;
};

}  // namespace quorlen::sdl
