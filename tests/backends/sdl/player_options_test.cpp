#include "app/player/player_options.h"

#include <gtest/gtest.h>

#include <sstream>

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

}  // namespace
}  // namespace quorlen::player
