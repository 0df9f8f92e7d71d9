#include "platform/element_set.h"

#include <cstddef>

namespace quorlen::ui {

Control* ElementSet::find(int index) const {
  if (inTable(index)) {
    const auto place = static_cast<std::size_t>(index);
    return place < table_.size() ? table_[place] : nullptr;
  }
  auto found = others_.find(index);
  return found == others_.end() ? nullptr : found->second;
}

bool ElementSet::insert(int index, Control& control) {
  if (inTable(index)) {
    const auto place = static_cast<std::size_t>(index);
    if (place >= table_.size()) table_.resize(place + 1, nullptr);
    if (table_[place] != nullptr) return false;
    table_[place] = &control;
  } else if (!others_.emplace(index, &control).second) {
    return false;
  }
  ++size_;
  return true;
}

void ElementSet::erase(int index) {
  if (inTable(index)) {
    const auto place = static_cast<std::size_t>(index);
    if (place >= table_.size() || table_[place] == nullptr) return;
    table_[place] = nullptr;
    // Each place given up was made by an insert: constant time on average.
    while (!table_.empty() && table_.back() == nullptr) table_.pop_back();
  } else if (others_.erase(index) == 0) {
    return;
  }
  --size_;
}

int ElementSet::highest() const {
  // Indexes of the map lie below the table's (negative) or above them.
  if (!others_.empty() && (table_.empty() || others_.rbegin()->first >= kTableLimit)) {
    return others_.rbegin()->first;
  }
  return static_cast<int>(table_.size()) - 1;
}

std::vector<int> ElementSet::indexes() const {
  std::vector<int> all;
  all.reserve(static_cast<std::size_t>(size_));
  auto other = others_.begin();
  for (; other != others_.end() && other->first < 0; ++other) all.push_back(other->first);
  for (std::size_t place = 0; place < table_.size(); ++place) {
    if (table_[place] != nullptr) all.push_back(static_cast<int>(place));
  }
  for (; other != others_.end(); ++other) all.push_back(other->first);
  return all;
}

}  // namespace quorlen::ui
