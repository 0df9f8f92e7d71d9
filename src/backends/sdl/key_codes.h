#pragma once
// Key codes as the game expects them (the virtual-key numbers of the
// original platform: 27 Esc, 13 Enter, 'A' to 'Z' for letters) from SDL's
// key symbols, and back for synthetic key presses.

#include <SDL_keycode.h>

#include <optional>

namespace quorlen::sdl {

// Nothing for keys the game never sees (modifier keys alone, unknown keys).
[[nodiscard]] std::optional<int> gameKeyCode(SDL_Keycode key);
// The key symbol that gives a game key code; nothing when none does.
[[nodiscard]] std::optional<SDL_Keycode> sdlKeyFor(int gameKeyCode);
// The shift state as the game's key handlers take it: 1 Shift, 2 Ctrl, 4 Alt.
[[nodiscard]] int gameShiftState(Uint16 modifiers);

}  // namespace quorlen::sdl
