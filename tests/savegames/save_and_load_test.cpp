// Saving and loading as the player does it, with the runner's simulated
// machine: the two windows as the player first sees them, the files a save
// leaves on disk, and each broken saved game of tests/data/malformed/savegames
// loaded through the load window. (A replacement that fails half-way: the
// saves-replace scenario and StoreSavedGame.)

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "app/runner/runner.h"
#include "backends/headless/headless_platform.h"
#include "savegames/load_game_window.h"
#include "savegames/malformed_saved_games.h"
#include "savegames/save_game_window.h"
#include "startup/program.h"
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
      const std::string relative = fs::relative(entry.path(), root_).generic_string();
      files[relative] = folder_.read(relative);
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

void expectCentred(const ui::Window& w) {
  EXPECT_EQ(w.left(), (800 * ui::kTwipsPerPixel - w.width()) / 2)
      << w.name() << ": left = (screen width - window width) / 2, in twips";
  EXPECT_EQ(w.top(), (600 * ui::kTwipsPerPixel - w.height()) / 2)
      << w.name() << ": top = (screen height - window height) / 2, in twips";
}

void expectButton(const ui::Window& w, const char* name, const char* caption, bool isDefault, bool isCancel) {
  const ui::Control* button = w.find(name);
  ASSERT_NE(button, nullptr) << w.name() << " has " << name;
  EXPECT_EQ(button->caption(), caption) << w.name() << "." << name << " reads as the player knows it";
  EXPECT_EQ(button->isDefault(), isDefault) << w.name() << "." << name << ": Enter presses the default button";
  EXPECT_EQ(button->isCancel(), isCancel) << w.name() << "." << name << ": Esc presses the cancel button";
}

TEST_F(SaveAndLoad, BothWindowsAreCentredWithTheirControls) {
  headless::MachineOptions options;
  options.gameFolder = game_.string();
  options.displayWidth = 800;
  options.displayHeight = 600;
  std::istringstream script;
  std::ostringstream transcript;
  headless::HeadlessPlatform machine(options, script, transcript);
  Program program(machine.platform());
  program.start();
  program.loadGame().LoadSaveGames();
  program.saveGame().LoadSaveGames();
  const ui::Window& load = program.loadGame().window();
  const ui::Window& save = program.saveGame().window();
  EXPECT_EQ(load.title(), "Load a previously saved game");
  EXPECT_EQ(save.title(), "Save the current game");
  ASSERT_NE(load.find("Label1"), nullptr);
  EXPECT_EQ(load.find("Label1")->caption(), "Select the game you wish to load and click \"LOAD\".");
  ASSERT_NE(save.find("Label2"), nullptr);
  EXPECT_EQ(save.find("Label2")->caption(), "Enter the name of the game you want to save:");
  ASSERT_NE(save.find("Text1"), nullptr);
  EXPECT_EQ(save.find("Text1")->text(), "") << "the name is empty when the window opens";
  expectButton(load, "Command2", "LOAD", true, false);
  expectButton(load, "Command1", "Cancel", false, true);
  expectButton(save, "Command2", "SAVE", true, false);
  expectButton(save, "Command1", "Cancel", false, true);
  expectButton(save, "Command3", "Remove selected", false, false);
  for (const ui::Window* w : {&load, &save}) {
    expectCentred(*w);
    ASSERT_NE(w->find("File1"), nullptr);
    EXPECT_FALSE(w->find("File1")->visible()) << w->name() << ": the file list only serves the listing";
    EXPECT_EQ(w->find("List1")->items(), std::vector<std::string>{"Kitchen"}) << "the saved games, without .sav";
  }
}

TEST_F(SaveAndLoad, ASavedGameIsWrittenByteForByte) {
  run(std::string(kLoadKitchenAndOpenSave) + "type frmSaveGame.Text1 \"Copy\"\nclick frmSaveGame.Command2\n");
  Tree after = tree();
  EXPECT_EQ(after["game/Copy.sav"], kKitchen)
      << "frame, counts and pairs on lines of their own, CR LF, quoted text in Windows-1252";
  EXPECT_EQ(after.count("game/Copy.sav.new"), 0u) << "no pending file stays beside it";
}

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

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

// The ones that cannot be read give exactly the load failure message with
// the full path and leave the load window open; the readable ones load.
// (A new game saved and loaded back: the saves-basic scenario
// save-then-load.)
TEST_F(SaveAndLoad, EachBrokenSavedGameLoadsOrGivesExactlyTheFailureMessage) {
  for (const testing::SavedGameCase& c : testing::kMalformedSavedGames) {
    fs::copy_file(testing::kMalformedSaves / (std::string(c.name) + ".sav"), game_ / (std::string(c.name) + ".sav"));
  }
  for (const testing::SavedGameCase& c : testing::kMalformedSavedGames) {
    SCOPED_TRACE(c.name);
    // every message box takes its first button
    const std::string out = run("click frmWelcome.Image6\nselect frmLoadGame.List1 \"" + std::string(c.name) +
                                "\"\nclick frmLoadGame.Command2\n");
    const std::string failure = "msgbox exclamation ok \"Unable to load previously saved game\" \"Unable to load '" +
                                game_.string() + "/" + c.name + ".sav'.\" -> ok (default)";
    if (c.error) {
      EXPECT_EQ(occurrences(out, failure), 1u)
          << "one failure message, titled and worded as the player knows it, with the full path\n" << out;
      EXPECT_EQ(occurrences(out, "\"Unable to load previously saved game\""), 1u) << "no other failure\n" << out;
      EXPECT_EQ(occurrences(out, "window unload frmLoadGame"), 0u) << "the load window stays open\n" << out;
      EXPECT_EQ(occurrences(out, "window show Game"), 0u) << "the game window is not shown\n" << out;
    } else {
      EXPECT_EQ(occurrences(out, "\"Unable to load previously saved game\""), 0u)
          << "the file reads to its last counted field\n" << out;
      EXPECT_EQ(occurrences(out, "window show Game"), 1u) << "the game shows the saved frame\n" << out;
    }
  }
}

}  // namespace
}  // namespace quorlen
