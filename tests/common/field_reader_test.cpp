#include "common/field_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "common/field_value_printer.h"
#include "common/memory_file_system.h"
#include "common/result_testing.h"

namespace quorlen {
namespace {

std::string text(FieldReader& reader) {
  Result<std::string> field = reader.readText();
  return field ? field.value() : "<failed: " + std::string(toString(field.error().kind)) + ">";
}

// --- separators and the shape of fields ---------------------------------

// Line ends of every kind and reading past the end of the file, with every
// kind of read: MalformedDataFiles.LineEndsAndTheEndOfTheFile and
// EveryReadTerminatesOnEveryFile.
TEST(FieldReaderSeparators, BlanksAroundAnUnquotedFieldAreDroppedAndEmptyFieldsKept) {
  FieldReader reader("  \tone  , two\t\r\n three four ,,2\r\n\r\n3");
  EXPECT_EQ(text(reader), "one") << "blanks before and after are not part of the field";
  EXPECT_EQ(text(reader), "two") << "a tab before the line end is dropped";
  EXPECT_EQ(text(reader), "three four") << "blanks inside the field are kept";
  EXPECT_EQ(text(reader), "") << "two commas hold an empty field";
  EXPECT_EQ(text(reader), "2");
  EXPECT_EQ(text(reader), "") << "an empty line is an empty field";
  EXPECT_EQ(text(reader), "3") << "the field after the empty line";
}

TEST(FieldReaderQuoted, CommasLineEndsBlanksAndQuotesInsideBelongToTheText) {
  FieldReader reader("\"Hello, world\r\nagain\",\"\"\r\n  \"  padded  \"  ,say \"hi\",\"x\"");
  EXPECT_EQ(text(reader), "Hello, world\r\nagain") << "comma and line end inside quotes are text";
  EXPECT_EQ(text(reader), "") << "an empty quoted field";
  EXPECT_EQ(text(reader), "  padded  ") << "only the blanks outside the quotes are dropped, up to the comma";
  EXPECT_EQ(text(reader), "say \"hi\"") << "only a leading quote starts quoted text";
  EXPECT_EQ(text(reader), "x") << "the last quoted field without line end";
  EXPECT_TRUE(reader.atEnd());
}

// --- integers ------------------------------------------------------------

TEST(FieldReaderInt16, NumbersBooleanWordsEmptyAndQuotedFieldsAndAFailureThatNamesItsField) {
  // (every form of number and every tie: ParseDecimal and RoundToInt16)
  FieldReader reader("-3,+4,2.5,3.5,1e2, 8 ,#TRUE#,#FALSE#,,\"15\",#true#,\"\"");
  EXPECT_EQ(got(reader.readInt16()), -3) << "negative";
  EXPECT_EQ(got(reader.readInt16()), 4) << "explicit plus";
  EXPECT_EQ(got(reader.readInt16()), 2) << "2.5 ties to 2";
  EXPECT_EQ(got(reader.readInt16()), 4) << "3.5 ties to 4";
  EXPECT_EQ(got(reader.readInt16()), 100) << "exponent";
  EXPECT_EQ(got(reader.readInt16()), 8) << "blanks around the number";
  EXPECT_EQ(got(reader.readInt16()), -1) << "#TRUE# reads as -1";
  EXPECT_EQ(got(reader.readInt16()), 0) << "#FALSE# reads as 0";
  EXPECT_EQ(got(reader.readInt16()), 0) << "an empty unquoted field reads as 0";
  EXPECT_EQ(got(reader.readInt16()), 15) << "a quoted number is accepted";
  EXPECT_EQ(got(reader.readInt16()), -1) << "the Boolean word in any letter case";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::NotANumber) << "an empty quoted text is not a number";
  reader = FieldReader("abc,5");
  const Result<std::int16_t> word = reader.readInt16();
  ASSERT_FALSE(word.ok());
  EXPECT_EQ(word.error().kind, ErrorKind::NotANumber) << "a word is not a number";
  EXPECT_NE(word.error().detail.find("abc"), std::string::npos) << "the message shows the field";
  EXPECT_EQ(got(reader.readInt16()), 5) << "the failed read moved past its field (ranges: out_of_range.txt)";
}

// --- Booleans ------------------------------------------------------------

TEST(FieldReaderBoolean, WordsNumbersAndEmpty) {
  FieldReader reader("#TRUE#,#FALSE#,#True#,#false#,1,0,-1,0.5,,\"#TRUE#\",True,2");
  EXPECT_TRUE(got(reader.readBoolean())) << "#TRUE#";
  EXPECT_FALSE(got(reader.readBoolean())) << "#FALSE#";
  EXPECT_TRUE(got(reader.readBoolean())) << "letter case is ignored for #TRUE#";
  EXPECT_FALSE(got(reader.readBoolean())) << "letter case is ignored for #FALSE#";
  EXPECT_TRUE(got(reader.readBoolean())) << "1 is True";
  EXPECT_FALSE(got(reader.readBoolean())) << "0 is False";
  EXPECT_TRUE(got(reader.readBoolean())) << "-1 is True";
  EXPECT_TRUE(got(reader.readBoolean())) << "any number but 0 is True, before rounding";
  EXPECT_FALSE(got(reader.readBoolean())) << "an empty field is False";
  EXPECT_TRUE(got(reader.readBoolean())) << "a quoted word counts as the word";
  EXPECT_EQ(errorOf(reader.readBoolean()), ErrorKind::NotABoolean) << "True without hashes";
  EXPECT_TRUE(got(reader.readBoolean())) << "the reader moved past the failed field (more: not_a_boolean.txt)";
}

// --- values of any kind --------------------------------------------------

TEST(FieldReaderValue, TellsTheKindFromTheFieldAndKeepsTooLargeANumberAsText) {
  FieldReader reader("\"12\",#TRUE#,#false#,12,2.5,,hello,\"\",-1e0");
  EXPECT_EQ(got(reader.readValue()), FieldValue::text("12")) << "a quoted number is text";
  EXPECT_EQ(got(reader.readValue()), FieldValue::boolean(true)) << "#TRUE# is a Boolean";
  EXPECT_EQ(got(reader.readValue()), FieldValue::boolean(false)) << "#false# is a Boolean";
  EXPECT_EQ(got(reader.readValue()), FieldValue::number(12)) << "a bare number";
  EXPECT_EQ(got(reader.readValue()), FieldValue::number(2.5)) << "a fraction stays a fraction";
  EXPECT_EQ(got(reader.readValue()), FieldValue::empty()) << "an empty unquoted field";
  EXPECT_EQ(got(reader.readValue()), FieldValue::text("hello")) << "a bare word is text";
  EXPECT_EQ(got(reader.readValue()), FieldValue::text("")) << "an empty quoted field is text";
  EXPECT_EQ(got(reader.readValue()), FieldValue::number(-1)) << "an exponent form is a number";
  reader = FieldReader("1e400");
  const FieldValue value = got(reader.readValue());
  EXPECT_EQ(value, FieldValue::text("1e400")) << "no infinity in a value; the text is kept";
  EXPECT_EQ(errorOf(value.toInt16()), ErrorKind::OutOfRange) << "and it is out of range as an integer";
}

TEST(FieldReaderText, NumbersAndWordsAsWrittenAndWindows1252AsUtf8) {
  FieldReader reader("2.50,#TRUE#, -0 ,\"caf\xE9 \x80\",na\xEFve,\"\xE9t\xE9\",\xE9");
  EXPECT_EQ(text(reader), "2.50") << "the number as written, not reformatted";
  EXPECT_EQ(text(reader), "#TRUE#") << "the word as written";
  EXPECT_EQ(text(reader), "-0") << "trimmed, but otherwise as written";
  EXPECT_EQ(text(reader), "caf\xC3\xA9 \xE2\x82\xAC") << "quoted text converted";
  EXPECT_EQ(text(reader), "na\xC3\xAFve") << "unquoted text converted";
  EXPECT_EQ(got(reader.readValue()), FieldValue::text("\xC3\xA9t\xC3\xA9")) << "quoted value text";
  EXPECT_EQ(got(reader.readValue()), FieldValue::text("\xC3\xA9")) << "unquoted value text";
}

// --- opening files -------------------------------------------------------

TEST(FieldReaderOpen, ReadersHoldTheirFileAsOpenedAndFailuresSayWhy) {
  fakes::MemoryFileSystem files;
  files.files["/game/a.txt"] = "1,2,3";
  files.files["/game/b.txt"] = "\"x\",\"y\"";
  files.files["/game/locked.txt"] = "1";
  files.unreadable.push_back("/game/locked.txt");
  EXPECT_EQ(errorOf(FieldReader::open(files, "/game/none.txt")), ErrorKind::NotFound) << "a missing file";
  EXPECT_EQ(errorOf(FieldReader::open(files, "/game/locked.txt")), ErrorKind::Unreadable) << "an unreadable file";
  Result<FieldReader> opened[] = {FieldReader::open(files, "/game/a.txt"), FieldReader::open(files, "/game/b.txt"),
                                  FieldReader::open(files, "/game/a.txt")};
  for (const Result<FieldReader>& reader : opened) ASSERT_TRUE(reader.ok()) << "all three readers open";
  FieldReader& first = opened[0].value();
  FieldReader& second = opened[1].value();
  FieldReader& again = opened[2].value();
  EXPECT_EQ(got(first.readInt16()), 1);
  EXPECT_EQ(got(second.readText()), "x") << "the second reader starts at its own beginning";
  EXPECT_EQ(got(again.readInt16()), 1) << "a second reader of the same file starts at the beginning";
  EXPECT_EQ(got(first.readInt16()), 2) << "the first reader kept its place";
  files.files["/game/a.txt"] = "9,9,9";
  EXPECT_EQ(got(first.readInt16()), 3) << "a reader holds the file as it was when opened";
  EXPECT_EQ(got(second.readText()), "y");
}

}  // namespace
}  // namespace quorlen
