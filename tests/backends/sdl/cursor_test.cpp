// The pointer the X server shows: over an area with a cursor file the
// area's cursor with the hot spot from the file's directory entry, over
// the frame's background the arrow again. The sample game is copied and
// its key spot given the hand cursor of the demo game.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "display_server.h"
#include "offscreen_machine.h"
#include "startup/program.h"

// last: Xlib defines macros such as None and Status
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace quorlen::sdl {
namespace {

namespace fs = std::filesystem;

struct XCursorShape {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
};

struct XDisplayCloser {
  void operator()(Display* d) const { XCloseDisplay(d); }
};

std::optional<XCursorShape> shownCursor(Display* x) {
  XFixesCursorImage* image = XFixesGetCursorImage(x);
  if (image == nullptr) return std::nullopt;
  XCursorShape shape{image->width, image->height, image->xhot, image->yhot};
  XFree(image);
  return shape;
}

fs::path gameWithHandCursor() {
  const fs::path game = fs::temp_directory_path() / ("quorlen-cursor-" + std::to_string(getpid()));
  fs::remove_all(game);
  fs::copy(fs::path(QUORLEN_SOURCE_DIR) / "games/sample", game, fs::copy_options::recursive);
  fs::create_directories(game / "Icons");
  fs::copy_file(fs::path(QUORLEN_SOURCE_DIR) / "games/demo/Icons/hand.cur", game / "Icons/Hand.cur");
  // the key spot's area line, its last field naming the cursor file
  std::ofstream(game / "Areas/Garden/2a.dat", std::ios::binary)
      << "3600,5700,540,540,#FALSE#,#TRUE#,\"Garden\\keyspot.bmp\",0,\"hand.CUR\"\r\n0\r\n";
  return game;
}

TEST(Cursors, AnAreasCursorIsShownOverItWithItsHotSpot) {
  const std::string& display = testing::displayServer().name();
  if (display.empty()) GTEST_SKIP() << "no Xvfb to show the pointer on";
  setenv("DISPLAY", display.c_str(), 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  setenv("SDL_RENDER_DRIVER", "software", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const fs::path game = gameWithHandCursor();
  std::unique_ptr<Display, XDisplayCloser> x(XOpenDisplay(display.c_str()));
  ASSERT_TRUE(x) << "the test connects to its display";
  int eventBase = 0;
  int errorBase = 0;
  ASSERT_TRUE(XFixesQueryExtension(x.get(), &eventBase, &errorBase)) << "Xvfb tells the pointer's picture";
  {
    testing::OffscreenMachine machine(game.string());
    Program program(machine.platform());
    program.start();
    ui::Window& welcome = program.welcome().window();
    welcome.find("chkResolution")->setValue(0);
    ui::WindowManager& windows = machine.ui().windows();
    ui::Control& newGame = *welcome.find("Image5");
    auto [nx, ny] = welcome.originOf(newGame);
    windows.post(ui::PointerDown{welcome.handle(), newGame.handle(), nx + 15, ny + 15, ui::MouseButton::Left});
    windows.post(ui::PointerUp{welcome.handle(), nx + 15, ny + 15, ui::MouseButton::Left, newGame.handle()});
    windows.dispatchPending();
    ASSERT_EQ(program.state().frame.FrameName, "Garden");
    ui::Window& frame = program.game().window();

    auto pointTo = [&](const ScreenPoint& p) {
      SDL_Window* w = SDL_GetWindowFromID(p.windowId);
      ASSERT_NE(w, nullptr) << "the game window is on screen";
      SDL_RaiseWindow(w);
      SDL_WarpMouseInWindow(w, p.x, p.y);
      for (int i = 0; i < 20; ++i) {
        machine.ui().settle();
        XSync(x.get(), False);
        SDL_Delay(10);
      }
    };

    const auto spot = machine.ui().pointOfControl(*frame.element("Area", 2));
    ASSERT_TRUE(spot) << "the key spot can be pointed at";
    pointTo(*spot);
    auto shown = shownCursor(x.get());
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->width, 32) << "the cursor file's picture is shown";
    EXPECT_EQ(shown->height, 32) << "the cursor file's picture is shown";
    EXPECT_EQ(shown->hotX, 7) << "hot spot from the cursor file's directory entry";
    EXPECT_EQ(shown->hotY, 0) << "hot spot from the cursor file's directory entry";

    const auto background = machine.ui().pointOfWindow(frame, 300, 300);
    ASSERT_TRUE(background);
    pointTo(*background);
    shown = shownCursor(x.get());
    ASSERT_TRUE(shown);
    EXPECT_FALSE(shown->width == 32 && shown->hotX == 7 && shown->hotY == 0)
        << "off the area the arrow is back";
  }
  fs::remove_all(game);
}

}  // namespace
}  // namespace quorlen::sdl
