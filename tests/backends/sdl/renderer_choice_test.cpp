// The renderer of the player's windows: SDL's software renderer wherever
// OpenGL would only be emulated on the processor, and no OpenGL driver
// loaded at all then; the renderer the user names is the one used.
#include "backends/sdl/renderer_choice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "backends/sdl/picture_store.h"
#include "backends/sdl/surface.h"
#include "backends/shared/files/disk_file_system.h"
#include "display_server.h"

namespace quorlen::sdl {
namespace {

TEST(RendererChoice, SoftwareWhereOpenGlWouldBeEmulated) {
  struct Case {
    GraphicsFacts facts;
    bool software;
    const char* why;
  };
  const Case cases[] = {
      {{"x11", false, false, false}, true, "an X server without direct rendering (a virtual one)"},
      {{"x11", false, true, false}, true, "a server that renders direct but no device this process may open"},
      {{"x11", false, false, true}, true, "a device but a server that cannot render direct"},
      {{"x11", false, true, true}, false, "a graphics device and a server rendering through it"},
      {{"x11", true, false, false}, false, "the renderer the user named is left to SDL"},
      {{"wayland", false, false, false}, true, "Wayland without a graphics device"},
      {{"wayland", false, false, true}, false, "Wayland with one"},
      {{"windows", false, false, false}, false, "other systems keep SDL's choice"},
  };
  for (const Case& c : cases) EXPECT_EQ(openGlEmulated(c.facts), c.software) << c.why;
}

bool mapsOpenGlDriver() {
  std::ifstream maps("/proc/self/maps");
  std::ostringstream text;
  text << maps.rdbuf();
  const std::string s = text.str();
  return s.find("_dri.so") != std::string::npos || s.find("libLLVM") != std::string::npos;
}

TEST(RendererChoice, AVirtualXServerGetsTheSoftwareRendererAndNoOpenGl) {
  const std::string& display = testing::displayServer().name();
  if (display.empty()) GTEST_SKIP() << "no Xvfb to show a window on";
  setenv("DISPLAY", display.c_str(), 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  unsetenv("SDL_RENDER_DRIVER");
  unsetenv("SDL_FRAMEBUFFER_ACCELERATION");
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
  {
    backends::DiskFileSystem disk(QUORLEN_TEST_PICTURES);
    TextRenderer text;
    PictureStore pictures(disk, text);
    RendererChoice choice;
    WindowPlacement place;
    place.width = 64;
    place.height = 48;
    Surface first(place, choice, pictures, text, Filter::Linear);
    Surface second(place, choice, pictures, text, Filter::Linear);
    SDL_SetRenderDrawColor(first.renderer(), 200, 40, 40, 255);
    SDL_RenderClear(first.renderer());
    first.present();
    for (const Surface* s : {&first, &second}) {
      SDL_RendererInfo info;
      ASSERT_EQ(SDL_GetRendererInfo(s->renderer(), &info), 0);
      EXPECT_STREQ(info.name, "software") << "Xvfb offers no direct rendering: every window draws in software";
    }
    EXPECT_FALSE(mapsOpenGlDriver()) << "no OpenGL driver (and its compiler) loaded for a software window";
  }
  SDL_Quit();
}

}  // namespace
}  // namespace quorlen::sdl
