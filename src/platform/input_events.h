#pragma once
// The input that backends post into the model: the desktop backend turns the
// operating system's events into these, the headless backend its script
// lines, so that both take the same road to the handlers.

#include <optional>
#include <string>
#include <variant>

#include "platform/ui_types.h"

namespace quorlen::ui {

// A button goes down at a point of a window's inside (twips). `target`
// names the control that gets it; without it the topmost control there.
struct PointerDown {
  Handle window = 0;
  std::optional<Handle> target;
  Twips x = 0;
  Twips y = 0;
  MouseButton button = MouseButton::Left;
};
// The button goes up: the pressed control gets its release and, when the
// pointer is still over it, its click; a control being dragged is dropped on
// what lies under the pointer instead.
struct PointerUp {
  Handle window = 0;
  Twips x = 0;
  Twips y = 0;
  MouseButton button = MouseButton::Left;
  std::optional<Handle> over;  // what lies under the pointer, when known
};
struct DoubleClick {
  Handle window = 0;
  std::optional<Handle> target;
  Twips x = 0;
  Twips y = 0;
};
// A key pressed and released; `target` has the keyboard (else the focus).
struct KeyPress {
  Handle window = 0;
  std::optional<Handle> target;
  int keyCode = 0;
  int shift = 0;
};
struct MenuChoose {
  Handle entry = 0;
};
struct TimerDue {
  Handle timer = 0;
};
// The user closes a window through its frame.
struct CloseRequest {
  Handle window = 0;
};
// The text of a text box is replaced by what the user typed.
struct TextReplace {
  Handle control = 0;
  std::string text;
};
// A list entry is clicked (or double-clicked).
struct ListSelect {
  Handle control = 0;
  int index = -1;
  bool doubleClick = false;
};
struct Repaint {
  Handle window = 0;
};

using InputEvent = std::variant<PointerDown, PointerUp, DoubleClick, KeyPress, MenuChoose, TimerDue,
                                CloseRequest, TextReplace, ListSelect, Repaint>;

}  // namespace quorlen::ui
