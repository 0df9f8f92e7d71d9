#include "platform/control_registry.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/control.h"

namespace quorlen::ui {

std::size_t ControlRegistry::placeOf(Handle handle) const {
  return static_cast<std::size_t>(std::lower_bound(handles_.begin(), handles_.end(), handle) - handles_.begin());
}

void ControlRegistry::add(std::unique_ptr<Control> control) {
  const Handle handle = control->handle();
  // Handles rise, so a new control goes last; a lower one is put in its place.
  const std::size_t place = handles_.empty() || handles_.back() < handle ? handles_.size() : placeOf(handle);
  handles_.insert(handles_.begin() + static_cast<std::ptrdiff_t>(place), handle);
  controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(place), std::move(control));
}

std::unique_ptr<Control> ControlRegistry::take(Handle handle) {
  const std::size_t place = placeOf(handle);
  if (place == handles_.size() || handles_[place] != handle || !controls_[place]) return nullptr;
  std::unique_ptr<Control> taken = std::move(controls_[place]);
  ++gaps_;
  if (gaps_ * 2 > handles_.size()) closeGaps();
  return taken;
}

Control* ControlRegistry::find(Handle handle) const {
  const std::size_t place = placeOf(handle);
  if (place == handles_.size() || handles_[place] != handle) return nullptr;
  return controls_[place].get();
}

std::vector<std::unique_ptr<Control>> ControlRegistry::takeAll() {
  std::vector<std::unique_ptr<Control>> all;
  all.reserve(size());
  for (auto& control : controls_) {
    if (control) all.push_back(std::move(control));
  }
  handles_.clear();
  controls_.clear();
  gaps_ = 0;
  return all;
}

void ControlRegistry::closeGaps() {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (!controls_[i]) continue;
    handles_[kept] = handles_[i];
    controls_[kept] = std::move(controls_[i]);
    ++kept;
  }
  handles_.resize(kept);
  controls_.resize(kept);
  gaps_ = 0;
}

}  // namespace quorlen::ui
