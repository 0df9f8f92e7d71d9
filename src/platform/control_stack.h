#pragma once
// The stacking order of the controls inside one container, back to front:
// the light-weight controls (images, labels), drawn on their container,
// lie below every control with a window of its own. Putting a control on
// top of its layer, taking it out and bringing it to the front take
// constant time, however many controls the container holds.

#include <cstddef>
#include <list>

namespace quorlen::ui {

class Control;

class ControlStack {
 public:
  using const_iterator = std::list<Control*>::const_iterator;
  using const_reverse_iterator = std::list<Control*>::const_reverse_iterator;

  ControlStack() = default;
  // The stack and its controls keep iterators into it: it is neither copied
  // nor moved.
  ControlStack(const ControlStack&) = delete;
  ControlStack& operator=(const ControlStack&) = delete;

  // Puts the control on top of its layer (`native`: the upper layer of
  // controls with their own window); a control already in the stack moves.
  void putOnTop(Control& control, bool native);
  // Takes the control out of this stack, its container's; nothing happens
  // when it is in none.
  void remove(Control& control);
  void clear();

  [[nodiscard]] const_iterator begin() const { return order_.begin(); }
  [[nodiscard]] const_iterator end() const { return order_.end(); }
  [[nodiscard]] const_reverse_iterator rbegin() const { return order_.rbegin(); }
  [[nodiscard]] const_reverse_iterator rend() const { return order_.rend(); }
  [[nodiscard]] bool empty() const { return order_.empty(); }
  [[nodiscard]] std::size_t size() const { return order_.size(); }

 private:
  std::list<Control*> order_;
  std::list<Control*>::iterator firstNative_ = order_.end();
};

}  // namespace quorlen::ui
