// Screenshots of the desktop backend's drawing of the sample game (a
// colour, a stretched and a tiled frame, areas, texts, the inventory, the
// menu bar, the load window and a message box), compared with reference
// pictures. (The welcome window and the virtual 640 x 480 screen: the demo
// screenshots.)
#include <gtest/gtest.h>

#include <cmath>

#include "offscreen_machine.h"
#include "screenshot_check.h"
#include "sdl_test_session.h"
#include "startup/program.h"

namespace quorlen::sdl {
namespace {

const std::string kSampleGame = std::string(QUORLEN_SOURCE_DIR) + "/games/sample";

using testing::crop;
using testing::expectLooksLike;
using testing::halve;

class Screenshots : public ::testing::Test {
 protected:
  void SetUp() override { testing::useOffscreenDriver(); }

  void press(ui::Control& c, ui::MouseButton b = ui::MouseButton::Left) { testing::press(machine->ui(), c, b); }

  std::unique_ptr<testing::OffscreenMachine> machine;
};

TEST_F(Screenshots, TheLoadWindowAndAGame) {
  machine = std::make_unique<testing::OffscreenMachine>(kSampleGame);
  Program program(machine->platform());
  program.start();
  SdlUi& ui = machine->ui();
  ui::Window& welcome = program.welcome().window();

  // the load window, shown modally over the welcome window
  machine->hook.onIdle = [&](IdlePoint point) {
    if (point != IdlePoint::ModalWindow) return false;
    SurfacePtr load = ui.screenshot(&program.loadGame().window());
    expectLooksLike(load.get(), "load-window");
    EXPECT_EQ(load->w, static_cast<int>(std::lround(320 * SdlUi::modalScale())))
        << "the load window is as large as the save window in the game's 640 x 480 screen";
    program.loadGame().window().unload();
    return true;
  };
  press(*welcome.find("Image6"));
  machine->hook.onIdle = {};

  // a new game: the garden, a stretched picture with areas and texts
  welcome.find("chkResolution")->setValue(0);
  press(*welcome.find("Image5"));
  ui::Window& game = program.game().window();
  ASSERT_EQ(game.state(), ui::Window::State::Shown);
  const ui::Control& display = program.game().PictureBox();
  const SDL_Rect frame{display.left() / 15, display.top() / 15, display.width() / 15, display.height() / 15};
  SurfacePtr shot = ui.screenshot(&game);
  ASSERT_NE(shot, nullptr);
  expectLooksLike(halve(*shot, frame).get(), "frame-picture");

  // the key: its task shows a message over the full-screen game
  machine->hook.onIdle = [&](IdlePoint point) {
    if (point != IdlePoint::MessageBox) return false;
    SurfacePtr box = ui.screenshot(nullptr);
    if (!box) {
      ADD_FAILURE() << "the message box can be captured";
      return true;
    }
    // the box drawn over the game at the modal windows' scale
    const int w = static_cast<int>(400 * SdlUi::modalScale());
    const int h = static_cast<int>(160 * SdlUi::modalScale());
    const SDL_Rect middle{box->w / 2 - w / 2, box->h / 2 - h / 2, w, h};
    expectLooksLike(crop(*box, middle).get(), "message-box");
    testing::pushKey(SDLK_RETURN);
    return true;
  };
  press(*game.element("Area", 2));
  machine->hook.onIdle = {};
  ASSERT_EQ(program.game().ObjectsCount, 1) << "the key was picked up";
  EXPECT_FALSE(game.element("Area", 2)->visible()) << "the key's area has disappeared";
  shot = ui.screenshot(&game);
  expectLooksLike(halve(*shot, frame).get(), "frame-inventory");

  // the menu bar and the hall, a colour frame
  press(*game.element("Area", 1));
  ASSERT_EQ(program.state().frame.FrameName, "Hall");
  press(*game.element("Area", 2), ui::MouseButton::Right);
  ASSERT_TRUE(program.game().mnuExit().visible());
  shot = ui.screenshot(&game);
  expectLooksLike(halve(*shot, SDL_Rect{0, 0, shot->w, frame.y + frame.h}).get(), "frame-colour-menu");

  // the key on the trapdoor: the tiled cellar
  machine->hook.onIdle = [&](IdlePoint point) {
    if (point == IdlePoint::MessageBox) testing::pushKey(SDLK_RETURN);
    return point == IdlePoint::MessageBox;
  };
  ui::Control& key = *game.element("PickedObject", 1);
  ui::Control& trapdoor = *game.element("Area", 1);
  auto [kx, ky] = game.originOf(key);
  auto [tx, ty] = game.originOf(trapdoor);
  ui.windows().post(ui::PointerDown{game.handle(), key.handle(), kx + 15, ky + 15, ui::MouseButton::Left});
  ui.windows().post(ui::PointerUp{game.handle(), tx + 30, ty + 30, ui::MouseButton::Left, trapdoor.handle()});
  ui.windows().dispatchPending();
  machine->hook.onIdle = {};
  ASSERT_EQ(program.state().frame.FrameName, "Cellar");
  shot = ui.screenshot(&game);
  expectLooksLike(halve(*shot, frame).get(), "frame-tiled");
}

}  // namespace
}  // namespace quorlen::sdl
