#pragma once
// Lets test failures show a FieldValue as its kind and text.

#include <ostream>

#include "common/field_value.h"

namespace quorlen {

inline void PrintTo(const FieldValue& value, std::ostream* out) {
  static constexpr const char* kNames[] = {"Empty", "Text", "Boolean", "Number"};
  *out << kNames[static_cast<int>(value.kind())] << "(\"" << value.asText() << "\")";
}

}  // namespace quorlen
