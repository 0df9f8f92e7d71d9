#include "variables/name_index.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "variables/class_variable.h"

namespace quorlen {

namespace {
constexpr std::size_t kSmallest = 16;

std::size_t capacityFor(std::size_t names) {
  std::size_t capacity = kSmallest;
  while (capacity / 2 < names) capacity *= 2;
  return capacity;
}

// Takes a free place of `items` (a place given up before, else a new one).
template <typename T>
std::uint32_t takePlace(std::vector<T>& items, std::vector<std::uint32_t>& free) {
  if (free.empty()) {
    items.emplace_back();
    return static_cast<std::uint32_t>(items.size() - 1);
  }
  const std::uint32_t place = free.back();
  free.pop_back();
  return place;
}
}  // namespace

std::uint32_t NameIndex::hashOf(std::string_view name) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>{}(name));
}

void NameIndex::reserve(std::size_t names) {
  if (capacityFor(names) > slots_.size()) grow(capacityFor(names));
  entries_.reserve(names);
}

void NameIndex::clear() {
  if (used_ != 0) std::fill(slots_.begin(), slots_.end(), Slot{});
  used_ = 0;
  entries_.clear();
  freeEntries_.clear();
  lists_.clear();
  freeLists_.clear();
}

std::size_t NameIndex::slotOf(std::string_view name, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.entry == 0 || (slot.hash == hash && entries_[slot.entry - 1].first->Name() == name)) return i;
  }
}

void NameIndex::grow(std::size_t capacity) {
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(capacity));
  const std::size_t mask = capacity - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    // Every name is different: the first free slot from its home.
    std::size_t i = slot.hash & mask;
    while (slots_[i].entry != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void NameIndex::append(ClassVariable& member) {
  if (slots_.empty() || (used_ + 1) * 2 > slots_.size()) grow(capacityFor(used_ + 1));
  const std::uint32_t hash = hashOf(member.Name());
  Slot& slot = slots_[slotOf(member.Name(), hash)];
  if (slot.entry == 0) {
    const std::uint32_t place = takePlace(entries_, freeEntries_);
    entries_[place] = Entry{&member, 0};
    slot = Slot{hash, place + 1};
    ++used_;
    return;
  }
  Entry& entry = entries_[slot.entry - 1];
  if (entry.list == 0) {
    const std::uint32_t place = takePlace(lists_, freeLists_);
    lists_[place] = {entry.first};
    entry.list = place + 1;
  }
  lists_[entry.list - 1].push_back(&member);
}

void NameIndex::releaseList(Entry& entry) {
  lists_[entry.list - 1].clear();
  freeLists_.push_back(entry.list - 1);
  entry.list = 0;
}

void NameIndex::remove(const ClassVariable& member) {
  if (slots_.empty()) return;
  const std::size_t at = slotOf(member.Name(), hashOf(member.Name()));
  if (slots_[at].entry == 0) return;
  Entry& entry = entries_[slots_[at].entry - 1];
  if (entry.list == 0) {
    if (entry.first == &member) erase(at);
    return;
  }
  std::vector<ClassVariable*>& members = lists_[entry.list - 1];
  std::erase(members, &member);
  entry.first = members.front();
  if (members.size() == 1) releaseList(entry);
}

void NameIndex::drop(std::string_view name) {
  if (slots_.empty()) return;
  const std::size_t at = slotOf(name, hashOf(name));
  if (slots_[at].entry == 0) return;
  Entry& entry = entries_[slots_[at].entry - 1];
  if (entry.list != 0) releaseList(entry);
  erase(at);
}

// Frees a slot and moves back the slots after it that would otherwise no
// longer be found from their home slot.
void NameIndex::erase(std::size_t slot) {
  const std::uint32_t place = slots_[slot].entry - 1;
  entries_[place] = Entry{};
  freeEntries_.push_back(place);
  const std::size_t mask = slots_.size() - 1;
  std::size_t hole = slot;
  for (std::size_t i = (hole + 1) & mask; slots_[i].entry != 0; i = (i + 1) & mask) {
    const std::size_t home = slots_[i].hash & mask;
    // Stays when its home lies cyclically after the hole, up to i.
    const bool stays = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
    if (stays) continue;
    slots_[hole] = slots_[i];
    hole = i;
  }
  slots_[hole] = Slot{};
  --used_;
}

std::span<ClassVariable* const> NameIndex::find(std::string_view name) const {
  if (slots_.empty()) return {};
  const Slot& slot = slots_[slotOf(name, hashOf(name))];
  if (slot.entry == 0) return {};
  const Entry& entry = entries_[slot.entry - 1];
  if (entry.list == 0) return {&entry.first, 1};
  return lists_[entry.list - 1];
}

}  // namespace quorlen
