#include "backends/sdl/key_codes.h"

#include <array>
#include <utility>

namespace quorlen::sdl {

namespace {
// Keys whose code is not derived from a character range.
constexpr std::array<std::pair<SDL_Keycode, int>, 32> kNamedKeys{{
    {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},        {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13}, {SDLK_PAUSE, 19},
    {SDLK_ESCAPE, 27},   {SDLK_SPACE, 32},     {SDLK_PAGEUP, 33},   {SDLK_PAGEDOWN, 34}, {SDLK_END, 35},
    {SDLK_HOME, 36},     {SDLK_LEFT, 37},      {SDLK_UP, 38},       {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},
    {SDLK_INSERT, 45},   {SDLK_DELETE, 46},    {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109}, {SDLK_KP_PERIOD, 110}, {SDLK_KP_DIVIDE, 111}, {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},  {SDLK_COMMA, 188},    {SDLK_MINUS, 189},   {SDLK_PERIOD, 190},  {SDLK_SLASH, 191},
    {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221},
}};

constexpr std::array<SDL_Keycode, 10> kKeypadDigits{SDLK_KP_0, SDLK_KP_1, SDLK_KP_2, SDLK_KP_3, SDLK_KP_4,
                                                    SDLK_KP_5, SDLK_KP_6, SDLK_KP_7, SDLK_KP_8, SDLK_KP_9};
constexpr std::array<SDL_Keycode, 12> kFunctionKeys{SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4,  SDLK_F5,  SDLK_F6,
                                                    SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F11, SDLK_F12};
}  // namespace

std::optional<int> gameKeyCode(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  for (std::size_t i = 0; i < kKeypadDigits.size(); ++i) {
    if (kKeypadDigits[i] == key) return 96 + static_cast<int>(i);
  }
  for (std::size_t i = 0; i < kFunctionKeys.size(); ++i) {
    if (kFunctionKeys[i] == key) return 112 + static_cast<int>(i);
  }
  for (const auto& [sdlKey, code] : kNamedKeys) {
    if (sdlKey == key) return code;
  }
  return std::nullopt;
}

std::optional<SDL_Keycode> sdlKeyFor(int code) {
  if (code >= 'A' && code <= 'Z') return SDLK_a + (code - 'A');
  if (code >= '0' && code <= '9') return SDLK_0 + (code - '0');
  if (code >= 96 && code <= 105) return kKeypadDigits[static_cast<std::size_t>(code - 96)];
  if (code >= 112 && code <= 123) return kFunctionKeys[static_cast<std::size_t>(code - 112)];
  for (const auto& [sdlKey, gameCode] : kNamedKeys) {
    if (gameCode == code) return sdlKey;
  }
  return std::nullopt;
}

int gameShiftState(Uint16 modifiers) {
  int shift = 0;
  if ((modifiers & KMOD_SHIFT) != 0) shift |= 1;
  if ((modifiers & KMOD_CTRL) != 0) shift |= 2;
  if ((modifiers & KMOD_ALT) != 0) shift |= 4;
  return shift;
}

}  // namespace quorlen::sdl
