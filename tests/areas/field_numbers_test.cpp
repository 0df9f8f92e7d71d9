// A number read from a field converts as the text it is written as.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "areas/field_numbers.h"
#include "common/number_text.h"

namespace quorlen {
namespace {

TEST(FieldNumbers, ANumberConvertsAsItsText) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (const double n : {0.0, -0.0, 1.0, -1.0, 2.5, 0.1, -32768.5, 1e300, -1e-300, DBL_MIN, DBL_MIN / 3,
                         DBL_TRUE_MIN, DBL_MAX, kInfinity, -kInfinity, std::nan("")}) {
    const auto asNumber = numberOf(FieldValue::number(n));
    const auto asText = numberOf(FieldValue::text(formatNumber(n)));
    ASSERT_EQ(asNumber.has_value(), asText.has_value()) << "whether " << n << " is a number";
    if (!asNumber) continue;
    EXPECT_EQ(*asNumber, *asText) << "the value of " << n;
    EXPECT_EQ(std::signbit(*asNumber), std::signbit(*asText)) << "the sign of " << n;
  }
}

}  // namespace
}  // namespace quorlen
