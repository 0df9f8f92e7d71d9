#include "backends/sdl/key_codes.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace quorlen::sdl {
namespace {

// Esc and Enter as the game's bar and buttons take them: MenuBar.TheBarsKeys.
TEST(GameKeyCode, EveryGameCodeComesBackAndKeysWithoutOneGiveNone) {
  for (int code : std::initializer_list<int>{8, 9, 13, 27, 32, 37, 40, 'A', 'Q', '7', 96, 105, 112, 123, 186, 222 - 1}) {
    auto key = sdlKeyFor(code);
    ASSERT_TRUE(key.has_value()) << "script key " << code << " can be pressed";
    EXPECT_EQ(gameKeyCode(*key), code) << "round trip of " << code;
  }
  EXPECT_EQ(gameKeyCode(SDLK_z), 'Z') << "letters are upper-case codes";
  EXPECT_EQ(gameKeyCode(SDLK_KP_ENTER), 13) << "the keypad's Enter is Enter";
  EXPECT_FALSE(gameKeyCode(SDLK_LSHIFT).has_value()) << "Shift alone is no key press for the game";
  EXPECT_FALSE(sdlKeyFor(0).has_value()) << "no key has the code 0";
}

TEST(GameShiftState, BitsAsTheHandlersTakeThem) {
  EXPECT_EQ(gameShiftState(KMOD_LSHIFT), 1);
  EXPECT_EQ(gameShiftState(KMOD_RCTRL), 2);
  EXPECT_EQ(gameShiftState(KMOD_LALT | KMOD_LSHIFT), 5);
  EXPECT_EQ(gameShiftState(KMOD_NUM), 0) << "Num Lock is no shift";
}

}  // namespace
}  // namespace quorlen::sdl
