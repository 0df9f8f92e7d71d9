// The two saved-game windows as the player first sees them: captions,
// labels, buttons with their Enter and Esc roles, the hidden file list, and
// the place in the middle of the screen.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "backends/headless/headless_platform.h"
#include "savegames/load_game_window.h"
#include "savegames/save_game_window.h"
#include "startup/program.h"
#include "support/temp_folder.h"

namespace quorlen {
namespace {

class SavedGameWindows : public ::testing::Test {
 protected:
  SavedGameWindows() {
    game_.put("Config/General",
              "\"tale\"\r\n\"\"\r\n\"Tale\"\r\n3\r\n\"Hall\"\r\n\"\"\r\n640\r\n480\r\n\"\"\r\n\"\"\r\n\"\"\r\n0\r\n");
    game_.put("Config/Variables", "0\r\n");
    game_.put("Hall.sav", "\"Hall\"\r\n0\r\n0\r\n0\r\n");
    options_.gameFolder = game_.path().string();
    options_.displayWidth = 800;
    options_.displayHeight = 600;
  }

  static void expectCentred(const ui::Window& w) {
    EXPECT_EQ(w.left(), (800 * ui::kTwipsPerPixel - w.width()) / 2)
        << w.name() << ": left = (screen width - window width) / 2, in twips";
    EXPECT_EQ(w.top(), (600 * ui::kTwipsPerPixel - w.height()) / 2)
        << w.name() << ": top = (screen height - window height) / 2, in twips";
  }
  static void expectButton(const ui::Window& w, const char* name, const char* caption, bool isDefault,
                           bool isCancel) {
    const ui::Control* button = w.find(name);
    ASSERT_NE(button, nullptr) << w.name() << " has " << name;
    EXPECT_EQ(button->caption(), caption) << w.name() << "." << name << " reads as the player knows it";
    EXPECT_EQ(button->isDefault(), isDefault) << w.name() << "." << name << ": Enter presses the default button";
    EXPECT_EQ(button->isCancel(), isCancel) << w.name() << "." << name << ": Esc presses the cancel button";
  }

  testing::TempFolder game_{"quorlen-save-windows"};
  headless::MachineOptions options_;
  std::istringstream script_;
  std::ostringstream transcript_;
};

TEST_F(SavedGameWindows, BothWindowsAreCentredWithTheirControls) {
  headless::HeadlessPlatform machine(options_, script_, transcript_);
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
    EXPECT_EQ(w->find("List1")->items(), std::vector<std::string>{"Hall"}) << "the saved games, without .sav";
  }
}

}  // namespace
}  // namespace quorlen
