// Reading the broken saved games of tests/data/malformed/savegames: what is
// applied before the reading stops, and why it stops.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "common/field_reader.h"
#include "common/result_testing.h"
#include "savegames/recording_sink.h"
#include "savegames/saved_game_file.h"

namespace quorlen {
namespace {

using Calls = std::vector<std::string>;

struct Outcome {
  Calls calls;
  std::optional<std::string> frame;  // when the reading succeeded
  std::optional<ErrorKind> error;    // when it failed
};

Outcome read(const std::string& name) {
  const auto path = std::filesystem::path(QUORLEN_TEST_DATA) / "malformed" / "savegames" / name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << "the test file " << name << " is there";
  FieldReader reader(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
  fakes::RecordingSink sink;
  Result<std::string> result = readSavedGame(reader, sink);
  Outcome outcome;
  outcome.calls = sink.calls;
  if (result) {
    outcome.frame = result.value();
  } else {
    outcome.error = result.error().kind;
  }
  return outcome;
}

TEST(MalformedSavedGames, AFileThatEndsEarlyKeepsWhatCameBefore) {
  Outcome empty = read("empty.sav");
  EXPECT_EQ(empty.error, ErrorKind::EndOfFile) << "no frame at all";
  EXPECT_TRUE(empty.calls.empty());

  EXPECT_EQ(read("only_frame.sav").error, ErrorKind::EndOfFile) << "the variable count is missing";

  Outcome variables = read("ends_in_variables.sav");
  EXPECT_EQ(variables.error, ErrorKind::EndOfFile);
  EXPECT_EQ(variables.calls, Calls{"variable DoorOpen=1"})
      << "the first variable was set before the second one's value ran out";

  Outcome areas = read("ends_in_disappeared.sav");
  EXPECT_EQ(areas.error, ErrorKind::EndOfFile);
  EXPECT_EQ(areas.calls, (Calls{"variable DoorOpen=1", "disappeared Kitchen/2"}))
      << "the variables and the first area stay applied";

  Outcome items = read("ends_in_items.sav");
  EXPECT_EQ(items.error, ErrorKind::EndOfFile);
  EXPECT_EQ(items.calls, (Calls{"item Lamp", "item Key"})) << "the two items named before the end were added";
}

TEST(MalformedSavedGames, ANumberThatIsNotOneStopsTheReading) {
  Outcome count = read("count_not_a_number.sav");
  EXPECT_EQ(count.error, ErrorKind::NotANumber) << "a variable count written as a word";
  EXPECT_TRUE(count.calls.empty());

  Outcome value = read("value_not_a_number.sav");
  EXPECT_EQ(value.error, ErrorKind::NotANumber);
  EXPECT_EQ(value.calls, Calls{"variable DoorOpen=1"}) << "the variable before the bad value keeps its value";

  Outcome area = read("area_not_a_number.sav");
  EXPECT_EQ(area.error, ErrorKind::NotANumber) << "an area number written as a word";
  EXPECT_TRUE(area.calls.empty());

  Outcome quote = read("unterminated_quote.sav");
  EXPECT_EQ(quote.error, ErrorKind::EndOfFile) << "the open quote swallowed the rest of the file";
  EXPECT_TRUE(quote.calls.empty());
}

TEST(MalformedSavedGames, NumbersBeyondTheirSizeStopTheReading) {
  EXPECT_EQ(read("value_out_of_range.sav").error, ErrorKind::OutOfRange) << "a value is 16 bits";
  EXPECT_EQ(read("item_count_out_of_range.sav").error, ErrorKind::OutOfRange) << "the item count is 16 bits";
  EXPECT_EQ(read("count_out_of_range.sav").error, ErrorKind::OutOfRange) << "the variable count is 32 bits";
}

TEST(MalformedSavedGames, CountsOfZeroOrLessAreFollowedByNothing) {
  Outcome negative = read("negative_counts.sav");
  EXPECT_EQ(negative.frame, "Hall") << "the game loads";
  EXPECT_TRUE(negative.calls.empty()) << "no variable, area or item is read after a negative count";

  Outcome fractional = read("fractional_counts.sav");
  EXPECT_EQ(fractional.frame, "Hall");
  EXPECT_EQ(fractional.calls, (Calls{"disappeared Kitchen/1", "disappeared Attic/2"}))
      << "0.5 rounds to 0 and 1.5 to 2, ties going to the even number";
}

TEST(MalformedSavedGames, UnquotedFieldsAreTakenAsTheyCome) {
  Outcome unquoted = read("unquoted_fields.sav");
  EXPECT_EQ(unquoted.frame, "Hall") << "an unquoted frame name";
  EXPECT_EQ(unquoted.calls, (Calls{"variable DoorOpen=-1", "disappeared Kitchen/4", "item 5", "item False",
                                   "item Lamp"}))
      << "#TRUE# reads as -1, 3.5 rounds to 4, a number and a Boolean item become their text";
}

TEST(MalformedSavedGames, ReadingStopsAfterTheLastCountedItem) {
  Outcome after = read("after_last_item.sav");
  EXPECT_EQ(after.frame, "Hall");
  EXPECT_EQ(after.calls, Calls{"item Lamp"}) << "the fields after the counted item are not read";

  Outcome oneLine = read("one_line.sav");
  EXPECT_EQ(oneLine.frame, "Hall") << "commas separate fields as line ends do";
  EXPECT_EQ(oneLine.calls,
            (Calls{"variable DoorOpen=1", "disappeared Kitchen/2", "item Lamp", "item Key"}));
}

}  // namespace
}  // namespace quorlen
