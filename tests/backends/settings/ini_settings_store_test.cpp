// The per-user settings file: what one game stores stays that game's, and
// every name and value reads back as it was written.

#include "backends/shared/settings/ini_settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quorlen::backends {
namespace {

TEST(IniSettingsStore, AForgedGameKeyLeavesAnotherGamesSettingAlone) {
  IniSettingsStore store(std::nullopt);
  ASSERT_TRUE(store.write("Games", "Castle", "ChangeResolution", "1").ok());
  const std::string forged = "Evil]\r\n[Games/Castle]\r\nChangeResolution=0\r\n[Games/x";
  ASSERT_TRUE(store.write("Games", forged, "ChangeResolution", "2").ok());

  IniSettingsStore reread(std::nullopt);
  reread.parse(store.text());
  EXPECT_EQ(reread.read("Games", "Castle", "ChangeResolution"), "1") << "the other game's choice is untouched";
  EXPECT_EQ(reread.read("Games", forged, "ChangeResolution"), "2") << "the forged key has its own setting";
  EXPECT_EQ(reread.read("Games", "x", "ChangeResolution"), std::nullopt) << "no section was made up";
}

TEST(IniSettingsStore, EveryNameAndValueRoundTrips) {
  const std::string awkward[] = {"",       " padded ", "a/b",   "[x]",      "k=v",       ";comment", "#hash",
                                 "100%",   "%41",      "tab\t", "\x01\x7F", "Caf\xC3\xA9"};
  IniSettingsStore store(std::nullopt);
  for (const std::string& text : awkward) ASSERT_TRUE(store.write("Games/" + text, text, text, text).ok());
  IniSettingsStore reread(std::nullopt);
  reread.parse(store.text());
  for (const std::string& text : awkward) {
    EXPECT_EQ(reread.read("Games/" + text, text, text), text) << "application, section, key and value '" << text << "'";
  }
}


std::string malformed(const std::string& name) {
  std::ifstream in(std::filesystem::path(QUORLEN_TEST_DATA) / "malformed" / "settings" / name, std::ios::binary);
  EXPECT_TRUE(in.good()) << "the test file " << name << " is there";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(IniSettingsStore, OlderAndMalformedFilesReadAsFarAsTheyGo) {
  using namespace std::string_literals;
  IniSettingsStore plain(std::nullopt);
  plain.parse("[Games/Old/Style]\nKey = 2\n");
  EXPECT_EQ(plain.read("Games", "Old/Style", "Key"), "2") << "a '/' in the section name, as an older player wrote it";
  // a file an older player wrote, plain names written back unchanged
  IniSettingsStore forged(std::nullopt);
  forged.parse(malformed("forged_by_old_player.ini"));
  EXPECT_EQ(forged.read("Games", "Castle", "ChangeResolution"), "0") << "what an older player was made to write";
  ASSERT_TRUE(forged.write("Games", "Castle", "ChangeResolution", "1").ok());
  EXPECT_EQ(forged.text(), "[Games/Castle]\nChangeResolution=1\n[Games/x]\nChangeResolution=2\n")
      << "written back, each section once, the empty one dropped";

  IniSettingsStore broken(std::nullopt);
  broken.parse(malformed("broken_sections.ini"));
  EXPECT_EQ(broken.text(), "") << "no line belongs to a section with an application and a name";

  IniSettingsStore escapes(std::nullopt);
  escapes.parse(malformed("broken_escapes.ini"));
  EXPECT_EQ(escapes.read("Games", "%ZZ%4", "Key%"), "50%") << "a '%' without two hexadecimal digits stays";
  EXPECT_EQ(escapes.read("Games", "/[]", "="), "\r\n") << "escaped separators and line ends";

  IniSettingsStore odd(std::nullopt);
  odd.parse(malformed("odd_bytes.ini"));
  EXPECT_EQ(odd.read("Games", "Castle", "ChangeResolution"), "1\0hidden"s) << "a NUL is kept as a byte";
  IniSettingsStore reread(std::nullopt);
  reread.parse(odd.text());
  EXPECT_EQ(reread.text(), odd.text()) << "and every byte round-trips";
  EXPECT_EQ(reread.read("Games", "Castle", "\xFF\xFE"), "\x80") << "bytes that are not UTF-8";
}

}  // namespace
}  // namespace quorlen::backends
