#pragma once
// The display checks: the system font's size and the display resolution,
// with the switch to 640 x 480 before a game and the size noted for the
// restore when the game window closes.

namespace quorlen {

struct GameContext;
namespace platform {
struct Platform;
}

// True for small fonts (a cell height of 16 pixels or less, or no drawing
// context to be had).
[[nodiscard]] bool UsesSmallFonts(platform::Platform& platform);
[[nodiscard]] int GetScreenWidth(platform::Platform& platform);
[[nodiscard]] int GetScreenHeight(platform::Platform& platform);
// Asks for the mode; a refused mode is reported in one message.
void ChangeDisplayResolution(GameContext& context, int width, int height);
// Notes the present size in SavedScreenWidth/Height; true at 640 x 480.
[[nodiscard]] bool IsDisplay640x480(GameContext& context);
// Switches to 640 x 480 (unless already there) and waits one second.
void SwitchTo640x480(GameContext& context);
// Puts the noted size back when the project offers the switch and the
// display is not at that size.
void RestoreDisplayResolution(GameContext& context);

}  // namespace quorlen
