#include "common/field_value.h"

#include <gtest/gtest.h>

#include "common/field_value_printer.h"
#include "common/result_testing.h"

namespace quorlen {
namespace {

TEST(FieldValueIsSet, IsNotZeroAndTextOnlyAsANonzeroNumber) {
  EXPECT_TRUE(FieldValue::boolean(true).isSet()) << "#TRUE# is set";
  EXPECT_FALSE(FieldValue::boolean(false).isSet()) << "#FALSE# is not set";
  EXPECT_TRUE(FieldValue::number(1).isSet()) << "1 is set";
  EXPECT_TRUE(FieldValue::number(-1).isSet()) << "-1 is set";
  EXPECT_TRUE(FieldValue::number(0.25).isSet()) << "a fraction is not 0";
  EXPECT_FALSE(FieldValue::number(0).isSet()) << "0 is not set";
  EXPECT_FALSE(FieldValue::empty().isSet()) << "an empty field is not set";
  EXPECT_TRUE(FieldValue::text("5").isSet()) << "text \"5\" is the number 5";
  EXPECT_TRUE(FieldValue::text("-1").isSet()) << "text \"-1\" is the number -1";
  EXPECT_FALSE(FieldValue::text("0").isSet()) << "text \"0\" is the number 0";
  EXPECT_FALSE(FieldValue::text("yes").isSet()) << "other text is not set";
  EXPECT_FALSE(FieldValue::text("").isSet()) << "empty text is not set";
  EXPECT_FALSE(FieldValue::text("#TRUE#").isSet()) << "a quoted #TRUE# is text, not a number";
}

TEST(FieldValueIsTrue, EqualsTheBooleanTrue) {
  EXPECT_TRUE(FieldValue::boolean(true).isTrue()) << "#TRUE#";
  EXPECT_TRUE(FieldValue::number(-1).isTrue()) << "the number -1 equals True";
  EXPECT_TRUE(FieldValue::text("-1").isTrue()) << "the text \"-1\" compares as -1";
  EXPECT_FALSE(FieldValue::number(1).isTrue()) << "1 is set but not True";
  EXPECT_FALSE(FieldValue::number(-1.5).isTrue()) << "only exactly -1";
  EXPECT_FALSE(FieldValue::boolean(false).isTrue()) << "#FALSE#";
  EXPECT_FALSE(FieldValue::text("True").isTrue()) << "the word is text, not the Boolean";
  EXPECT_FALSE(FieldValue::empty().isTrue()) << "an empty field";
}

TEST(FieldValueIsExactlyOne, IsOnlyTheNumberOne) {
  EXPECT_TRUE(FieldValue::number(1).isExactlyOne()) << "the number 1";
  EXPECT_TRUE(FieldValue::text("1").isExactlyOne()) << "text \"1\" compares as the number 1";
  EXPECT_TRUE(FieldValue::text("1.0").isExactlyOne()) << "text compares by its number, not by its letters";
  EXPECT_FALSE(FieldValue::boolean(true).isExactlyOne()) << "#TRUE# is -1, not 1";
  EXPECT_FALSE(FieldValue::number(-1).isExactlyOne()) << "-1";
  EXPECT_FALSE(FieldValue::number(1.5).isExactlyOne()) << "1.5 is not rounded to 1 here";
  EXPECT_FALSE(FieldValue::empty().isExactlyOne()) << "an empty field";
}

TEST(FieldValueAsText, WritesEachKindItsWay) {
  EXPECT_EQ(FieldValue::text("Hello").asText(), "Hello") << "text as it is";
  EXPECT_EQ(FieldValue::text(" 12 ").asText(), " 12 ") << "text that looks like a number keeps its blanks";
  EXPECT_EQ(FieldValue::number(3).asText(), "3") << "a number as formatNumber writes it (FormatNumber)";
  EXPECT_EQ(FieldValue::boolean(true).asText(), "True") << "Boolean True";
  EXPECT_EQ(FieldValue::boolean(false).asText(), "False") << "Boolean False";
  EXPECT_EQ(FieldValue::empty().asText(), "") << "empty field";
}

TEST(FieldValueToInt16, ConvertsLikeReadingAnInteger) {
  EXPECT_EQ(got(FieldValue::number(2.5).toInt16()), 2) << "ties to even";
  EXPECT_EQ(got(FieldValue::boolean(true).toInt16()), -1) << "True is -1";
  EXPECT_EQ(got(FieldValue::boolean(false).toInt16()), 0) << "False is 0";
  EXPECT_EQ(got(FieldValue::empty().toInt16()), 0) << "an empty field is 0";
  EXPECT_EQ(got(FieldValue::text("42").toInt16()), 42) << "text that is a number";
  EXPECT_EQ(got(FieldValue::text("#TRUE#").toInt16()), -1) << "text #TRUE# reads as -1";
  EXPECT_EQ(errorOf(FieldValue::text("abc").toInt16()), ErrorKind::NotANumber) << "other text fails";
  EXPECT_EQ(errorOf(FieldValue::text("").toInt16()), ErrorKind::NotANumber)
      << "an empty quoted text is no number (unlike an empty unquoted field)";
  EXPECT_EQ(errorOf(FieldValue::number(40000).toInt16()), ErrorKind::OutOfRange) << "too large";
  EXPECT_EQ(errorOf(FieldValue::text("1e10").toInt16()), ErrorKind::OutOfRange) << "too large as text";
}

}  // namespace
}  // namespace quorlen
