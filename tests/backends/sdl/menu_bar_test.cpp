// The game window's menu bar and tool tips on the desktop, driven by SDL
// mouse and key events as the user makes them: presses of each button on
// each part of the bar, the bar's keys, a tip that shows after a rest.
#include <gtest/gtest.h>

#include "offscreen_machine.h"
#include "sdl_test_session.h"
#include "startup/program.h"

namespace quorlen::sdl {
namespace {

const std::string kSampleGame = std::string(QUORLEN_SOURCE_DIR) + "/games/sample";

class MenuBar : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::useOffscreenDriver();
    machine = std::make_unique<testing::OffscreenMachine>(kSampleGame);
    program = std::make_unique<Program>(machine->platform());
    program->start();
    testing::startNewGame(*program, ui());
    ui().settle();
  }

  SdlUi& ui() { return machine->ui(); }
  ui::Window& game() { return program->game().window(); }
  bool barShown() { return program->game().mnuExit().visible(); }

  void click(const ScreenPoint& p, ui::MouseButton b) {
    testing::pushButton(p, b, true);
    testing::pushButton(p, b, false);
    ui().settle();
  }
  void key(SDL_Keycode k) {
    testing::pushKey(k);
    ui().settle();
  }
  void showBar() {
    if (!barShown()) click(*ui().pointOfWindow(game(), 15 * 3, 15 * 3), ui::MouseButton::Right);
    ASSERT_TRUE(barShown()) << "a right click on the window shows the bar";
  }
  ScreenPoint entryPoint(ui::Control& entry) { return *ui().pointOfMenuEntry(entry); }
  // the bar's empty part, far right of its entries
  ScreenPoint emptyBarPoint() { return *ui().pointOfWindow(game(), game().innerWidth() - 15 * 40, -15 * 10); }

  std::unique_ptr<testing::OffscreenMachine> machine;
  std::unique_ptr<Program> program;
};

TEST_F(MenuBar, OnlyTheLeftButtonChoosesAnEntry) {
  ASSERT_EQ(game().state(), ui::Window::State::Shown);
  ui::Control& exit = program->game().mnuExit();
  ui::Control& save = program->game().mnuSaveGame();
  for (ui::Control* entry : {&exit, &save}) {
    showBar();
    click(entryPoint(*entry), ui::MouseButton::Right);
    EXPECT_FALSE(barShown()) << "a right press on " << entry->caption() << " hides the bar, as on the window";
    EXPECT_EQ(game().state(), ui::Window::State::Shown) << "nothing chosen by the right button";
    showBar();
    click(entryPoint(*entry), ui::MouseButton::Middle);
    EXPECT_FALSE(barShown()) << "a middle press on " << entry->caption() << " hides the bar";
    EXPECT_EQ(game().state(), ui::Window::State::Shown) << "nothing chosen by the middle button";
  }
  for (const ui::MouseButton b : {ui::MouseButton::Right, ui::MouseButton::Left, ui::MouseButton::Middle}) {
    showBar();
    click(emptyBarPoint(), b);
    EXPECT_FALSE(barShown()) << "a press of button " << static_cast<int>(b) << " on the empty bar hides it, as on "
                             << "the window (the right button toggles it)";
  }

  // a left press on an entry released elsewhere chooses nothing
  showBar();
  testing::pushButton(entryPoint(exit), ui::MouseButton::Left, true);
  testing::pushButton(emptyBarPoint(), ui::MouseButton::Left, false);
  ui().settle();
  EXPECT_EQ(game().state(), ui::Window::State::Shown) << "released away from Exit";

  // the left button choosing "Save game" and "Exit": the saves and newgame
  // scenarios, replayed through the bar by InputPath
}

TEST_F(MenuBar, TheBarsKeys) {
  key(SDLK_F10);
  EXPECT_FALSE(ui().menuEntrySelected()) << "F10 does nothing while the bar is hidden";
  showBar();
  key(SDLK_F10);
  EXPECT_EQ(ui().menuEntrySelected(), 0u) << "F10 selects the first entry";
  key(SDLK_RIGHT);
  EXPECT_EQ(ui().menuEntrySelected(), 1u) << "Right moves to the next entry";
  key(SDLK_RIGHT);
  EXPECT_EQ(ui().menuEntrySelected(), 0u) << "and round to the first";
  key(SDLK_LEFT);
  EXPECT_EQ(ui().menuEntrySelected(), 1u) << "Left moves back, round to the last";
  key(SDLK_ESCAPE);
  EXPECT_FALSE(ui().menuEntrySelected()) << "Esc leaves the selection";
  EXPECT_TRUE(barShown()) << "and leaves the bar as it is";
  key(SDLK_ESCAPE);
  EXPECT_FALSE(barShown()) << "Esc without a selection still toggles the bar";
  showBar();
  key(SDLK_LALT);
  EXPECT_EQ(ui().menuEntrySelected(), 0u) << "Alt alone selects the first entry";
  key(SDLK_RETURN);
  EXPECT_NE(game().state(), ui::Window::State::Shown) << "Enter chooses Exit";
}

TEST_F(MenuBar, ThePlayersOwnKeysReachNoGame) {
  key(SDLK_F6);
  EXPECT_EQ(ui().preferences().musicVolume, 90) << "F6: music softer";
  key(SDLK_F7);
  key(SDLK_F7);
  EXPECT_EQ(ui().preferences().musicVolume, 100) << "F7: louder, up to 100";
  key(SDLK_F8);
  EXPECT_EQ(ui().preferences().soundVolume, 90) << "F8: sound softer";
  key(SDLK_F5);
  EXPECT_TRUE(ui().preferences().mute) << "F5 mutes";
  key(SDLK_F5);
  EXPECT_FALSE(ui().preferences().mute) << "and unmutes";
  EXPECT_FALSE(barShown()) << "none of them reaches the game";
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.windowID = ui().pointOfWindow(game(), 15, 15)->windowId;
  e.key.keysym.sym = SDLK_F11;
  SDL_PushEvent(&e);
  ui().settle();
  EXPECT_FALSE(ui().preferences().fullscreen) << "F11 leaves full screen, and that is remembered";
}

TEST_F(MenuBar, AToolTipShowsAfterARestWithoutAnotherMove) {
  // the key's area gives the key; its message box is answered
  machine->hook.onIdle = [&](IdlePoint point) {
    if (point == IdlePoint::MessageBox) testing::pushKey(SDLK_RETURN);
    return point == IdlePoint::MessageBox;
  };
  ui::Control& area = *game().element("Area", 2);
  click(*ui().pointOfControl(area), ui::MouseButton::Left);
  machine->hook.onIdle = {};
  ASSERT_EQ(program->game().ObjectsCount, 1) << "the key was picked up";
  ui::Control& icon = *game().element("PickedObject", 1);
  const ScreenPoint p = *ui().pointOfControl(icon);
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = p.windowId;
  e.motion.x = p.x;
  e.motion.y = p.y;
  SDL_PushEvent(&e);
  ui().settle();
  EXPECT_FALSE(ui().toolTipShown()) << "no tip at once";
  const std::uint64_t start = SDL_GetTicks64();
  while (!ui().toolTipShown() && SDL_GetTicks64() - start < 3000) ui().waitEvents(100);
  ASSERT_TRUE(ui().toolTipShown()) << "the tip shows after the rest delay with no further move";
  EXPECT_EQ(*ui().toolTipShown(), icon.toolTip());
}

}  // namespace
}  // namespace quorlen::sdl
