#pragma once
// The welcome window's design: its inside size and its own pictures (title,
// buttons, information panel, background texture) and pointing hand, drawn
// by the program itself.

#include "platform/user_interface.h"
#include "platform/window.h"

namespace quorlen {

inline constexpr int kWelcomeInnerWidth = 335;   // pixels
inline constexpr int kWelcomeInnerHeight = 285;  // pixels, before the load lays out the lines

// Puts the design pictures on the window's images and the pointing hand on
// its six clickable pictures.
void loadDesignPictures(ui::UserInterface& ui, ui::Window& window);

}  // namespace quorlen
