// The saved-game file: the bytes a save writes, and what reading one
// applies, the broken ones of tests/data/malformed/savegames included.

#include "savegames/saved_game_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/field_reader.h"
#include "common/result_testing.h"
#include "savegames/malformed_saved_games.h"
#include "savegames/recording_sink.h"

namespace quorlen {
namespace {

using Calls = std::vector<std::string>;

SavedGameContent hallWithLampAndKey() {
  SavedGameContent game;
  game.frame = "Hall";
  game.variables = {{"DoorOpen", 1}, {"LampLit", 0}};
  game.disappeared = {{"Kitchen", 2}};
  game.items = {"Lamp", "Key"};
  return game;
}

TEST(SavedGameBytes, EveryFieldOnALineOfItsOwnTextQuotedNumbersBare) {
  EXPECT_EQ(savedGameBytes(hallWithLampAndKey()),
            "\"Hall\"\r\n2\r\n\"DoorOpen\"\r\n1\r\n\"LampLit\"\r\n0\r\n1\r\n\"Kitchen\"\r\n2\r\n2\r\n"
            "\"Lamp\"\r\n\"Key\"\r\n")
      << "the twelve lines of a game saved in the Hall with two variables, one area gone and two items";
  SavedGameContent game;
  game.frame = "Caf\xC3\xA9";  // UTF-8 inside the program
  game.items = {"\xE2\x82\xAC coin"};
  EXPECT_EQ(savedGameBytes(game), "\"Caf\xE9\"\r\n0\r\n0\r\n1\r\n\"\x80 coin\"\r\n")
      << "nothing follows a count of 0; one byte per letter in Windows-1252, as the game's data files";
  game = SavedGameContent{};
  game.variables = {{"Counter", -3}};
  game.disappeared = {{"", 0}};
  EXPECT_EQ(savedGameBytes(game), "\"\"\r\n1\r\n\"Counter\"\r\n-3\r\n1\r\n\"\"\r\n0\r\n0\r\n")
      << "an empty text is an empty pair of quotes, a negative number keeps its sign";
}

TEST(SavedGameFile, WhatIsWrittenReadsBackTheSameCommasLineEndsAndQuotesIncluded) {
  const SavedGameContent game = hallWithLampAndKey();
  FieldReader reader(savedGameBytes(game));
  fakes::RecordingSink sink;
  EXPECT_EQ(got(readSavedGame(reader, sink)), "Hall") << "the frame to open";
  EXPECT_EQ(sink.calls, (Calls{"variable DoorOpen=1", "variable LampLit=0", "disappeared Kitchen/2", "item Lamp",
                               "item Key"}))
      << "every variable, area and item, in file order";
  EXPECT_TRUE(reader.atEnd()) << "the whole file was read";
  SavedGameContent odd;
  odd.frame = "Hall, east";
  odd.items = {"Say \"hi\"", "two\r\nlines"};
  reader = FieldReader(savedGameBytes(odd));
  sink.calls.clear();
  EXPECT_EQ(got(readSavedGame(reader, sink)), "Hall, east") << "a comma inside quotes belongs to the text";
  EXPECT_EQ(sink.calls, (Calls{"item Say 'hi'", "item two\r\nlines"}))
      << "a double quote cannot be written inside a field and becomes a single one; a line end is kept";
}

TEST(MalformedSavedGames, EachReadingAppliesWhatCameBeforeItsFault) {
  for (const testing::SavedGameCase& c : testing::kMalformedSavedGames) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.why);
    std::ifstream in(testing::kMalformedSaves / (std::string(c.name) + ".sav"), std::ios::binary);
    ASSERT_TRUE(in.good()) << "the test file is there";
    FieldReader reader(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    fakes::RecordingSink sink;
    const Result<std::string> frame = readSavedGame(reader, sink);
    EXPECT_EQ(errorOf(frame), c.error) << "why the reading stops, or that it does not";
    if (frame) {
      EXPECT_EQ(frame.value(), "Hall") << "the saved frame";
    }
    EXPECT_EQ(sink.calls, c.calls) << "what was applied before the reading stopped";
  }
}

}  // namespace
}  // namespace quorlen
