#pragma once
// One member of a variable store: a name and a 16-bit value.

#include <cstdint>
#include <string>

namespace quorlen {

class ClassVariable {
 public:
  [[nodiscard]] const std::string& Name() const { return name_; }
  void setName(std::string vData) { name_ = std::move(vData); }
  [[nodiscard]] std::int16_t Value() const { return value_; }
  void setValue(std::int16_t vData) { value_ = vData; }

 private:
  std::string name_;
  std::int16_t value_ = 0;
};

}  // namespace quorlen
