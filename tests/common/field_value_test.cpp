#include "common/field_value.h"

#include <gtest/gtest.h>

#include "common/field_value_printer.h"
#include "common/result_testing.h"

namespace quorlen {
namespace {

// A flag that is set is not 0; a choice that is true equals the Boolean
// True; a field that must be 1 is the number 1. Text counts by its number.
TEST(FieldValueFlags, ASetFlagATrueChoiceAndAFieldOfExactlyOne) {
  const struct {
    FieldValue value;
    bool set, isTrue, one;
    const char* why;
  } cases[] = {
      {FieldValue::boolean(true), true, true, false, "#TRUE# is set and True, but -1, not 1"},
      {FieldValue::boolean(false), false, false, false, "#FALSE#"},
      {FieldValue::number(1), true, false, true, "1 is set but not True"},
      {FieldValue::number(-1), true, true, false, "the number -1 equals True"},
      {FieldValue::number(0.25), true, false, false, "a fraction is not 0"},
      {FieldValue::number(-1.5), true, false, false, "only exactly -1 is True"},
      {FieldValue::number(1.5), true, false, false, "1.5 is not rounded to 1 here"},
      {FieldValue::number(0), false, false, false, "0"},
      {FieldValue::empty(), false, false, false, "an empty field"},
      {FieldValue::text("5"), true, false, false, "text \"5\" is the number 5"},
      {FieldValue::text("-1"), true, true, false, "text \"-1\" compares as -1"},
      {FieldValue::text("1.0"), true, false, true, "text compares by its number, not by its letters"},
      {FieldValue::text("0"), false, false, false, "text \"0\" is the number 0"},
      {FieldValue::text("yes"), false, false, false, "other text"},
      {FieldValue::text(""), false, false, false, "empty text"},
      {FieldValue::text("#TRUE#"), false, false, false, "a quoted #TRUE# is text, not a number"},
      {FieldValue::text("True"), false, false, false, "the word is text, not the Boolean"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.isSet(), c.set) << "set: " << c.why;
    EXPECT_EQ(c.value.isTrue(), c.isTrue) << "True: " << c.why;
    EXPECT_EQ(c.value.isExactlyOne(), c.one) << "exactly 1: " << c.why;
  }
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
