#include "variables/variables_collection.h"

#include <algorithm>

namespace quorlen {

VariablesCollection::Member VariablesCollection::Add(const std::string& Name, std::int16_t Value,
                                                     const std::string& sKey) {
  auto member = std::make_shared<ClassVariable>();
  member->setName(Name);
  member->setValue(Value);
  members_.push_back(member);
  // A key given twice files the newer member under it.
  if (!sKey.empty()) keys_[sKey] = member.get();
  return member;
}

Result<VariablesCollection::Member> VariablesCollection::Item(std::int32_t position) const {
  if (position < 1 || position > Count()) {
    return makeError(ErrorKind::OutOfRange, "position " + std::to_string(position));
  }
  return members_[static_cast<std::size_t>(position - 1)];
}

Result<VariablesCollection::Member> VariablesCollection::Item(const std::string& key) const {
  auto it = keys_.find(key);
  if (it == keys_.end()) return makeError(ErrorKind::NotFound, "key " + key);
  for (const Member& m : members_) {
    if (m.get() == it->second) return m;
  }
  return makeError(ErrorKind::NotFound, "key " + key);
}

Result<void> VariablesCollection::Remove(std::int32_t position) {
  if (position < 1 || position > Count()) {
    return makeError(ErrorKind::OutOfRange, "position " + std::to_string(position));
  }
  const ClassVariable* gone = members_[static_cast<std::size_t>(position - 1)].get();
  std::erase_if(keys_, [gone](const auto& entry) { return entry.second == gone; });
  members_.erase(members_.begin() + (position - 1));
  return {};
}

Result<void> VariablesCollection::Remove(const std::string& key) {
  auto it = keys_.find(key);
  if (it == keys_.end()) return makeError(ErrorKind::NotFound, "key " + key);
  const ClassVariable* gone = it->second;
  auto member = std::find_if(members_.begin(), members_.end(), [gone](const Member& m) { return m.get() == gone; });
  return Remove(static_cast<std::int32_t>(member - members_.begin()) + 1);
}

void VariablesCollection::Empty() {
  const std::int32_t n = Count();
  for (std::int32_t i = 0; i < n; ++i) (void)Remove(1);
}

}  // namespace quorlen
