#pragma once
// The display the game runs on: its size, the system font's cell height and
// the switch of its mode. A mode change lasts only while the program runs:
// no backend stores it as the display's permanent setting.

#include <optional>

namespace quorlen::platform {

class Display {
 public:
  virtual ~Display() = default;
  // The desktop's size in pixels.
  [[nodiscard]] virtual int width() const = 0;
  [[nodiscard]] virtual int height() const = 0;
  // The character cell height in pixels of the system font; nothing when no
  // drawing context can be had.
  [[nodiscard]] virtual std::optional<int> systemFontCellHeight() const = 0;
  // Asks for a mode of width x height pixels, colour depth and refresh
  // kept. Answers 0 changed, 1 changed after a restart, anything else
  // refused.
  virtual int changeMode(int width, int height) = 0;
};

}  // namespace quorlen::platform
