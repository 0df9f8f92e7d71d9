#include "backends/sdl/key_codes.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace quorlen::sdl {
namespace {

TEST(GameKeyCode, KeysAreVirtualKeyCodes) {
  EXPECT_EQ(gameKeyCode(SDLK_ESCAPE), 27) << "Esc toggles the menu";
  EXPECT_EQ(gameKeyCode(SDLK_RETURN), 13) << "Enter presses default buttons";
  EXPECT_EQ(gameKeyCode(SDLK_KP_ENTER), 13) << "the keypad's Enter too";
  EXPECT_EQ(gameKeyCode(SDLK_a), 'A') << "letters are upper-case codes";
  EXPECT_EQ(gameKeyCode(SDLK_z), 'Z');
  EXPECT_EQ(gameKeyCode(SDLK_0), '0');
  EXPECT_EQ(gameKeyCode(SDLK_F1), 112);
  EXPECT_EQ(gameKeyCode(SDLK_LEFT), 37);
  EXPECT_EQ(gameKeyCode(SDLK_KP_5), 101);
  EXPECT_FALSE(gameKeyCode(SDLK_LSHIFT).has_value()) << "Shift alone is no key press for the game";
}

TEST(SdlKeyFor, EveryGameCodeComesBack) {
  for (int code : std::initializer_list<int>{8, 9, 13, 27, 32, 37, 40, 'A', 'Q', '7', 96, 105, 112, 123, 186, 222 - 1}) {
    auto key = sdlKeyFor(code);
    ASSERT_TRUE(key.has_value()) << "script key " << code << " can be pressed";
    EXPECT_EQ(gameKeyCode(*key), code) << "round trip of " << code;
  }
  EXPECT_FALSE(sdlKeyFor(0).has_value());
}

TEST(GameShiftState, BitsAsTheHandlersTakeThem) {
  EXPECT_EQ(gameShiftState(KMOD_LSHIFT), 1);
  EXPECT_EQ(gameShiftState(KMOD_RCTRL), 2);
  EXPECT_EQ(gameShiftState(KMOD_LALT | KMOD_LSHIFT), 5);
  EXPECT_EQ(gameShiftState(KMOD_NUM), 0) << "Num Lock is no shift";
}

}  // namespace
}  // namespace quorlen::sdl
