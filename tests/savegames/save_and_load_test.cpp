// Saving and loading as the player does it, with the runner's simulated
// machine, checking the files they leave on disk. (A replacement that fails
// half-way: the saves-replace scenario and StoreSavedGame.)

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "app/runner/runner.h"
#include "support/temp_folder.h"

namespace quorlen {
namespace {
namespace fs = std::filesystem;

using Tree = std::map<std::string, std::string>;  // relative path -> bytes

std::string crlf(std::initializer_list<const char*> lines) {
  std::string bytes;
  for (const char* line : lines) bytes += std::string(line) + "\r\n";
  return bytes;
}

// The kitchen game as the player saved it; the variable names hold a
// Windows-1252 letter.
const std::string kKitchen = crlf({"\"Kitchen\"", "2", "\"Caf\xE9Open\"", "1", "\"LampLit\"", "0", "1", "\"Hall\"",
                                   "2", "0"});

class SaveAndLoad : public ::testing::Test {
 protected:
  SaveAndLoad() {
    put("Config/General", crlf({"\"tale\"", "\"\"", "\"Tale\"", "3", "\"Hall\"", "\"\"", "640", "480", "\"\"",
                                "\"\"", "\"\"", "0"}));
    put("Config/Variables", crlf({"2", "\"Caf\xE9Open\"", "\"LampLit\""}));
    put("Frames/Hall.fme", crlf({"0,\"255\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#"}));
    put("Frames/Kitchen.fme", crlf({"0,\"65280\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#"}));
    put("Kitchen.sav", kKitchen);
  }
  void put(const std::string& relative, const std::string& bytes) { folder_.put("game/" + relative, bytes); }
  // Every file under the scratch folder, the game folder included.
  Tree tree() const {
    Tree files;
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      files[fs::relative(entry.path(), root_).generic_string()] =
          std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    return files;
  }
  std::string run(const std::string& script) {
    headless::MachineOptions options;
    options.gameFolder = game_.string();
    std::istringstream in(script);
    std::ostringstream out;
    EXPECT_EQ(runGame(options, in, out), kRunnerDone) << out.str();
    return out.str();
  }

  // From the welcome window into the save window of the kitchen game.
  static constexpr const char* kLoadKitchenAndOpenSave =
      "click frmWelcome.Image6\n"
      "select frmLoadGame.List1 \"Kitchen\"\n"
      "click frmLoadGame.Command2\n"
      "key Game.PictureBox 27\n"
      "menu Game.mnuSaveGame\n";

  testing::TempFolder folder_{"quorlen-saves"};
  fs::path root_ = folder_.path();
  fs::path game_ = root_ / "game";
};

TEST_F(SaveAndLoad, ASavedGameIsWrittenByteForByte) {
  run(std::string(kLoadKitchenAndOpenSave) + "type frmSaveGame.Text1 \"Copy\"\nclick frmSaveGame.Command2\n");
  Tree after = tree();
  EXPECT_EQ(after["game/Copy.sav"], kKitchen)
      << "frame, counts and pairs on lines of their own, CR LF, quoted text in Windows-1252";
  EXPECT_EQ(after.count("game/Copy.sav.new"), 0u) << "no pending file stays beside it";
}

// A new game saved and loaded back: the saves-basic scenario save-then-load.
TEST_F(SaveAndLoad, RefusedNamesWriteNothingAnywhere) {
  const Tree before = tree();
  const std::string out =
      run(std::string(kLoadKitchenAndOpenSave) +
          "type frmSaveGame.Text1 \"../Outside\"\nclick frmSaveGame.Command2\nanswer ok\n"
          "type frmSaveGame.Text1 \"Frames/Hall\"\nclick frmSaveGame.Command2\nanswer ok\n"
          "type frmSaveGame.Text1 \"Config\\\\Variables\"\nclick frmSaveGame.Command2\nanswer ok\n");
  EXPECT_EQ(tree(), before) << "no file appeared or changed, inside the game folder or beside it";
  EXPECT_NE(out.find("msgbox exclamation ok \"Save game\" \"Unable to save '" + game_.string() +
                     "/../Outside.sav'\" -> ok"),
            std::string::npos)
      << "the save failure message names the path as typed\n"
      << out;
}

}  // namespace
}  // namespace quorlen
