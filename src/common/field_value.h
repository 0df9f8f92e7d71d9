#pragma once
// A field read as "a value of whatever kind the file holds", and the three
// ways the game tests such a value.

#include <cstdint>
#include <string>

#include "common/result.h"

namespace quorlen {

class FieldValue {
 public:
  enum class Kind { Empty, Text, Boolean, Number };

  static FieldValue empty() { return FieldValue{}; }
  static FieldValue text(std::string value);
  static FieldValue boolean(bool value);
  static FieldValue number(double value);

  [[nodiscard]] Kind kind() const { return kind_; }

  // A flag that is set: not 0 (#TRUE#, any number but 0; a text that reads
  // as a number other than 0).
  [[nodiscard]] bool isSet() const;
  // A choice that is true: equal to the Boolean True (#TRUE#, -1, or a
  // text that reads as -1).
  [[nodiscard]] bool isTrue() const;
  // Exactly the number 1 (#TRUE# does not qualify; a text that reads as 1
  // does, as comparing a text with a number converts the text).
  [[nodiscard]] bool isExactlyOne() const;
  // The value as text: a text as it is, a number in its shortest decimal
  // form, a Boolean as "True" or "False", an empty field as "".
  [[nodiscard]] std::string asText() const;
  // The number a Number holds (a Boolean: -1 or 0; otherwise 0).
  [[nodiscard]] double numberValue() const { return number_; }
  // The value as a 16-bit integer, rounded (ties to even), as readInt16
  // would read the field: Empty is 0, a Text "#TRUE#" -1, a Text "" fails.
  [[nodiscard]] Result<std::int16_t> toInt16() const;

  friend bool operator==(const FieldValue&, const FieldValue&) = default;

 private:
  Kind kind_ = Kind::Empty;
  std::string text_;
  double number_ = 0.0;  // Booleans: -1 or 0
};

}  // namespace quorlen
