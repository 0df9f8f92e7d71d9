#pragma once
// What the window model asks of the backend that shows it.

#include <string>
#include <utility>

#include "platform/ui_types.h"

namespace quorlen::ui {

class Control;
class Window;

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void windowShown(Window& window, bool modal) = 0;
  virtual void windowHidden(Window& window) = 0;
  virtual void windowUnloaded(Window& window) = 0;
  // Something of the window changed: draw it again when the loop is idle.
  virtual void windowChanged(Window& window) = 0;
  // A timer's interval or enabled state changed: its countdown starts anew.
  virtual void timerChanged(Control& timer) = 0;
  // Runs a nested event loop until `window` is unloaded.
  virtual void runModalLoop(Window& window) = 0;
  // Outer height less inner height of a framed window (title bar, borders).
  [[nodiscard]] virtual Twips frameAllowance() const = 0;
  // Outer width less inner width of a framed window (its two borders).
  [[nodiscard]] virtual Twips frameWidthAllowance() const = 0;
  // Size in pixels of a caption in a font.
  [[nodiscard]] virtual std::pair<int, int> measureText(const Font& font, const std::string& text) const = 0;
};

}  // namespace quorlen::ui
