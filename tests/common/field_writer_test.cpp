#include "common/field_writer.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "common/field_reader.h"
#include "common/result_testing.h"

namespace quorlen {
namespace {

TEST(FieldWriter, WritesEachFieldOnALineOfItsOwn) {
  FieldWriter writer;
  writer.writeText("Hall");
  writer.writeNumber(42);
  writer.writeNumber(-7);
  writer.writeText("");
  EXPECT_EQ(writer.bytes(), "\"Hall\"\r\n42\r\n-7\r\n\"\"\r\n") << "quoted text, bare numbers, CR LF after each";
}

TEST(FieldWriter, WritesLargeNumbersInFull) {
  FieldWriter writer;
  writer.writeNumber(9'000'000'000);
  writer.writeNumber(INT64_MIN);
  EXPECT_EQ(writer.bytes(), "9000000000\r\n-9223372036854775808\r\n") << "no exponent, no rounding";
}

TEST(FieldWriter, ConvertsTextToWindows1252) {
  FieldWriter writer;
  writer.writeText("caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5");
  EXPECT_EQ(writer.bytes(), "\"caf\xE9 \x80 ?\"\r\n") << "Latin letters and euro converted, others '?'";
}

TEST(FieldWriter, ADoubleQuoteInTextBecomesASingleQuote) {
  FieldWriter writer;
  writer.writeText("say \"hi\"");
  EXPECT_EQ(writer.bytes(), "\"say 'hi'\"\r\n") << "a double quote would end the field early";
}

TEST(FieldWriter, WhatItWritesReadsBack) {
  FieldWriter writer;
  writer.writeText("a, b\r\nc");
  writer.writeNumber(-32768);
  writer.writeText("\xC3\xA9t\xC3\xA9");
  writer.writeNumber(0);
  FieldReader reader(writer.bytes());
  EXPECT_EQ(got(reader.readText()), "a, b\r\nc") << "commas and line ends inside text survive";
  EXPECT_EQ(got(reader.readInt16()), -32768) << "the smallest integer survives";
  EXPECT_EQ(got(reader.readText()), "\xC3\xA9t\xC3\xA9") << "accented letters survive";
  EXPECT_EQ(got(reader.readInt16()), 0);
  EXPECT_TRUE(reader.atEnd()) << "no stray field after the last line end";
}

}  // namespace
}  // namespace quorlen
