#include "variables/variables_collection.h"

#include <algorithm>
#include <utility>

namespace quorlen {

void ClassVariable::setName(std::string vData) {
  if (store_ != nullptr) store_->renaming(*this);
  name_ = std::move(vData);
  if (store_ != nullptr) store_->renamed(*this);
}

VariablesCollection::~VariablesCollection() {
  for (const Member& m : members_) m->store_ = nullptr;
}

VariablesCollection::Member VariablesCollection::Add(const std::string& Name, std::int16_t Value,
                                                     const std::string& sKey) {
  auto member = std::make_shared<ClassVariable>();
  member->setName(Name);
  member->setValue(Value);
  members_.push_back(member);
  member->store_ = this;
  names_.append(*member);
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

std::span<ClassVariable* const> VariablesCollection::Named(const std::string& name) const {
  return names_.find(name);
}

void VariablesCollection::renaming(ClassVariable& member) { names_.remove(member); }

void VariablesCollection::renamed(ClassVariable& member) {
  names_.drop(member.Name());
  for (const Member& m : members_) {
    if (m->Name() == member.Name()) names_.append(*m);
  }
}

void VariablesCollection::release(ClassVariable& member) {
  names_.remove(member);
  std::erase_if(keys_, [&member](const auto& entry) { return entry.second == &member; });
  member.store_ = nullptr;
}

Result<void> VariablesCollection::Remove(std::int32_t position) {
  if (position < 1 || position > Count()) {
    return makeError(ErrorKind::OutOfRange, "position " + std::to_string(position));
  }
  release(*members_[static_cast<std::size_t>(position - 1)]);
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

void VariablesCollection::reserve(std::int32_t count) {
  if (count <= 0) return;
  members_.reserve(static_cast<std::size_t>(count));
  names_.reserve(static_cast<std::size_t>(count));
}

void VariablesCollection::Empty() {
  for (const Member& m : members_) m->store_ = nullptr;
  members_.clear();
  names_.clear();
  keys_.clear();
}

}  // namespace quorlen
