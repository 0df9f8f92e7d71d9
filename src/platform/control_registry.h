#pragma once
// The controls a window owns, in the order they were made (their handles
// rise), each found by its handle in logarithmic time. Adding a control
// and taking one out cost constant time on average: a control taken out
// leaves a gap, and the gaps are closed once they are half of the places.

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/ui_types.h"

namespace quorlen::ui {

class Control;

class ControlRegistry {
 public:
  void add(std::unique_ptr<Control> control);
  // The control of that handle, no longer owned here; nullptr when none.
  [[nodiscard]] std::unique_ptr<Control> take(Handle handle);
  [[nodiscard]] Control* find(Handle handle) const;
  // Every control, in the order they were made; the registry is then empty.
  [[nodiscard]] std::vector<std::unique_ptr<Control>> takeAll();
  [[nodiscard]] std::size_t size() const { return handles_.size() - gaps_; }

  // Calls `visit` with each control, in the order they were made.
  template <typename Visit>
  void forEach(Visit&& visit) const {
    for (const auto& control : controls_) {
      if (control) visit(*control);
    }
  }

 private:
  [[nodiscard]] std::size_t placeOf(Handle handle) const;
  void closeGaps();

  // Sorted by handle; a control taken out leaves nullptr beside its handle.
  std::vector<Handle> handles_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::size_t gaps_ = 0;
};

}  // namespace quorlen::ui
