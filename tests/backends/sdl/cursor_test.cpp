// The pointer the X server shows: over an area with a cursor file the
// area's cursor with the hot spot from the file's directory entry, over
// the frame's background the arrow again, over an area with an animated
// cursor its frames in turn, and an item's icon while the item is dragged.
// The sample game is copied, its key spot given the hand cursor of the
// demo game and its door an animated cursor.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <vector>
#include <utility>

#include "backends/sdl/pointer_cursors.h"
#include "backends/shared/files/disk_file_system.h"
#include "display_server.h"
#include "offscreen_machine.h"
#include "startup/program.h"
#include "support/temp_folder.h"

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
  std::vector<unsigned long> argb;
  // ARGB of a pixel; one outside the picture reads as 0xDEADBEEF
  [[nodiscard]] unsigned long at(int x, int y) const {
    return x < width && y < height ? argb[static_cast<std::size_t>(y * width + x)] : 0xDEADBEEF;
  }
  [[nodiscard]] unsigned long middle() const { return at(8, 8); }
};

struct XDisplayCloser {
  void operator()(Display* d) const { XCloseDisplay(d); }
};

std::optional<XCursorShape> shownCursor(Display* x) {
  XFixesCursorImage* image = XFixesGetCursorImage(x);
  if (image == nullptr) return std::nullopt;
  XCursorShape shape{image->width, image->height, image->xhot, image->yhot, {}};
  for (int i = 0; i < image->width * image->height; ++i) shape.argb.push_back(image->pixels[i] & 0xFFFFFFFF);
  XFree(image);
  return shape;
}

void addHandCursor(const fs::path& game) {
  fs::copy(fs::path(QUORLEN_SOURCE_DIR) / "games/sample", game, fs::copy_options::recursive);
  fs::create_directories(game / "Icons");
  fs::copy_file(fs::path(QUORLEN_SOURCE_DIR) / "games/demo/Icons/hand.cur", game / "Icons/Hand.cur");
  // the key spot's area line, its last field naming the cursor file
  fs::copy_file(std::string(QUORLEN_TEST_PICTURES) + "/animated.ani", game / "Icons/Busy.ani");
  std::ofstream(game / "Areas/Garden/1a.dat", std::ios::binary)
      << "6900,2970,1260,2010,#FALSE#,#TRUE#,\"Garden\\door.bmp\",1,\"busy.ani\"\r\n0\r\n";
  std::ofstream(game / "Areas/Garden/2a.dat", std::ios::binary)
      << "3600,5700,540,540,#FALSE#,#TRUE#,\"Garden\\keyspot.bmp\",0,\"hand.CUR\"\r\n0\r\n";
}

class Cursors : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string& display = testing::displayServer().name();
    if (display.empty()) GTEST_SKIP() << "no Xvfb to show the pointer on";
    setenv("DISPLAY", display.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    addHandCursor(game_.path());
    x_.reset(XOpenDisplay(display.c_str()));
    ASSERT_TRUE(x_) << "the test connects to its display";
    int eventBase = 0;
    int errorBase = 0;
    ASSERT_TRUE(XFixesQueryExtension(x_.get(), &eventBase, &errorBase)) << "Xvfb tells the pointer's picture";
    machine_ = std::make_unique<testing::OffscreenMachine>(game_.path().string());
    program_ = std::make_unique<Program>(machine_->platform());
    program_->start();
    testing::startNewGame(*program_, machine_->ui());
    ASSERT_EQ(program_->state().frame.FrameName, "Garden");
  }

  void TearDown() override {
    program_.reset();
    machine_.reset();
  }

  ui::Window& frame() { return program_->game().window(); }

  void settle() {
    for (int i = 0; i < 20; ++i) {
      machine_->ui().settle();
      XSync(x_.get(), False);
      SDL_Delay(10);
    }
  }

  // Moves the real pointer there, as the mouse would.
  void pointTo(const std::optional<ScreenPoint>& p) {
    ASSERT_TRUE(p) << "the place can be pointed at";
    SDL_Window* w = SDL_GetWindowFromID(p->windowId);
    ASSERT_NE(w, nullptr) << "the game window is on screen";
    SDL_RaiseWindow(w);
    SDL_WarpMouseInWindow(w, p->x, p->y);
    settle();
  }

  void pressLeft(const ScreenPoint& p, bool down) {
    testing::pushButton(p, ui::MouseButton::Left, down);
    settle();
  }

  XCursorShape shown() {
    auto shape = shownCursor(x_.get());
    EXPECT_TRUE(shape) << "the X server tells the pointer's picture";
    return shape.value_or(XCursorShape{});
  }

  quorlen::testing::TempFolder game_{"quorlen-cursor"};
  std::unique_ptr<Display, XDisplayCloser> x_;
  std::unique_ptr<testing::OffscreenMachine> machine_;
  std::unique_ptr<Program> program_;
};

