// The reader on the broken data files of tests/data/malformed/common.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/field_reader.h"
#include "common/field_value_printer.h"
#include "common/result_testing.h"

namespace quorlen {
namespace {

std::filesystem::path malformedFolder() {
  return std::filesystem::path(QUORLEN_TEST_DATA) / "malformed" / "common";
}

FieldReader readerFor(const std::string& name) {
  std::ifstream in(malformedFolder() / name, std::ios::binary);
  EXPECT_TRUE(in.good()) << "the test file " << name << " is there";
  return FieldReader(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

TEST(MalformedDataFiles, AnOpenQuoteTakesTheRestAndJunkAfterAClosingOneIsSkipped) {
  FieldReader reader = readerFor("unterminated_quote.txt");
  EXPECT_EQ(got(reader.readInt16()), 12) << "the field before the open quote";
  EXPECT_EQ(got(reader.readText()), "Hello, world\r\nthe text goes on\r\n") << "the open field runs to the end";
  EXPECT_EQ(errorOf(reader.readText()), ErrorKind::EndOfFile) << "nothing after it";
  reader = readerFor("junk_after_quote.txt");
  EXPECT_EQ(got(reader.readText()), "abc") << "the quoted part is the value";
  EXPECT_EQ(got(reader.readInt16()), 12) << "junk up to the comma is skipped";
  EXPECT_EQ(got(reader.readText()), "def") << "blanks and a tab before the comma";
  EXPECT_EQ(got(reader.readText()), "ghi") << "junk up to the line end";
  EXPECT_EQ(got(reader.readInt16()), 7) << "the next line is read whole";
  EXPECT_TRUE(reader.atEnd());
}

TEST(MalformedDataFiles, NearlyNumbersAndNearlyBooleansFailAndTheReaderGoesOn) {
  FieldReader reader = readerFor("not_a_number.txt");
  EXPECT_EQ(got(reader.readInt16()), 12);
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::NotANumber) << "abc";
  EXPECT_EQ(got(reader.readInt16()), 7) << "the reader goes on after a failure";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::NotANumber) << "two decimal points";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::NotANumber) << "two signs";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::NotANumber) << "an exponent without digits";
  EXPECT_EQ(got(reader.readInt16()), 7);

  reader = readerFor("out_of_range.txt");
  EXPECT_EQ(got(reader.readInt16()), 32767) << "the largest value";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::OutOfRange) << "32768";
  EXPECT_EQ(got(reader.readInt16()), -32768) << "the smallest value";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::OutOfRange) << "-32769";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::OutOfRange) << "32767.5 rounds to the even 32768";
  EXPECT_EQ(got(reader.readInt16()), -32768) << "-32768.5 rounds to the even -32768";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::OutOfRange) << "1e400 is beyond any range";

  reader = readerFor("not_a_boolean.txt");
  EXPECT_TRUE(got(reader.readBoolean())) << "#TRUE#";
  EXPECT_EQ(errorOf(reader.readBoolean()), ErrorKind::NotABoolean) << "maybe";
  EXPECT_FALSE(got(reader.readBoolean())) << "#false# after a failed field";
  EXPECT_EQ(errorOf(reader.readBoolean()), ErrorKind::NotABoolean) << "#TRUE without the closing hash";
}

TEST(MalformedDataFiles, LineEndsAndTheEndOfTheFile) {
  FieldReader reader = readerFor("ends_after_separator.txt");
  EXPECT_EQ(got(reader.readInt16()), 1);
  EXPECT_EQ(got(reader.readInt16()), 2);
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::EndOfFile) << "no empty field after the last comma";

  reader = readerFor("mixed_line_ends.txt");
  EXPECT_EQ(got(reader.readInt16()), 1) << "ended by LF";
  EXPECT_EQ(got(reader.readInt16()), 2) << "ended by CR";
  EXPECT_EQ(got(reader.readInt16()), 3) << "ended by CR LF";
  EXPECT_EQ(got(reader.readInt16()), 4) << "ended by LF";
  EXPECT_EQ(got(reader.readValue()), FieldValue::empty()) << "LF CR is two line ends around an empty field";
  EXPECT_EQ(got(reader.readInt16()), 5) << "the last field";
  EXPECT_TRUE(reader.atEnd());

  reader = readerFor("blank_lines.txt");
  EXPECT_EQ(got(reader.readInt16()), 1);
  EXPECT_EQ(got(reader.readValue()), FieldValue::empty()) << "the empty line between";
  EXPECT_EQ(got(reader.readInt16()), 2);
  EXPECT_EQ(got(reader.readValue()), FieldValue::empty()) << "the empty last line";
  EXPECT_EQ(errorOf(reader.readValue()), ErrorKind::EndOfFile) << "the file ends after its line end";

  reader = readerFor("no_final_line_end.txt");
  EXPECT_EQ(got(reader.readText()), "first");
  EXPECT_EQ(got(reader.readText()), "last") << "the last field needs no line end";
  EXPECT_TRUE(reader.atEnd());
}

TEST(MalformedDataFiles, FilesWithoutFields) {
  for (const char* name : {"empty.txt", "only_blanks.txt"}) {
    FieldReader reader = readerFor(name);
    EXPECT_TRUE(reader.atEnd()) << name << " holds no field";
    EXPECT_EQ(errorOf(reader.readValue()), ErrorKind::EndOfFile) << name << ": the first read fails";
  }
}

TEST(MalformedDataFiles, HighAndZeroBytes) {
  FieldReader reader = readerFor("high_bytes.txt");
  EXPECT_EQ(got(reader.readText()), "\xE2\x80\x9C" "caf\xC3\xA9\xE2\x80\x9D") << "curly quotes and e acute";
  EXPECT_EQ(got(reader.readText()), "\xE2\x82\xAC\xC2\x81\xC2\x9D\xC3\xBF") << "euro, two undefined bytes, y diaeresis";
  reader = readerFor("embedded_nul.txt");
  EXPECT_EQ(got(reader.readText()), std::string("a\0b", 3)) << "a zero byte inside quoted text is kept";
  EXPECT_EQ(errorOf(reader.readInt16()), ErrorKind::NotANumber) << "a zero byte spoils a number";
  EXPECT_TRUE(reader.atEnd());
}

// Every file, read with every kind of read, ends in EndOfFile in a bounded
// number of reads: the reader never loops or crashes on broken data.
TEST(MalformedDataFiles, EveryReadTerminatesOnEveryFile) {
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(malformedFolder())) {
    if (entry.path().extension() != ".txt") continue;
    ++files;
    const std::string name = entry.path().filename().string();
    const auto size = static_cast<std::size_t>(entry.file_size());
    for (int kind = 0; kind < 4; ++kind) {
      FieldReader reader = readerFor(name);
      std::size_t reads = 0;
      bool ended = false;
      while (!ended && reads <= size + 1) {
        ++reads;
        std::optional<ErrorKind> failure;
        switch (kind) {
          case 0: failure = errorOf(reader.readText()); break;
          case 1: failure = errorOf(reader.readInt16()); break;
          case 2: failure = errorOf(reader.readBoolean()); break;
          default: failure = errorOf(reader.readValue()); break;
        }
        ended = failure == ErrorKind::EndOfFile;
      }
      EXPECT_TRUE(ended) << name << " read kind " << kind << ": EndOfFile within one read per byte";
      EXPECT_TRUE(reader.atEnd()) << name << ": atEnd agrees with the failed read";
    }
  }
  EXPECT_GE(files, 13u) << "the malformed files were found";
}

}  // namespace
}  // namespace quorlen
