#pragma once
// A field read as a value of whatever kind the file holds, turned into a
// number as assigning it to a numeric property of a control converts it:
// an empty field is 0, a Boolean -1 or 0, a text must read as a number or
// a Boolean word.

#include <cstdint>
#include <optional>

#include "common/field_value.h"

namespace quorlen {

[[nodiscard]] std::optional<double> numberOf(const FieldValue& value);
// The number rounded to a whole number (ties to even), when it fits 32 bits.
[[nodiscard]] std::optional<std::int32_t> wholeNumberOf(const FieldValue& value);

}  // namespace quorlen
