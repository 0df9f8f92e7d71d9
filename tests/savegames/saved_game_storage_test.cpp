// Putting a saved game on disk without ever losing the one it replaces, and
// the names that may not be used.

#include "savegames/saved_game_storage.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/memory_file_system.h"
#include "common/program_state.h"
#include "common/result_testing.h"

namespace quorlen {
namespace {

// Files in memory, with a disk that fills up and files that are in use.
class FlakyFileSystem final : public fakes::MemoryFileSystem {
 public:
  std::optional<std::size_t> failWritesAfter;  // bytes that still fit
  std::set<std::string> inUse;                  // cannot be replaced or removed
  std::vector<std::string> writes;              // every path written to

  Result<void> writeFile(const std::string& path, std::string_view bytes) override {
    writes.push_back(path);
    if (failWritesAfter && bytes.size() > *failWritesAfter) {
      files[path] = std::string(bytes.substr(0, *failWritesAfter));
      return makeError(ErrorKind::WriteFailed, "full");
    }
    return MemoryFileSystem::writeFile(path, bytes);
  }
  Result<void> replaceFile(const std::string& from, const std::string& to) override {
    if (inUse.count(to) != 0 || inUse.count(from) != 0) return makeError(ErrorKind::Refused, "in use");
    return MemoryFileSystem::replaceFile(from, to);
  }
  Result<void> removeFile(const std::string& path) override {
    if (inUse.count(path) != 0) return makeError(ErrorKind::Refused, "in use");
    return MemoryFileSystem::removeFile(path);
  }
};

const std::string kOld = "\"Kitchen\"\r\n0\r\n0\r\n0\r\n";
const std::string kNew = "\"Hall\"\r\n1\r\n\"DoorOpen\"\r\n1\r\n0\r\n0\r\n";

TEST(StoreSavedGame, TheOldSavedGameStaysWholeUnlessTheNewOneIsInPlace) {
  using Files = std::map<std::string, std::string>;
  const struct {
    bool old;                                // Hall.sav was there
    std::optional<std::size_t> bytesThatFit;  // a disk that fills up
    bool inUse;                               // Hall.sav cannot be replaced
    bool stored;
    Files after;
    const char* why;
  } cases[] = {
      {false, std::nullopt, false, true, {{"/game/Hall.sav", kNew}}, "a new saved game under its name alone"},
      {true, std::nullopt, false, true, {{"/game/Hall.sav", kNew}}, "the old one replaced, no pending file left"},
      {true, 10, false, false, {{"/game/Hall.sav", kOld}}, "a disk full half-way: the old one intact"},
      {false, 0, false, false, {}, "nothing written: neither an empty saved game nor a pending file stays"},
      {true, std::nullopt, true, false, {{"/game/Hall.sav", kOld}}, "in use: the old content stays"},
  };
  for (const auto& c : cases) {
    FlakyFileSystem fs;
    if (c.old) fs.files["/game/Hall.sav"] = kOld;
    fs.failWritesAfter = c.bytesThatFit;
    if (c.inUse) fs.inUse.insert("/game/Hall.sav");
    const Result<void> stored = storeSavedGame(fs, "/game/Hall.sav", kNew);
    EXPECT_EQ(stored.ok(), c.stored) << c.why << ": the outcome is reported";
    if (c.bytesThatFit) {
      EXPECT_EQ(errorOf(stored), ErrorKind::WriteFailed) << c.why;
    }
    EXPECT_EQ(fs.files, c.after) << c.why;
    EXPECT_EQ(fs.writes, std::vector<std::string>{"/game/Hall.sav.new"})
        << c.why << ": the old file itself is never opened for writing";
  }
}

TEST(SavedGameNames, NamesThatWouldLeaveTheGameFolderOrSpoilThePathAreRefused) {
  using namespace std::string_literals;
  GamePaths paths;
  paths.GameFolder = "/game/";
  EXPECT_EQ(savedGamePath(paths, "Hall.sav"), "/game/Hall.sav.sav") << "the game folder, the name and .sav";
  const std::vector<std::pair<std::string, const char*>> refused = {
      {"../Outside", "the parent folder"},
      {"..\\Outside", "the parent folder, Windows style"},
      {"Frames/Hall", "a sub-folder would overwrite game files"},
      {"/tmp/x", "an absolute path"},
      {"C:Games", "a drive"},
      {"C:\\Games\\x", "a drive and folders"},
      {"Hall\0Frames"s, "a NUL would end the path at Hall, and the file written would not be the saved game"},
      {"two\r\nlines", "a line end is no part of a file name"},
      {"tab\there", "nor a tab"},
      {"\x1F", "nor anything below a blank"},
  };
  for (const auto& [name, why] : refused) EXPECT_FALSE(isPlainSavedGameName(name)) << why;
  for (const char* name : {"Hall", " Hall ", "Hall.sav", "..", "my game, day 2", "Caf\xC3\xA9"}) {
    EXPECT_TRUE(isPlainSavedGameName(name)) << name << ": blanks, commas, a typed .sav, \"..\" (the file ...sav) "
                                            << "and letters beyond ASCII are used as typed";
  }
}

}  // namespace
}  // namespace quorlen
