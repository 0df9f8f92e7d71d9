#pragma once
// The program's own message box: its layout (title bar, icon, text wrapped
// to a width, a row of buttons with the default one first), its drawing and
// the keys it answers to. The same box is drawn over a full-screen game or
// in a small window of its own.

#include <optional>
#include <string>
#include <vector>

#include "backends/sdl/canvas.h"
#include "backends/sdl/text_renderer.h"
#include "platform/ui_types.h"

namespace quorlen::sdl {

struct MessageBoxButton {
  ui::MsgBoxResult answer = ui::MsgBoxResult::Ok;
  std::string caption;
  Rect rect;  // from the box's top-left corner
};

struct MessageBoxLayout {
  double width = 0;
  double height = 0;
  Rect icon;  // empty without an icon
  Rect text;
  std::vector<std::string> lines;
  std::vector<MessageBoxButton> buttons;
};

// The buttons of a style in their order on the box ("OK", "Cancel", ...).
[[nodiscard]] std::vector<MessageBoxButton> messageBoxButtons(ui::MsgBoxButtons buttons);
[[nodiscard]] MessageBoxLayout layoutMessageBox(const std::string& text, ui::MsgBoxButtons buttons, ui::MsgBoxIcon icon,
                                                const std::string& title, TextRenderer& renderer, double maxTextWidth);
// The answer of the Esc key: Cancel when offered, OK on an OK-only box
// (which has nothing else), otherwise none.
[[nodiscard]] std::optional<ui::MsgBoxResult> escapeAnswer(ui::MsgBoxButtons buttons);

// Draws the box with its top-left corner at (x, y); `focused` is the
// button that Enter presses, `pressed` one held down under the pointer.
void paintMessageBox(Canvas& canvas, const MessageBoxLayout& layout, ui::MsgBoxIcon icon, const std::string& title,
                     double x, double y, std::size_t focused, std::optional<std::size_t> pressed);

}  // namespace quorlen::sdl
