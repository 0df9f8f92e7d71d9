#include "app/player/player_options.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/player/player.h"

namespace quorlen::player {
namespace {

TEST(PlayerOptions, DefaultsPlayTheOwnFolderInFullScreen) {
  std::ostringstream errors;
  auto o = parsePlayerOptions({}, errors);
  ASSERT_TRUE(o.has_value());
  EXPECT_FALSE(o->gameFolder.has_value()) << "no folder: the program's own";
  EXPECT_TRUE(o->fullscreen);
  EXPECT_EQ(o->scale, sdl::ScaleMode::Fit);
  EXPECT_FALSE(o->script.has_value());
}

TEST(PlayerOptions, EveryOption) {
  std::ostringstream errors;
  auto o = parsePlayerOptions({"games/demo", "--window", "--scale", "integer", "--filter", "nearest", "--script",
                               "walk.script"},
                              errors);
  ASSERT_TRUE(o.has_value()) << errors.str();
  EXPECT_EQ(o->gameFolder, "games/demo");
  EXPECT_FALSE(o->fullscreen) << "--window";
  EXPECT_EQ(o->scale, sdl::ScaleMode::Integer);
  EXPECT_EQ(o->filter, sdl::Filter::Nearest);
  EXPECT_EQ(o->script, "walk.script");
}

TEST(PlayerOptions, MistakesAreReported) {
  std::ostringstream errors;
  EXPECT_FALSE(parsePlayerOptions({"--scale", "big"}, errors).has_value()) << "an unknown scale";
  EXPECT_FALSE(parsePlayerOptions({"--script"}, errors).has_value()) << "a script option without a file";
  EXPECT_FALSE(parsePlayerOptions({"a", "b"}, errors).has_value()) << "two game folders";
  EXPECT_FALSE(parsePlayerOptions({"--bogus"}, errors).has_value());
  EXPECT_NE(errors.str().find("unknown option --bogus"), std::string::npos) << errors.str();
}

TEST(PlayerFolder, AWrongFolderIsRefusedBeforeAnythingStarts) {
  namespace fs = std::filesystem;
  const fs::path work = fs::temp_directory_path() / ("quorlen-folder-" + std::to_string(getpid()));
  fs::remove_all(work);
  fs::create_directories(work / "empty");
  std::ofstream(work / "file.txt") << "not a game";
  for (const fs::path& wrong : {work / "no-such-folder", work / "file.txt"}) {
    std::ostringstream output;
    std::ostringstream errors;
    EXPECT_EQ(playerMain({wrong.string(), "--window"}, output, errors), 2) << "refused with status 2: " << wrong;
    const std::string said = errors.str();
    EXPECT_NE(said.find(wrong.string()), std::string::npos) << "the error names the path: " << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line: " << said;
  }
  // a folder without its project information is played, with a hint
  std::ostringstream errors;
  EXPECT_FALSE(checkGameFolder((work / "empty").string(), errors).has_value()) << "an existing folder is played";
  EXPECT_NE(errors.str().find("Config/General"), std::string::npos) << "names the file: " << errors.str();
  std::ostringstream none;
  fs::create_directories(work / "game" / "Config");
  std::ofstream(work / "game" / "Config" / "General") << "\"key\"\r\n";
  EXPECT_FALSE(checkGameFolder((work / "game").string(), none).has_value());
  EXPECT_EQ(none.str(), "") << "a readable project file gives no hint";
  fs::remove_all(work);
}

}  // namespace
}  // namespace quorlen::player
