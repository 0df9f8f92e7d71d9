#include "common/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace quorlen {
namespace {

std::string allBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(Windows1252ToUtf8, ConvertsTheLettersOfTheHighRange) {
  EXPECT_EQ(windows1252ToUtf8("abc"), "abc") << "ASCII is kept as it is";
  EXPECT_EQ(windows1252ToUtf8("\xE9"), "\xC3\xA9") << "0xE9 is e acute";
  EXPECT_EQ(windows1252ToUtf8("\xA0"), "\xC2\xA0") << "0xA0 is the no-break space";
  EXPECT_EQ(windows1252ToUtf8("\xFF"), "\xC3\xBF") << "0xFF is y diaeresis";
  EXPECT_EQ(windows1252ToUtf8("\x80"), "\xE2\x82\xAC") << "0x80 is the euro sign, not U+0080";
  EXPECT_EQ(windows1252ToUtf8("\x93\x94"), "\xE2\x80\x9C\xE2\x80\x9D") << "0x93/0x94 are curly double quotes";
  EXPECT_EQ(windows1252ToUtf8("\x9F"), "\xC5\xB8") << "0x9F is Y diaeresis";
  EXPECT_EQ(windows1252ToUtf8(std::string(1, '\0')), std::string(1, '\0')) << "a zero byte is kept";
}

TEST(Utf8ToWindows1252, EveryByteSurvivesTheRoundTrip) {
  const std::string bytes = allBytes();
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(bytes)), bytes) << "all 256 byte values convert both ways";
}

TEST(Utf8ToWindows1252, UnrepresentableCharactersAndEachBadByteBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToWindows1252("\xE2\x82\xAC"), "\x80") << "the euro sign has a byte";
  EXPECT_EQ(utf8ToWindows1252("caf\xC3\xA9"), "caf\xE9") << "Latin-1 letters keep their byte";
  EXPECT_EQ(utf8ToWindows1252("\xE6\x97\xA5"), "?") << "a CJK character has no byte: one '?'";
  EXPECT_EQ(utf8ToWindows1252("\xF0\x9F\x98\x80"), "?") << "a four-byte character gives one '?'";
  EXPECT_EQ(utf8ToWindows1252("\xC2\x80"), "?") << "U+0080 has no byte (0x80 is the euro sign)";
  EXPECT_EQ(utf8ToWindows1252("\xC5\x92"), "\x8C") << "OE ligature maps to 0x8C";
  EXPECT_EQ(utf8ToWindows1252("a\xFF" "b"), "a?b") << "a byte that never starts a character";
  EXPECT_EQ(utf8ToWindows1252("\xE2\x82"), "??") << "a sequence cut short at the end";
  EXPECT_EQ(utf8ToWindows1252("\xC0\xAF"), "??") << "an overlong encoding is refused";
  EXPECT_EQ(utf8ToWindows1252("\xED\xA0\x80"), "???") << "a surrogate is refused";
  EXPECT_EQ(utf8ToWindows1252("\xC3" "A"), "?A") << "a lead byte without continuation keeps the next character";
}

}  // namespace
}  // namespace quorlen
