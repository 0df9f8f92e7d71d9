#pragma once
// An ordered store of name/value members, reached by 1-based position (or by
// an optional text key). Item hands out a shared reference to the stored
// member: writing its Value changes the member inside the store. The store
// also files its members by name, so that every member of a name (names
// compare exactly; two members may share one) is found in position order
// without going through the others.

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/result.h"
#include "variables/class_variable.h"
#include "variables/name_index.h"

namespace quorlen {

class VariablesCollection {
 public:
  using Member = std::shared_ptr<ClassVariable>;

  VariablesCollection() = default;
  // Members know their store: a store is neither copied nor moved.
  VariablesCollection(const VariablesCollection&) = delete;
  VariablesCollection& operator=(const VariablesCollection&) = delete;
  ~VariablesCollection();

  Member Add(const std::string& Name, std::int16_t Value, const std::string& sKey = {});
  // Position 1 to Count; fails outside that range, the store unchanged.
  [[nodiscard]] Result<Member> Item(std::int32_t position) const;
  // Keys compare exactly; an absent key fails.
  [[nodiscard]] Result<Member> Item(const std::string& key) const;
  [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(members_.size()); }
  [[nodiscard]] Result<void> Remove(std::int32_t position);
  [[nodiscard]] Result<void> Remove(const std::string& key);
  // Removes every member: the same as removing position 1 Count times.
  void Empty();
  // Makes room for this many members in all, so that adding them moves
  // nothing already stored.
  void reserve(std::int32_t count);
  // Every member of that name, in position order (empty when none has it);
  // valid until a member is added, removed or renamed.
  [[nodiscard]] std::span<ClassVariable* const> Named(const std::string& name) const;
  // Walks the members from position 1 to Count.
  [[nodiscard]] std::vector<Member>::const_iterator begin() const { return members_.begin(); }
  [[nodiscard]] std::vector<Member>::const_iterator end() const { return members_.end(); }

 private:
  friend class ClassVariable;
  // A member's name changes: taken out under the old name, filed under the
  // new one among the members of that name, in position order.
  void renaming(ClassVariable& member);
  void renamed(ClassVariable& member);
  void release(ClassVariable& member);

  std::vector<Member> members_;
  NameIndex names_;
  std::map<std::string, ClassVariable*> keys_;
};

}  // namespace quorlen
