#include "platform/control_stack.h"

#include <iterator>

#include "platform/control.h"

namespace quorlen::ui {

void ControlStack::putOnTop(Control& control, bool native) {
  if (control.stacked_) {
    // Already in this stack: its place moves, nothing is made anew.
    if (control.stackPlace_ == firstNative_) firstNative_ = std::next(firstNative_);
    order_.splice(native ? order_.end() : firstNative_, order_, control.stackPlace_);
    if (native && firstNative_ == order_.end()) firstNative_ = control.stackPlace_;
    return;
  }
  if (native) {
    control.stackPlace_ = order_.insert(order_.end(), &control);
    if (firstNative_ == order_.end()) firstNative_ = control.stackPlace_;
  } else {
    control.stackPlace_ = order_.insert(firstNative_, &control);
  }
  control.stacked_ = true;
}

void ControlStack::remove(Control& control) {
  if (!control.stacked_) return;
  if (control.stackPlace_ == firstNative_) firstNative_ = std::next(firstNative_);
  order_.erase(control.stackPlace_);
  control.stacked_ = false;
}

void ControlStack::clear() {
  for (Control* c : order_) c->stacked_ = false;
  order_.clear();
  firstNative_ = order_.end();
}

}  // namespace quorlen::ui
