#pragma once
// One member of a variable store: a name and a 16-bit value.

#include <cstdint>
#include <string>

namespace quorlen {

class VariablesCollection;

class ClassVariable {
 public:
  ClassVariable() = default;
  ClassVariable(const ClassVariable&) = delete;
  ClassVariable& operator=(const ClassVariable&) = delete;

  [[nodiscard]] const std::string& Name() const { return name_; }
  // A member inside a store is filed again under its new name.
  void setName(std::string vData);
  [[nodiscard]] std::int16_t Value() const { return value_; }
  void setValue(std::int16_t vData) { value_ = vData; }

 private:
  friend class VariablesCollection;
  std::string name_;
  std::int16_t value_ = 0;
  VariablesCollection* store_ = nullptr;  // the store that holds it, if any
};

}  // namespace quorlen
