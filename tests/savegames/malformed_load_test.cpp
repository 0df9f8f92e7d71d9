// Loading each broken saved game of tests/data/malformed/savegames through
// the load window: the ones that cannot be read give exactly the load
// failure message with the full path and leave the load window open; the
// readable ones load without it.

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/runner/runner.h"
#include "savegames/malformed_saved_games.h"
#include "support/temp_folder.h"

namespace quorlen {
namespace {
namespace fs = std::filesystem;

using testing::kMalformedSaves;
using testing::SavedGameCase;

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

TEST(MalformedSavedGames, LoadingGivesExactlyTheFailureMessageOrTheGame) {
  const testing::TempFolder folder("quorlen-malformed-load");
  const fs::path game = folder.path();
  const auto put = [&](const std::string& relative, const std::string& bytes) { folder.put(relative, bytes); };
  put("Config/General", "\"tale\"\r\n\"\"\r\n\"Tale\"\r\n3\r\n\"Hall\"\r\n\"\"\r\n640\r\n480\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n");
  put("Config/Variables", "2\r\n\"DoorOpen\"\r\n\"LampLit\"\r\n");
  put("Frames/Hall.fme", "0,\"255\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  for (const SavedGameCase& c : testing::kMalformedSavedGames) {
    fs::copy_file(kMalformedSaves / (std::string(c.name) + ".sav"), game / (std::string(c.name) + ".sav"));
  }

  for (const SavedGameCase& c : testing::kMalformedSavedGames) {
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
}

}  // namespace
}  // namespace quorlen
