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

TEST(StoreSavedGame, ANewSavedGameEndsUpUnderItsNameAlone) {
  FlakyFileSystem fs;
  ASSERT_TRUE(storeSavedGame(fs, "/game/Hall.sav", kNew));
  EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{"/game/Hall.sav", kNew}}))
      << "the content in place and no pending file left beside it";
}

TEST(StoreSavedGame, ReplacingPutsTheNewContentInPlace) {
  FlakyFileSystem fs;
  fs.files["/game/Hall.sav"] = kOld;
  ASSERT_TRUE(storeSavedGame(fs, "/game/Hall.sav", kNew));
  EXPECT_EQ(fs.files["/game/Hall.sav"], kNew) << "the old saved game was replaced";
  EXPECT_EQ(fs.writes, std::vector<std::string>{"/game/Hall.sav.new"})
      << "the old file itself is never opened for writing";
  EXPECT_EQ(fs.files.count("/game/Hall.sav.new"), 0u) << "the pending file became the saved game";
}

TEST(StoreSavedGame, ADiskThatFillsUpHalfWayLeavesTheOldSavedGame) {
  FlakyFileSystem fs;
  fs.files["/game/Hall.sav"] = kOld;
  fs.failWritesAfter = 10;
  const Result<void> stored = storeSavedGame(fs, "/game/Hall.sav", kNew);
  EXPECT_EQ(stored.ok() ? std::nullopt : std::optional(stored.error().kind), ErrorKind::WriteFailed)
      << "the failure is reported";
  EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{"/game/Hall.sav", kOld}}))
      << "the old saved game intact and the partial pending file removed";
}

TEST(StoreSavedGame, AFailedNewSavedGameLeavesNoFileBehind) {
  FlakyFileSystem fs;
  fs.failWritesAfter = 0;
  EXPECT_FALSE(storeSavedGame(fs, "/game/Attic.sav", kNew)) << "nothing could be written";
  EXPECT_TRUE(fs.files.empty()) << "neither an empty saved game nor a pending file stays";
}

TEST(StoreSavedGame, ASavedGameInUseIsLeftAsItWas) {
  FlakyFileSystem fs;
  fs.files["/game/Hall.sav"] = kOld;
  fs.inUse.insert("/game/Hall.sav");
  EXPECT_FALSE(storeSavedGame(fs, "/game/Hall.sav", kNew)) << "the replacement was refused";
  EXPECT_EQ(fs.files, (std::map<std::string, std::string>{{"/game/Hall.sav", kOld}}))
      << "the old content stays and the pending file is removed";
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
