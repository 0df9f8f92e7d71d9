#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace quorlen {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Whether a well-formed number whose value a double cannot hold is huge
// (rather than tiny): the power of ten of its first nonzero digit.
bool isHugeMagnitude(std::string_view mantissa, long long exponent) {
  const std::size_t point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  long long order = 0;
  if (const std::size_t first = whole.find_first_not_of('0'); first != std::string_view::npos) {
    order = static_cast<long long>(whole.size() - first) - 1;
  } else {
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : mantissa.substr(point + 1);
    const std::size_t firstInFraction = fraction.find_first_not_of('0');
    if (firstInFraction == std::string_view::npos) return false;
    order = -static_cast<long long>(firstInFraction) - 1;
  }
  return order + exponent >= 0;
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text) {
  text = trimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Check the shape before converting: the converter accepts words such as
  // "inf" and "nan" that are not numbers in the data files.
  std::size_t pos = 0;
  std::size_t digits = 0;
  while (pos < text.size() && isDigit(text[pos])) ++pos, ++digits;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos, ++digits;
  }
  if (digits == 0) return std::nullopt;
  const std::string_view mantissa = text.substr(0, pos);
  long long exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      negativeExponent = text[pos] == '-';
      ++pos;
    }
    std::size_t exponentDigits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[pos] - '0');
      ++pos, ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
    if (negativeExponent) exponent = -exponent;
  }
  if (pos != text.size()) return std::nullopt;

  // Up to 15 digits and nothing else: a whole number every double holds
  // exactly, as the converter would give it.
  if (digits == text.size() && digits <= 15) {
    std::int64_t whole = 0;
    for (const char c : text) whole = whole * 10 + (c - '0');
    const auto value = static_cast<double>(whole);
    return negative ? -value : value;
  }

  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = isHugeMagnitude(mantissa, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc{} || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<bool> parseBooleanWord(std::string_view text) {
  auto equalsWord = [text](std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
      char c = text[i];
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (c != word[i]) return false;
    }
    return true;
  };
  if (equalsWord("#TRUE#")) return true;
  if (equalsWord("#FALSE#")) return false;
  return std::nullopt;
}

Result<std::int16_t> roundToInt16(double value) {
  if (std::isnan(value)) return makeError(ErrorKind::NotANumber, "not a number");
  // std::nearbyint rounds in the current mode, which is to nearest, ties to
  // even, unless someone changed it; do it by hand to be sure.
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (whole < -32768.0 || whole > 32767.0) {
    return makeError(ErrorKind::OutOfRange, formatNumber(value) + " does not fit -32768..32767");
  }
  return static_cast<std::int16_t>(whole);
}

std::string formatNumber(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  if (value == 0.0) return "0";  // also -0
  // Enough room for the longest fixed form of a double (about 330 digits).
  char buffer[400];
  const auto result = (value == std::floor(value))
                          ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0)
                          : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, result.ptr);
}

}  // namespace quorlen
