// The broken saved games of tests/data/malformed/savegames: what reading one
// applies before it stops and why it stops, and what loading it through the
// load window shows: the unreadable ones give exactly the load failure
// message with the full path and leave the load window open; the readable
// ones load without it.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/runner/runner.h"
#include "common/field_reader.h"
#include "common/result_testing.h"
#include "savegames/recording_sink.h"
#include "savegames/saved_game_file.h"

namespace quorlen {
namespace {
namespace fs = std::filesystem;

using Calls = std::vector<std::string>;

const fs::path kFolder = fs::path(QUORLEN_TEST_DATA) / "malformed" / "savegames";

struct SavedGameCase {
  const char* name;
  std::optional<ErrorKind> error;  // nothing: the reading gives the frame Hall
  Calls calls;                     // what was applied, in order
  const char* why;
};

const std::vector<SavedGameCase> kCases = {
    {"empty", ErrorKind::EndOfFile, {}, "no frame at all"},
    {"only_frame", ErrorKind::EndOfFile, {}, "the variable count is missing"},
    {"ends_in_variables", ErrorKind::EndOfFile, {"variable DoorOpen=1"},
     "the first variable was set before the second one's value ran out"},
    {"ends_in_disappeared", ErrorKind::EndOfFile, {"variable DoorOpen=1", "disappeared Kitchen/2"},
     "the variables and the first area stay applied"},
    {"ends_in_items", ErrorKind::EndOfFile, {"item Lamp", "item Key"},
     "the two items named before the end were added"},
    {"count_not_a_number", ErrorKind::NotANumber, {}, "a variable count written as a word"},
    {"value_not_a_number", ErrorKind::NotANumber, {"variable DoorOpen=1"},
     "the variable before the bad value keeps its value"},
    {"area_not_a_number", ErrorKind::NotANumber, {}, "an area number written as a word"},
    {"unterminated_quote", ErrorKind::EndOfFile, {}, "the open quote swallowed the rest of the file"},
    {"value_out_of_range", ErrorKind::OutOfRange, {}, "a value is 16 bits"},
    {"item_count_out_of_range", ErrorKind::OutOfRange, {}, "the item count is 16 bits"},
    {"count_out_of_range", ErrorKind::OutOfRange, {}, "the variable count is 32 bits"},
    {"negative_counts", std::nullopt, {}, "no variable, area or item is read after a negative count"},
    {"fractional_counts", std::nullopt, {"disappeared Kitchen/1", "disappeared Attic/2"},
     "0.5 rounds to 0 and 1.5 to 2, ties going to the even number"},
    {"unquoted_fields", std::nullopt,
     {"variable DoorOpen=-1", "disappeared Kitchen/4", "item 5", "item False", "item Lamp"},
     "an unquoted frame name; #TRUE# reads as -1, 3.5 rounds to 4, a number and a Boolean item become their text"},
    {"after_last_item", std::nullopt, {"item Lamp"}, "the fields after the counted item are not read"},
    {"one_line", std::nullopt, {"variable DoorOpen=1", "disappeared Kitchen/2", "item Lamp", "item Key"},
     "commas separate fields as line ends do"},
};

TEST(MalformedSavedGames, EachReadingAppliesWhatCameBeforeItsFault) {
  for (const SavedGameCase& c : kCases) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.why);
    std::ifstream in(kFolder / (std::string(c.name) + ".sav"), std::ios::binary);
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

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

TEST(MalformedSavedGames, LoadingGivesExactlyTheFailureMessageOrTheGame) {
  const fs::path root = fs::temp_directory_path() / ("quorlen-malformed-load-" + std::to_string(::getpid()));
  const fs::path game = root / "game";
  fs::remove_all(root);
  auto put = [&](const std::string& relative, const std::string& bytes) {
    fs::create_directories((game / relative).parent_path());
    std::ofstream(game / relative, std::ios::binary) << bytes;
  };
  put("Config/General", "\"tale\"\r\n\"\"\r\n\"Tale\"\r\n3\r\n\"Hall\"\r\n\"\"\r\n640\r\n480\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n");
  put("Config/Variables", "2\r\n\"DoorOpen\"\r\n\"LampLit\"\r\n");
  put("Frames/Hall.fme", "0,\"255\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  for (const SavedGameCase& c : kCases) {
    fs::copy_file(kFolder / (std::string(c.name) + ".sav"), game / (std::string(c.name) + ".sav"));
  }

  for (const SavedGameCase& c : kCases) {
    SCOPED_TRACE(c.name);
    // Chooses the saved game in the load window and presses LOAD; every
    // message box takes its first button.
    headless::MachineOptions options;
    options.gameFolder = game.string();
    std::istringstream script("click frmWelcome.Image6\nselect frmLoadGame.List1 \"" + std::string(c.name) +
                              "\"\nclick frmLoadGame.Command2\n");
    std::ostringstream transcript;
    EXPECT_EQ(runGame(options, script, transcript), kRunnerDone);
    const std::string out = transcript.str();
    const std::string failure = "msgbox exclamation ok \"Unable to load previously saved game\" \"Unable to load '" +
                                game.string() + "/" + c.name + ".sav'.\" -> ok (default)";
    if (c.error) {
      EXPECT_EQ(occurrences(out, failure), 1u)
          << "one failure message, titled and worded as the player knows it, with the full path\n" << out;
      EXPECT_EQ(occurrences(out, "\"Unable to load previously saved game\""), 1u) << "no other failure\n" << out;
      EXPECT_EQ(occurrences(out, "window unload frmLoadGame"), 0u) << "the load window stays open\n" << out;
      EXPECT_EQ(occurrences(out, "window show Game"), 0u) << "the game window is not shown\n" << out;
    } else {
      EXPECT_EQ(occurrences(out, "\"Unable to load previously saved game\""), 0u)
          << "the file reads to its last counted field\n" << out;
      EXPECT_EQ(occurrences(out, "window show Game"), 1u) << "the game shows the saved frame\n" << out;
    }
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace quorlen
