#pragma once
// Conversions between the text of a field and the numbers it stands for:
// decimal numbers as the editor writes them, the Boolean words #TRUE# and
// #FALSE#, rounding to the 16-bit integers of the game.

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/result.h"

namespace quorlen {

// A decimal number: optional sign, digits with an optional fraction, an
// optional exponent ("-3", "2.5", ".5", "1e2"); blanks around it are
// ignored. A number too large for a double gives an infinity.
[[nodiscard]] std::optional<double> parseDecimal(std::string_view text);

// #TRUE# (true) or #FALSE# (false), letter case ignored.
[[nodiscard]] std::optional<bool> parseBooleanWord(std::string_view text);

// Rounded to a whole number, ties to even; OutOfRange outside -32768..32767.
[[nodiscard]] Result<std::int16_t> roundToInt16(double value);

// A whole number without a decimal point, any other in its shortest
// decimal form ("2.5", "0.001").
[[nodiscard]] std::string formatNumber(double value);

}  // namespace quorlen
