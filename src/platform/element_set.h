#pragma once
// The elements of one indexed control set by index. Indexes from 0 to a
// few tens of thousands (every index a game makes) are kept in a table
// reached directly, any other in a sorted map, so that finding, adding and
// removing an element and the highest index cost constant time for the
// first and logarithmic time for the others.

#include <map>
#include <vector>

namespace quorlen::ui {

class Control;

class ElementSet {
 public:
  [[nodiscard]] Control* find(int index) const;
  // False, the set unchanged, when the index is already taken.
  bool insert(int index, Control& control);
  void erase(int index);
  [[nodiscard]] int size() const { return size_; }
  [[nodiscard]] bool empty() const { return size_ == 0; }
  // The highest index; only when the set is not empty.
  [[nodiscard]] int highest() const;
  // Every index, in rising order.
  [[nodiscard]] std::vector<int> indexes() const;

 private:
  static constexpr int kTableLimit = 1 << 16;
  static bool inTable(int index) { return index >= 0 && index < kTableLimit; }

  // Index i at place i; the table ends with its highest element.
  std::vector<Control*> table_;
  std::map<int, Control*> others_;
  int size_ = 0;
};

}  // namespace quorlen::ui
