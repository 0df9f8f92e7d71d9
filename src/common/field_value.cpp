#include "common/field_value.h"

#include <optional>
#include <utility>

#include "common/number_text.h"

namespace quorlen {
namespace {

// The number a value compares as: a text that reads as a number compares as
// that number, as when the game compares a text with a number.
std::optional<double> numericValue(FieldValue::Kind kind, const std::string& text, double number) {
  switch (kind) {
    case FieldValue::Kind::Number:
    case FieldValue::Kind::Boolean: return number;
    case FieldValue::Kind::Text: return parseDecimal(text);
    case FieldValue::Kind::Empty: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

FieldValue FieldValue::text(std::string value) {
  FieldValue result;
  result.kind_ = Kind::Text;
  result.text_ = std::move(value);
  return result;
}

FieldValue FieldValue::boolean(bool value) {
  FieldValue result;
  result.kind_ = Kind::Boolean;
  result.number_ = value ? -1.0 : 0.0;
  return result;
}

FieldValue FieldValue::number(double value) {
  FieldValue result;
  result.kind_ = Kind::Number;
  result.number_ = value;
  return result;
}

bool FieldValue::isSet() const {
  const std::optional<double> n = numericValue(kind_, text_, number_);
  return n.has_value() && *n != 0.0;
}

bool FieldValue::isTrue() const {
  const std::optional<double> n = numericValue(kind_, text_, number_);
  return n.has_value() && *n == -1.0;
}

bool FieldValue::isExactlyOne() const {
  if (kind_ == Kind::Boolean) return false;
  const std::optional<double> n = numericValue(kind_, text_, number_);
  return n.has_value() && *n == 1.0;
}

std::string FieldValue::asText() const {
  switch (kind_) {
    case Kind::Empty: return {};
    case Kind::Text: return text_;
    case Kind::Boolean: return number_ != 0.0 ? "True" : "False";
    case Kind::Number: return formatNumber(number_);
  }
  return {};
}

Result<std::int16_t> FieldValue::toInt16() const {
  switch (kind_) {
    case Kind::Empty: return std::int16_t{0};
    case Kind::Boolean:
    case Kind::Number: return roundToInt16(number_);
    case Kind::Text:
      if (const std::optional<bool> word = parseBooleanWord(text_)) {
        return static_cast<std::int16_t>(*word ? -1 : 0);
      }
      if (const std::optional<double> n = parseDecimal(text_)) return roundToInt16(*n);
      return makeError(ErrorKind::NotANumber, "\"" + text_ + "\" is not a number");
  }
  return makeError(ErrorKind::Invalid, "unknown kind of value");
}

}  // namespace quorlen
