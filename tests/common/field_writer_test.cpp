#include "common/field_writer.h"

#include <gtest/gtest.h>

#include <cstdint>


namespace quorlen {
namespace {

// Text in Windows-1252, quotes inside text and the round trip are in the
// saved-game tests (SavedGameBytes, SavedGameFile), which write through it.
TEST(FieldWriter, WritesEachFieldOnALineOfItsOwnAndNumbersInFull) {
  FieldWriter writer;
  writer.writeText("Hall");
  writer.writeNumber(42);
  writer.writeNumber(-7);
  writer.writeText("");
  writer.writeNumber(9'000'000'000);
  writer.writeNumber(INT64_MIN);
  EXPECT_EQ(writer.bytes(), "\"Hall\"\r\n42\r\n-7\r\n\"\"\r\n9000000000\r\n-9223372036854775808\r\n")
      << "quoted text, bare numbers without exponent or rounding, CR LF after each";
}

}  // namespace
}  // namespace quorlen
