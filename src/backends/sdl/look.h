#pragma once
// The desktop backend's own look: metrics and colours of the standard
// controls, window frames, the menu bar, tool tips and message boxes, all
// in logical pixels.

#include "platform/ui_types.h"

namespace quorlen::sdl::look {

inline constexpr int kTitleBarHeight = 23;  // a framed window drawn by us: title bar
inline constexpr int kBorder = 4;           // and borders; 23 + 4 = the 27 of the frame allowance
inline constexpr int kMenuBarHeight = 20;
inline constexpr int kMenuEntryPadding = 8;
inline constexpr int kListRowHeight = 16;
inline constexpr int kScrollBarWidth = 16;
inline constexpr int kTextPadding = 3;
inline constexpr int kToolTipDelayMs = 500;

inline constexpr ui::Color kFace = ui::rgb(225, 225, 225);
inline constexpr ui::Color kFaceDark = ui::rgb(160, 160, 160);
inline constexpr ui::Color kEdge = ui::rgb(112, 112, 112);
inline constexpr ui::Color kText = ui::rgb(0, 0, 0);
inline constexpr ui::Color kSelection = ui::rgb(0, 120, 215);
inline constexpr ui::Color kSelectedText = ui::rgb(255, 255, 255);
inline constexpr ui::Color kDefaultEdge = ui::rgb(0, 84, 153);
inline constexpr ui::Color kTitleBar = ui::rgb(44, 62, 104);
inline constexpr ui::Color kTitleText = ui::rgb(255, 255, 255);
inline constexpr ui::Color kToolTipBack = ui::rgb(255, 255, 225);
inline constexpr ui::Color kMenuBack = ui::rgb(240, 240, 240);

inline const ui::Font kControlFont{"Arial", 8.25, false, false, false, false};
inline const ui::Font kTitleFont{"Arial", 9.0, true, false, false, false};
inline const ui::Font kMenuFont{"Arial", 9.0, false, false, false, false};
inline const ui::Font kMessageFont{"Arial", 9.0, false, false, false, false};

}  // namespace quorlen::sdl::look
