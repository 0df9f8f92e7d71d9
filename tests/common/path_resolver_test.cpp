#include "common/path_resolver.h"

#include <gtest/gtest.h>

namespace quorlen {
namespace {

// resolveGamePath on the disk, where every path resolves through it:
// DiskFileSystemTest (letter case at every level, exact names first, a
// missing rest kept as written, relative paths, '.' and '..').

TEST(NormalisePath, TurnsBackslashesIntoSlashesAndCollapsesRuns) {
  EXPECT_EQ(normalisePath("a\\b\\c.txt"), "a/b/c.txt") << "backslashes become slashes";
  EXPECT_EQ(normalisePath("a\\/b//\\c"), "a/b/c") << "runs of mixed separators count as one";
  EXPECT_EQ(normalisePath("/game\\\\Data"), "/game/Data") << "the leading slash of an absolute path is kept";
  EXPECT_EQ(normalisePath("\\\\game"), "/game") << "leading backslashes count as the root";
  EXPECT_EQ(normalisePath("a/b/"), "a/b") << "a trailing separator is dropped";
  EXPECT_EQ(normalisePath("/"), "/") << "the root stays the root";
  EXPECT_EQ(normalisePath("//\\"), "/") << "only separators: the root";
  EXPECT_EQ(normalisePath(""), "") << "an empty path stays empty";
  EXPECT_EQ(normalisePath("./a/../b"), "./a/../b") << "dot components are left alone";
}

TEST(EqualsIgnoringCase, FoldsAsciiAndLatin1Letters) {
  EXPECT_TRUE(equalsIgnoringCase("ROOM1.TXT", "room1.txt")) << "ASCII letters";
  EXPECT_TRUE(equalsIgnoringCase("CAF\xC3\x89", "caf\xC3\xA9")) << "E acute matches e acute";
  EXPECT_TRUE(equalsIgnoringCase("\xC3\x80\xC3\x9E", "\xC3\xA0\xC3\xBE")) << "the ends of the Latin-1 range";
  EXPECT_FALSE(equalsIgnoringCase("\xC3\x97", "\xC3\xB7")) << "the multiplication sign is not the division sign";
  EXPECT_FALSE(equalsIgnoringCase("\xC3\x9F", "\xC3\xBF")) << "sharp s is not y diaeresis";
  EXPECT_FALSE(equalsIgnoringCase("room1", "room2")) << "different letters";
  EXPECT_FALSE(equalsIgnoringCase("room", "room1")) << "different lengths";
  EXPECT_FALSE(equalsIgnoringCase("[", "{")) << "only letters fold";
}

}  // namespace
}  // namespace quorlen
