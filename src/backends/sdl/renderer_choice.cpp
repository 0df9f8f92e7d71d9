#include "backends/sdl/renderer_choice.h"

#include <SDL_syswm.h>

#include <filesystem>
#include <system_error>

#if defined(__unix__)
#include <unistd.h>
#endif

namespace quorlen::sdl {

namespace {

#if defined(__unix__)
bool usable(const std::filesystem::path& node) { return ::access(node.c_str(), R_OK | W_OK) == 0; }
#endif

// A render node or card of the kernel's graphics drivers, or the nodes of
// the one driver that has none.
bool graphicsDeviceUsable() {
#if defined(__unix__)
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
    const std::string name = entry.path().filename().string();
    if ((name.starts_with("renderD") || name.starts_with("card")) && usable(entry.path())) return true;
  }
  return usable("/dev/nvidiactl");
#else
  return true;
#endif
}

bool serverRendersDirect(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return true;
  int opcode = 0;
  int event = 0;
  int error = 0;
  for (const char* extension : {"DRI3", "DRI2", "NV-GLX"}) {
    if (XQueryExtension(info.info.x11.display, extension, &opcode, &event, &error) != 0) return true;
  }
  return false;
#else
  (void)window;
  return true;
#endif
}

}  // namespace

bool openGlEmulated(const GraphicsFacts& facts) {
  if (facts.rendererNamedByUser) return false;
  if (facts.videoDriver == "x11") return !facts.serverRendersDirect || !facts.graphicsDevice;
  if (facts.videoDriver == "wayland" || facts.videoDriver == "kmsdrm") return !facts.graphicsDevice;
  return false;
}

Uint32 RendererChoice::flagsFor(SDL_Window* window) {
  if (!software_) {
    GraphicsFacts facts;
    const char* driver = SDL_GetCurrentVideoDriver();
    facts.videoDriver = driver != nullptr ? driver : "";
    const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    facts.rendererNamedByUser = named != nullptr && *named != '\0';
    facts.graphicsDevice = graphicsDeviceUsable();
    facts.serverRendersDirect = facts.videoDriver == "x11" && serverRendersDirect(window);
    software_ = openGlEmulated(facts) || (facts.rendererNamedByUser && SDL_strcasecmp(named, "software") == 0);
    // Without this SDL would still make a hidden OpenGL context to judge
    // whether to show the software window through it.
    if (*software_) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  }
  return *software_ ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_PRESENTVSYNC;
}

}  // namespace quorlen::sdl