TEST_F(Cursors, AnAreasCursorOrItsAnimationShowsOverItWithItsHotSpots) {
  pointTo(machine_->ui().pointOfControl(*frame().element("Area", 2)));
  const XCursorShape hand = shown();
  EXPECT_EQ(hand.width, 32) << "the cursor file's picture is shown";
  EXPECT_EQ(hand.height, 32) << "the cursor file's picture is shown";
  EXPECT_EQ(hand.hotX, 7) << "hot spot from the cursor file's directory entry";
  EXPECT_EQ(hand.hotY, 0) << "hot spot from the cursor file's directory entry";

  pointTo(machine_->ui().pointOfControl(*frame().element("Area", 1)));
  XCursorShape first = shown();
  EXPECT_EQ(first.width, 32) << "the animated cursor's first frame is shown";
  EXPECT_EQ(first.hotX, 3) << "with the first frame's hot spot";
  EXPECT_EQ(first.hotY, 4) << "with the first frame's hot spot";
  EXPECT_EQ(first.middle(), 0xFFFF0000UL) << "the first frame is red";
  // frames 0, 1, 2, 1 for 100, 200, 100 and 500 ms: within 1.5 s each
  // frame shows, with its own hot spot, and the first comes round again
  std::set<std::pair<int, unsigned long>> seen;
  bool greenBefore = false;
  bool redAgain = false;
  const Uint64 start = SDL_GetTicks64();
  while (SDL_GetTicks64() - start < 1500) {
    machine_->ui().waitEvents(10);
    XSync(x_.get(), False);
    const XCursorShape now = shown();
    seen.insert({now.hotX, now.middle()});
    if (now.middle() == 0xFF00FF00UL) greenBefore = true;
    if (greenBefore && now.middle() == 0xFFFF0000UL) redAgain = true;
  }
  EXPECT_TRUE(seen.contains({4, 0xFF00FF00UL})) << "the second frame, green, with its own hot spot";
  EXPECT_TRUE(seen.contains({5, 0xFF0000FFUL})) << "the third frame, blue, with its own hot spot";
  EXPECT_TRUE(redAgain) << "the sequence goes round to the first frame again";

  pointTo(machine_->ui().pointOfWindow(frame(), 300, 300));
  const XCursorShape off = shown();
  EXPECT_TRUE(off.middle() != 0xFFFF0000UL && off.middle() != 0xFF00FF00UL && off.middle() != 0xFF0000FFUL)
      << "off the areas no frame of the animated cursor shows";
  EXPECT_FALSE(off.width == 32 && off.hotX == 7 && off.hotY == 0) << "and the arrow is back";
}

