// Reading the broken saved games of tests/data/malformed/savegames: what is
// applied before the reading stops, and why it stops.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "common/field_reader.h"
#include "common/result_testing.h"
#include "savegames/malformed_saved_games.h"
#include "savegames/recording_sink.h"
#include "savegames/saved_game_file.h"

namespace quorlen {
namespace {

using testing::kMalformedSaves;
using testing::SavedGameCase;

TEST(MalformedSavedGames, EachReadingAppliesWhatCameBeforeItsFault) {
  for (const SavedGameCase& c : testing::kMalformedSavedGames) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.why);
    std::ifstream in(kMalformedSaves / (std::string(c.name) + ".sav"), std::ios::binary);
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
