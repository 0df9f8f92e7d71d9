#include "backends/shared/files/file_name_pattern.h"

#include <gtest/gtest.h>

namespace quorlen::backends {
namespace {

TEST(FileNamePattern, StarMatchesAnyRunIgnoringCase) {
  EXPECT_TRUE(matchesFilePattern("game1.sav", "*.sav")) << "the usual pattern";
  EXPECT_TRUE(matchesFilePattern("GAME1.SAV", "*.sav")) << "letter case of the name is ignored";
  EXPECT_TRUE(matchesFilePattern("game1.sav", "*.SAV")) << "letter case of the pattern is ignored";
  EXPECT_TRUE(matchesFilePattern(".sav", "*.sav")) << "a star may match nothing";
  EXPECT_FALSE(matchesFilePattern("game1.sav.bak", "*.sav")) << "the name must end as the pattern does";
  EXPECT_FALSE(matchesFilePattern("game1.lbl", "*.sav")) << "another extension";
  EXPECT_TRUE(matchesFilePattern("a.b.sav", "*.sav")) << "the star backs off to a later dot";
  EXPECT_TRUE(matchesFilePattern("save_ab_cd", "save*cd")) << "a star in the middle";
  EXPECT_TRUE(matchesFilePattern("\xC3\x89t\xC3\xA9.sav", "\xC3\xA9T\xC3\x89*")) << "Latin-1 letters fold too";
}

TEST(FileNamePattern, QuestionMarkMatchesOneCharacter) {
  EXPECT_TRUE(matchesFilePattern("save1.dat", "save?.dat")) << "one character";
  EXPECT_FALSE(matchesFilePattern("save12.dat", "save?.dat")) << "not two";
  EXPECT_FALSE(matchesFilePattern("save.dat", "save?.dat")) << "not none";
  EXPECT_TRUE(matchesFilePattern("save\xC3\xA9.dat", "save?.dat")) << "one accented letter is one character";
}

TEST(FileNamePattern, SeveralPatternsAndTheCatchAlls) {
  EXPECT_TRUE(matchesFilePattern("pic.JPG", "*.bmp;*.jpg")) << "the second of two patterns";
  EXPECT_TRUE(matchesFilePattern("pic.bmp", "*.bmp; *.jpg")) << "blanks around a pattern";
  EXPECT_FALSE(matchesFilePattern("pic.gif", "*.bmp;*.jpg")) << "neither";
  EXPECT_TRUE(matchesFilePattern("README", "*.*")) << "*.* takes names without a dot too";
  EXPECT_TRUE(matchesFilePattern("anything", "")) << "no pattern takes every name";
  EXPECT_TRUE(matchesFilePattern("anything", "*")) << "a lone star takes every name";
  EXPECT_FALSE(matchesFilePattern("x.sav", "*.lbl;")) << "an empty part after ';' takes nothing";
}

}  // namespace
}  // namespace quorlen::backends
