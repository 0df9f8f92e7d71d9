#include "app/player/player_options.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "app/player/machines.h"
#include "app/player/player.h"
#include "support/temp_folder.h"

namespace quorlen::player {
namespace {

TEST(PlayerOptions, DefaultsEveryOptionAndMistakes) {
  std::ostringstream errors;
  auto d = parsePlayerOptions({}, errors);
  ASSERT_TRUE(d.has_value());
  EXPECT_FALSE(d->gameFolder.has_value()) << "no folder: the program's own";
  EXPECT_TRUE(d->fullscreen) << "full screen by default";
  EXPECT_EQ(d->scale, sdl::ScaleMode::Fit);
  EXPECT_FALSE(d->script.has_value());
  EXPECT_FALSE(d->displayChosen) << "full screen or not is left to what was remembered";
  auto o = parsePlayerOptions({"games/demo", "--window", "--scale", "integer", "--filter", "nearest", "--script",
                               "walk.script", "--music-volume", "40", "--sound-volume", "0", "--mute"},
                              errors);
  ASSERT_TRUE(o.has_value()) << errors.str();
  EXPECT_EQ(o->gameFolder, "games/demo");
  EXPECT_FALSE(o->fullscreen) << "--window";
  EXPECT_EQ(o->scale, sdl::ScaleMode::Integer);
  EXPECT_EQ(o->filter, sdl::Filter::Nearest);
  EXPECT_EQ(o->script, "walk.script");
  EXPECT_EQ(o->musicVolume, 40);
  EXPECT_EQ(o->soundVolume, 0);
  EXPECT_TRUE(o->mute);
  for (const char* wrong : {"101", "-1", "loud", ""}) {
    EXPECT_FALSE(parsePlayerOptions({"--sound-volume", wrong}, errors).has_value()) << "refused volume: " << wrong;
  }
  EXPECT_FALSE(parsePlayerOptions({"--music-volume"}, errors).has_value()) << "a volume option without a number";
  EXPECT_FALSE(parsePlayerOptions({"--scale", "big"}, errors).has_value()) << "an unknown scale";
  EXPECT_FALSE(parsePlayerOptions({"--script"}, errors).has_value()) << "a script option without a file";
  EXPECT_FALSE(parsePlayerOptions({"a", "b"}, errors).has_value()) << "two game folders";
  EXPECT_FALSE(parsePlayerOptions({"--bogus"}, errors).has_value());
  EXPECT_NE(errors.str().find("unknown option --bogus"), std::string::npos) << errors.str();
  std::ostringstream help;
  std::ostringstream none;
  EXPECT_EQ(playerMain({"--help"}, help, none), 0);
  for (const char* key : {"F5", "F6", "F9", "--music-volume", "--mute", "F10"}) {
    EXPECT_NE(help.str().find(key), std::string::npos) << "--help tells of " << key;
  }
}

TEST(DesktopPreferences, RememberedAndGivenToTheMediaDevices) {
  backends::IniSettingsStore settings(std::nullopt);
  std::ostringstream errors;
  std::vector<std::pair<int, int>> given;
  const auto record = [&given](const sdl::DesktopPreferences& p) { given.emplace_back(p.musicGain(), p.soundGain()); };
  sdl::UiOptions first =
      desktopOptions(*parsePlayerOptions({"--music-volume", "50", "--mute", "--window"}, errors), settings, record);
  EXPECT_EQ(first.preferences.musicVolume, 50);
  EXPECT_FALSE(first.fullscreen) << "--window";
  ASSERT_EQ(given.size(), 1U) << "the loudness is given at once";
  EXPECT_EQ(given.back(), std::make_pair(0, 0)) << "muted music and sound";
  first.preferences.mute = false;
  first.preferences.windowWidth = 800;
  first.preferences.windowHeight = 600;
  first.preferencesChanged(first.preferences);
  ASSERT_EQ(given.size(), 2U) << "and again when it changes";
  EXPECT_EQ(given.back(), std::make_pair(64, 128)) << "music at half, sound at full";
  // the next run, with no options, starts as this one was left
  const sdl::UiOptions next = desktopOptions(*parsePlayerOptions({}, errors), settings);
  EXPECT_EQ(next.preferences.musicVolume, 50) << "the loudness is remembered";
  EXPECT_FALSE(next.preferences.mute);
  EXPECT_FALSE(next.fullscreen) << "a window stays a window";
  EXPECT_EQ(next.preferences.windowWidth, 800) << "and keeps its size";
  EXPECT_EQ(next.preferences.windowHeight, 600);
}

TEST(PlayerFolder, AWrongFolderIsRefusedBeforeAnythingStarts) {
  namespace fs = std::filesystem;
  const quorlen::testing::TempFolder temp("quorlen-folder");
  const fs::path work = temp.path();
  fs::create_directories(work / "empty");
  temp.put("file.txt", "not a game");
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
  temp.put("game/Config/General", "\"key\"\r\n");
  EXPECT_FALSE(checkGameFolder((work / "game").string(), none).has_value());
  EXPECT_EQ(none.str(), "") << "a readable project file gives no hint";
}

}  // namespace
}  // namespace quorlen::player
