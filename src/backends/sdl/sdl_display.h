#pragma once
// The desktop's display as the game sees it. Its size is the real desktop
// of the display the program runs on, until the game switches the mode:
// the switch is virtual, the real mode never changes. A smaller mode is
// then reported as the desktop and the game window shows that screen
// scaled to the real display; switching back to the real size ends it.

#include <functional>
#include <optional>
#include <utility>

#include "platform/display.h"

namespace quorlen::sdl {

class SdlDisplay final : public platform::Display {
 public:
  // `realSize` answers the real desktop in pixels; `pixelRatio` the scale
  // of the display (1 at 100 %).
  SdlDisplay(std::function<std::pair<int, int>()> realSize, std::function<double()> pixelRatio)
      : realSize_(std::move(realSize)), pixelRatio_(std::move(pixelRatio)) {}

  [[nodiscard]] int width() const override;
  [[nodiscard]] int height() const override;
  [[nodiscard]] std::optional<int> systemFontCellHeight() const override;
  int changeMode(int width, int height) override;

  // Told after every change of the reported size.
  void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
  [[nodiscard]] bool switched() const { return virtual_.has_value(); }

 private:
  std::function<std::pair<int, int>()> realSize_;
  std::function<double()> pixelRatio_;
  std::function<void()> listener_;
  std::optional<std::pair<int, int>> virtual_;
};

// The real desktop size of the first display, in SDL's window units.
[[nodiscard]] std::pair<int, int> desktopSize();

}  // namespace quorlen::sdl
