#include "platform/control_stack.h"

#include <iterator>

namespace quorlen::ui {

void ControlStack::putOnTop(Control& control, bool native) {
  remove(control);
  std::list<Control*>::iterator place;
  if (native) {
    place = order_.insert(order_.end(), &control);
    if (firstNative_ == order_.end()) firstNative_ = place;
  } else {
    place = order_.insert(firstNative_, &control);
  }
  places_.emplace(&control, place);
}

void ControlStack::remove(const Control& control) {
  auto found = places_.find(&control);
  if (found == places_.end()) return;
  if (found->second == firstNative_) firstNative_ = std::next(firstNative_);
  order_.erase(found->second);
  places_.erase(found);
}

void ControlStack::clear() {
  order_.clear();
  places_.clear();
  firstNative_ = order_.end();
}

}  // namespace quorlen::ui
