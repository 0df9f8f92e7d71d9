#include "areas/field_numbers.h"

#include <cmath>
#include <limits>
#include <string>

#include "common/number_text.h"

namespace quorlen {

std::optional<double> numberOf(const FieldValue& value) {
  switch (value.kind()) {
    case FieldValue::Kind::Empty: return 0.0;
    case FieldValue::Kind::Boolean: return value.isTrue() ? -1.0 : 0.0;
    case FieldValue::Kind::Number:
    case FieldValue::Kind::Text: {
      const std::string text = value.asText();
      if (const std::optional<bool> word = parseBooleanWord(text)) return *word ? -1.0 : 0.0;
      const std::optional<double> number = parseDecimal(text);
      if (number && std::isfinite(*number)) return number;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<std::int32_t> wholeNumberOf(const FieldValue& value) {
  const std::optional<double> number = numberOf(value);
  if (!number) return std::nullopt;
  const double rounded = std::nearbyint(*number);
  if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace quorlen
