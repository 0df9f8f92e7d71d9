#include "offscreen_machine.h"

namespace quorlen::sdl::testing {

namespace {
UiOptions offscreenOptions() {
  UiOptions o;
  o.fullscreen = true;
  o.filter = Filter::Nearest;
  return o;
}
}  // namespace

OffscreenMachine::OffscreenMachine(const std::string& gameFolder)
    : files_(gameFolder),
      display_(desktopSize, [this] { return ui_.pixelRatio(); }),
      ui_(files_, display_, clock_, offscreenOptions()),
      devices_(files_),
      interpreter_(devices_),
      platform_{ui_, interpreter_, display_, settings_, shell, files_, clock_} {
  display_.setChangeListener([this] { ui_.displayChanged(); });
  ui_.setObserver(&hook);
}

void pushKey(SDL_Keycode key) {
  for (bool down : {true, false}) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
  }
}

void pushButton(const ScreenPoint& at, ui::MouseButton button, bool down) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.windowID = at.windowId;
  e.button.button = button == ui::MouseButton::Right    ? SDL_BUTTON_RIGHT
                    : button == ui::MouseButton::Middle ? SDL_BUTTON_MIDDLE
                                                        : SDL_BUTTON_LEFT;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.button.clicks = 1;
  e.button.x = at.x;
  e.button.y = at.y;
  SDL_PushEvent(&e);
}

void press(SdlUi& ui, ui::Control& control, ui::MouseButton button) {
  auto [x, y] = control.window().originOf(control);
  x += control.width() / 2;
  y += control.height() / 2;
  ui.windows().post(ui::PointerDown{control.window().handle(), control.handle(), x, y, button});
  ui.windows().post(ui::PointerUp{control.window().handle(), x, y, button, control.handle()});
  ui.windows().dispatchPending();
}

void startNewGame(Program& program, SdlUi& ui) {
  program.welcome().window().find("chkResolution")->setValue(0);
  press(ui, *program.welcome().window().find("Image5"));
}

}  // namespace quorlen::sdl::testing
