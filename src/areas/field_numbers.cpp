#include "areas/field_numbers.h"

#include <cmath>
#include <limits>
#include <string>

#include "common/number_text.h"

namespace quorlen {

std::optional<double> numberOf(const FieldValue& value) {
  switch (value.kind()) {
    case FieldValue::Kind::Empty: return 0.0;
    case FieldValue::Kind::Boolean: return value.numberValue() != 0.0 ? -1.0 : 0.0;
    case FieldValue::Kind::Number: {
      // A number is what its shortest text reads back as, except what that
      // text does not hold: the sign of a zero, a value that is not finite
      // (no number), and the tiniest values (the text's conversion decides
      // those).
      const double number = value.numberValue();
      if (number == 0.0) return 0.0;
      if (!std::isfinite(number)) return std::nullopt;
      if (std::isnormal(number)) return number;
      break;
    }
    case FieldValue::Kind::Text: break;
  }
  const std::string text = value.asText();
  if (const std::optional<bool> word = parseBooleanWord(text)) return *word ? -1.0 : 0.0;
  const std::optional<double> number = parseDecimal(text);
  if (number && std::isfinite(*number)) return number;
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
