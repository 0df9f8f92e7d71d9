#pragma once
// An ordered store of name/value members, reached by 1-based position (or by
// an optional text key). Item hands out a shared reference to the stored
// member: writing its Value changes the member inside the store. The store
// never compares names; callers scan it.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/result.h"
#include "variables/class_variable.h"

namespace quorlen {

class VariablesCollection {
 public:
  using Member = std::shared_ptr<ClassVariable>;

  Member Add(const std::string& Name, std::int16_t Value, const std::string& sKey = {});
  // Position 1 to Count; fails outside that range, the store unchanged.
  [[nodiscard]] Result<Member> Item(std::int32_t position) const;
  // Keys compare exactly; an absent key fails.
  [[nodiscard]] Result<Member> Item(const std::string& key) const;
  [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(members_.size()); }
  [[nodiscard]] Result<void> Remove(std::int32_t position);
  [[nodiscard]] Result<void> Remove(const std::string& key);
  // Read Count once, remove position 1 that many times.
  void Empty();
  // Walks the members from position 1 to Count.
  [[nodiscard]] std::vector<Member>::const_iterator begin() const { return members_.begin(); }
  [[nodiscard]] std::vector<Member>::const_iterator end() const { return members_.end(); }

 private:
  std::vector<Member> members_;
  std::map<std::string, ClassVariable*> keys_;
};

}  // namespace quorlen
