#include "common/number_text.h"
#include "common/result_testing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorlen {
namespace {

TEST(ParseDecimal, AcceptsTheFormsOfDecimalNumbers) {
  EXPECT_EQ(parseDecimal("12"), 12.0) << "plain digits";
  EXPECT_EQ(parseDecimal("-3"), -3.0) << "a minus sign";
  EXPECT_EQ(parseDecimal("+4"), 4.0) << "a plus sign";
  EXPECT_EQ(parseDecimal("2.5"), 2.5) << "a fraction";
  EXPECT_EQ(parseDecimal(".5"), 0.5) << "a fraction without whole part";
  EXPECT_EQ(parseDecimal("5."), 5.0) << "a point without fraction digits";
  EXPECT_EQ(parseDecimal("1e2"), 100.0) << "an exponent";
  EXPECT_EQ(parseDecimal("1.5E-1"), 0.15) << "a capital E and a negative exponent";
  EXPECT_EQ(parseDecimal(" 7\t"), 7.0) << "blanks around the number";
  EXPECT_EQ(parseDecimal("007"), 7.0) << "leading zeros";
  EXPECT_EQ(parseDecimal("999999999999999"), 999999999999999.0) << "the longest plain digits read at once";
  EXPECT_EQ(parseDecimal("9007199254740993"), 9007199254740992.0) << "more digits round to the nearest double";
  EXPECT_TRUE(std::signbit(parseDecimal("-0").value())) << "minus zero keeps its sign";
}

TEST(ParseDecimal, RefusesWhatIsNotANumber) {
  for (const char* text : {"", " ", "abc", "1a", "--4", "1.2.3", "1e", "e5", ".", "+", "inf", "nan", "0x10", "1 2"}) {
    EXPECT_FALSE(parseDecimal(text).has_value()) << "\"" << text << "\" is not a number";
  }
}

TEST(ParseDecimal, ExtremeExponentsGiveInfinityOrZero) {
  const auto huge = parseDecimal("1e400");
  ASSERT_TRUE(huge.has_value()) << "a huge number is still a number";
  EXPECT_TRUE(std::isinf(*huge) && *huge > 0) << "too large for a double: infinity";
  const auto negativeHuge = parseDecimal("-1e400");
  ASSERT_TRUE(negativeHuge.has_value());
  EXPECT_TRUE(std::isinf(*negativeHuge) && *negativeHuge < 0) << "the sign is kept";
  EXPECT_EQ(parseDecimal("1e-400"), 0.0) << "too small for a double: zero";
  EXPECT_EQ(parseDecimal("0.0001e-400"), 0.0) << "leading zeros in the fraction count";
  EXPECT_TRUE(std::isinf(*parseDecimal("0.1e99999999999999999999"))) << "an exponent beyond long long";
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRefusesWhatFallsOutsideTheRange) {
  EXPECT_EQ(got(roundToInt16(2.5)), 2) << "2.5 rounds down to the even 2";
  EXPECT_EQ(got(roundToInt16(3.5)), 4) << "3.5 rounds up to the even 4";
  EXPECT_EQ(got(roundToInt16(-2.5)), -2) << "-2.5 rounds to the even -2";
  EXPECT_EQ(got(roundToInt16(-3.5)), -4) << "-3.5 rounds to the even -4";
  EXPECT_EQ(got(roundToInt16(2.4999)), 2) << "below the half rounds down";
  EXPECT_EQ(got(roundToInt16(2.5001)), 3) << "above the half rounds up";
  EXPECT_EQ(got(roundToInt16(-0.4)), 0) << "small negatives give 0";
  EXPECT_EQ(got(roundToInt16(32767.0)), 32767) << "the largest value";
  EXPECT_EQ(got(roundToInt16(-32768.0)), -32768) << "the smallest value";
  EXPECT_EQ(got(roundToInt16(32767.4)), 32767) << "rounds into range";
  EXPECT_EQ(got(roundToInt16(-32768.5)), -32768) << "the tie goes to the even -32768";
  EXPECT_EQ(errorOf(roundToInt16(32767.5)), ErrorKind::OutOfRange) << "the tie goes to 32768";
  EXPECT_EQ(errorOf(roundToInt16(32768.0)), ErrorKind::OutOfRange) << "one past the largest";
  EXPECT_EQ(errorOf(roundToInt16(-32769.0)), ErrorKind::OutOfRange) << "one below the smallest";
  EXPECT_EQ(errorOf(roundToInt16(INFINITY)), ErrorKind::OutOfRange) << "infinity";
  EXPECT_EQ(errorOf(roundToInt16(NAN)), ErrorKind::NotANumber) << "NaN is no number";
}

TEST(FormatNumber, WritesWholeNumbersWithoutPointAndOthersShortest) {
  EXPECT_EQ(formatNumber(3.0), "3") << "a whole number";
  EXPECT_EQ(formatNumber(-1.0), "-1") << "a negative whole number";
  EXPECT_EQ(formatNumber(0.0), "0") << "zero";
  EXPECT_EQ(formatNumber(-0.0), "0") << "negative zero reads as 0";
  EXPECT_EQ(formatNumber(2.5), "2.5") << "a fraction";
  EXPECT_EQ(formatNumber(0.1), "0.1") << "shortest form, not 0.1000000000000000055";
  EXPECT_EQ(formatNumber(0.0001), "0.0001") << "no exponent for small numbers";
  EXPECT_EQ(formatNumber(1e20), "100000000000000000000") << "no exponent for large whole numbers";
}

}  // namespace
}  // namespace quorlen
