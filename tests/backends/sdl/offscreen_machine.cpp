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

}  // namespace quorlen::sdl::testing
