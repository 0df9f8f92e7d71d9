#pragma once
// The broken saved games of tests/data/malformed/savegames, each with why
// its reading stops (or that it does not) and what it applies first.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"

namespace quorlen::testing {

inline const std::filesystem::path kMalformedSaves =
    std::filesystem::path(QUORLEN_TEST_DATA) / "malformed" / "savegames";

struct SavedGameCase {
  const char* name;
  std::optional<ErrorKind> error;  // nothing: the reading gives the frame Hall
  std::vector<std::string> calls;  // what was applied, in order
  const char* why;
};

inline const std::vector<SavedGameCase> kMalformedSavedGames = {
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

}  // namespace quorlen::testing
