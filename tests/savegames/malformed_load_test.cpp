// Loading each broken saved game of tests/data/malformed/savegames through
// the load window: the ones that cannot be read give exactly the load
// failure message with the full path and leave the load window open; the
// readable ones load without it.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/runner/runner.h"

namespace quorlen {
namespace {
namespace fs = std::filesystem;

std::string crlf(std::initializer_list<const char*> lines) {
  std::string bytes;
  for (const char* line : lines) bytes += std::string(line) + "\r\n";
  return bytes;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

class MalformedLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("quorlen-malformed-load-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    game_ = root_ / "game";
    put("Config/General", crlf({"\"tale\"", "\"\"", "\"Tale\"", "3", "\"Hall\"", "\"\"", "640", "480", "\"\"",
                                "\"\"", "\"\"", "0"}));
    put("Config/Variables", crlf({"2", "\"DoorOpen\"", "\"LampLit\""}));
    put("Frames/Hall.fme", crlf({"0,\"255\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#"}));
    for (const auto& entry : fs::directory_iterator(fs::path(QUORLEN_TEST_DATA) / "malformed" / "savegames")) {
      if (entry.path().extension() == ".sav") fs::copy_file(entry.path(), game_ / entry.path().filename());
    }
  }
  void TearDown() override { fs::remove_all(root_); }

  void put(const std::string& relative, const std::string& bytes) {
    fs::create_directories((game_ / relative).parent_path());
    std::ofstream(game_ / relative, std::ios::binary) << bytes;
  }
  // Chooses the saved game in the load window and presses LOAD; every
  // message box takes its first button.
  std::string load(const std::string& name) {
    headless::MachineOptions options;
    options.gameFolder = game_.string();
    std::istringstream in("click frmWelcome.Image6\nselect frmLoadGame.List1 \"" + name +
                          "\"\nclick frmLoadGame.Command2\n");
    std::ostringstream out;
    EXPECT_EQ(runGame(options, in, out), kRunnerDone) << out.str();
    return out.str();
  }
  std::string failureLine(const std::string& name) const {
    return "msgbox exclamation ok \"Unable to load previously saved game\" \"Unable to load '" + game_.string() +
           "/" + name + ".sav'.\" -> ok (default)";
  }

  fs::path root_;
  fs::path game_;
};

TEST_F(MalformedLoad, EveryUnreadableSavedGameGivesExactlyTheFailureMessage) {
  for (const char* name : {"empty", "only_frame", "ends_in_variables", "ends_in_disappeared", "ends_in_items",
                           "count_not_a_number", "count_out_of_range", "value_not_a_number", "value_out_of_range",
                           "area_not_a_number", "item_count_out_of_range", "unterminated_quote"}) {
    const std::string out = load(name);
    EXPECT_EQ(occurrences(out, failureLine(name)), 1u)
        << name << ": one failure message, titled and worded as the player knows it, with the full path\n"
        << out;
    EXPECT_EQ(occurrences(out, "\"Unable to load previously saved game\""), 1u)
        << name << ": no other load failure is reported\n"
        << out;
    EXPECT_EQ(occurrences(out, "window unload frmLoadGame"), 0u)
        << name << ": the load window stays open for another choice\n"
        << out;
    EXPECT_EQ(occurrences(out, "window show Game"), 0u) << name << ": the game window is not shown\n" << out;
  }
}

TEST_F(MalformedLoad, ReadableOddSavedGamesLoadWithoutTheFailureMessage) {
  for (const char* name : {"negative_counts", "fractional_counts", "unquoted_fields", "after_last_item",
                           "one_line"}) {
    const std::string out = load(name);
    EXPECT_EQ(occurrences(out, "\"Unable to load previously saved game\""), 0u)
        << name << ": the file reads to its last counted field\n"
        << out;
    EXPECT_EQ(occurrences(out, "window show Game"), 1u) << name << ": the game shows the saved frame\n" << out;
  }
}

}  // namespace
}  // namespace quorlen
