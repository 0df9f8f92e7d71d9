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
}  // namespace

std::uint32_t NameIndex::hashOf(std::string_view name) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>{}(name));
}

void NameIndex::reserve(std::size_t names) {
  if (capacityFor(names) > slots_.size()) grow(capacityFor(names));
}

void NameIndex::clear() {
  if (used_ != 0) std::fill(slots_.begin(), slots_.end(), Slot{});
  used_ = 0;
  lists_.clear();
  freeLists_.clear();
}

std::size_t NameIndex::slotOf(std::string_view name, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.first == nullptr || (slot.hash == hash && slot.first->Name() == name)) return i;
  }
}

void NameIndex::grow(std::size_t capacity) {
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(capacity));
  const std::size_t mask = capacity - 1;
  for (const Slot& slot : old) {
    if (slot.first == nullptr) continue;
    // Every name is different: the first free slot from its home.
    std::size_t i = slot.hash & mask;
    while (slots_[i].first != nullptr) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void NameIndex::releaseList(Slot& slot) {
  lists_[slot.list - 1].clear();
  freeLists_.push_back(slot.list - 1);
  slot.list = 0;
}

void NameIndex::append(ClassVariable& member) {
  if (slots_.empty() || (used_ + 1) * 2 > slots_.size()) grow(capacityFor(used_ + 1));
  const std::uint32_t hash = hashOf(member.Name());
  Slot& slot = slots_[slotOf(member.Name(), hash)];
  if (slot.first == nullptr) {
    slot = Slot{&member, hash, 0};
    ++used_;
    return;
  }
  if (slot.list == 0) {
    std::uint32_t place = 0;
    if (freeLists_.empty()) {
      place = static_cast<std::uint32_t>(lists_.size());
      lists_.emplace_back();
    } else {
      place = freeLists_.back();
      freeLists_.pop_back();
    }
    lists_[place] = {slot.first};
    slot.list = place + 1;
  }
  lists_[slot.list - 1].push_back(&member);
}

void NameIndex::remove(const ClassVariable& member) {
  if (slots_.empty()) return;
  const std::size_t at = slotOf(member.Name(), hashOf(member.Name()));
  Slot& slot = slots_[at];
  if (slot.first == nullptr) return;
  if (slot.list == 0) {
    if (slot.first == &member) erase(at);
    return;
  }
  std::vector<ClassVariable*>& members = lists_[slot.list - 1];
  std::erase(members, &member);
  slot.first = members.front();
  if (members.size() == 1) releaseList(slot);
}

void NameIndex::drop(std::string_view name) {
  if (slots_.empty()) return;
  const std::size_t at = slotOf(name, hashOf(name));
  if (slots_[at].first == nullptr) return;
  if (slots_[at].list != 0) releaseList(slots_[at]);
  erase(at);
}

// Frees a slot and moves back the slots after it that would otherwise no
// longer be found from their home slot.
void NameIndex::erase(std::size_t slot) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t hole = slot;
  for (std::size_t i = (hole + 1) & mask; slots_[i].first != nullptr; i = (i + 1) & mask) {
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
  if (slot.first == nullptr) return {};
  if (slot.list == 0) return {&slot.first, 1};
  return lists_[slot.list - 1];
}

}  // namespace quorlen