TEST_F(Cursors, EveryCursorFileOfTheEraMakesAPointer) {
  backends::DiskFileSystem pictures(QUORLEN_TEST_PICTURES);
  PointerCursors cursors(pictures);
  pointTo(machine_->ui().pointOfWindow(frame(), 300, 300));
  const auto showFile = [&](const char* name) {
    const PointerImages* made = cursors.find(std::string(QUORLEN_TEST_PICTURES) + "/" + name);
    if (made != nullptr) SDL_SetCursor(made->frames.front().get());
    XSync(x_.get(), False);
    SDL_Delay(20);
    const XCursorShape s = shown();
    return std::vector<unsigned long>{s.at(8, 8), s.at(24, 8), s.at(8, 24), s.at(24, 24)};
  };
  // quadrants: black, white, transparent, inverting (AND 1, XOR 1)
  const auto mono = showFile("mono.cur");
  EXPECT_EQ(mono[0], 0xFF000000UL) << "black";
  EXPECT_EQ(mono[1], 0xFFFFFFFFUL) << "white";
  EXPECT_EQ(mono[2] >> 24, 0UL) << "transparent";
  EXPECT_EQ(mono[3], 0xFF000000UL) << "inverting pixels: SDL 2 draws them black";
  // red, green at half alpha, blue at alpha 0, white (premultiplied ARGB)
  const auto soft = showFile("alpha32.cur");
  EXPECT_EQ(soft[0], 0xFFFF0000UL) << "opaque red";
  EXPECT_EQ(soft[1] >> 24, 0x80UL) << "green kept at half alpha";
  EXPECT_EQ(soft[2] >> 24, 0UL) << "alpha 0 is transparent";
  EXPECT_EQ(soft[3], 0xFFFFFFFFUL) << "opaque white";
  for (const char* name : {"mono.cur", "colour16.cur", "colour256.cur", "alpha32.cur", "large48.cur", "single.ico",
                           "multi.ico", "animated.ani"}) {
    const PointerImages* made = cursors.find(std::string(QUORLEN_TEST_PICTURES) + "/" + name);
    ASSERT_NE(made, nullptr) << name << " makes a pointer";
    for (const auto& frame : made->frames) EXPECT_NE(frame, nullptr) << name << ": every frame";
  }
  const PointerImages* animated = cursors.find(std::string(QUORLEN_TEST_PICTURES) + "/animated.ani");
  SDL_Cursor* first = cursors.show(animated, 1000);
  EXPECT_EQ(cursors.untilNextStep(1000), 100) << "the first step lasts its 6 jiffies";
  EXPECT_EQ(cursors.advance(1050), nullptr) << "still the first frame before its time is up";
  SDL_Cursor* second = cursors.advance(1100);
  EXPECT_NE(second, nullptr) << "the second frame after 100 ms";
  EXPECT_NE(second, first) << "a different picture";
  EXPECT_EQ(cursors.show(animated, 1150), second) << "staying over the area goes on with the animation";
  EXPECT_EQ(cursors.advance(1100 + 200 + 100 + 500), first) << "round the sequence back to the first frame";
  EXPECT_EQ(cursors.show(nullptr, 2000), nullptr) << "off the area no file cursor shows";
  EXPECT_FALSE(cursors.untilNextStep(2000)) << "and nothing animates";
  EXPECT_EQ(cursors.find(std::string(QUORLEN_TEST_PICTURES) + "/bmp24.bmp"), nullptr) << "a bitmap is no cursor";
}

TEST_F(Cursors, ADraggedItemIsThePointer) {
  // the key is picked up (its message answered), then pressed in its slot
  machine_->hook.onIdle = [](IdlePoint point) {
    if (point == IdlePoint::MessageBox) testing::pushKey(SDLK_RETURN);
    return point == IdlePoint::MessageBox;
  };
  pointTo(machine_->ui().pointOfControl(*frame().element("Area", 2)));
  const auto spot = machine_->ui().pointOfControl(*frame().element("Area", 2));
  pressLeft(*spot, true);
  pressLeft(*spot, false);
  machine_->hook.onIdle = {};
  ASSERT_EQ(program_->game().ObjectsCount, 1) << "the key was picked up";

  const auto slot = machine_->ui().pointOfControl(*frame().element("PickedObject", 1));
  pointTo(slot);
  pressLeft(*slot, true);
  XCursorShape dragged = shown();
  EXPECT_EQ(dragged.width, 32) << "the key's icon (32 x 32) is the pointer while it is dragged";
  EXPECT_EQ(dragged.hotX, 16) << "the icon is held by its middle";
  EXPECT_EQ(dragged.hotY, 16) << "the icon is held by its middle";

  const auto away = machine_->ui().pointOfWindow(frame(), 4500, 4500);
  pointTo(away);
  pressLeft(*away, false);
  dragged = shown();
  EXPECT_FALSE(dragged.hotX == 16 && dragged.hotY == 16) << "the icon is let go with the button";
}

}  // namespace
}  // namespace quorlen::sdl
