#pragma once
// The save window: saves the game under a name, replaces a saved game after
// a question, and removes saved games.

#include <string>

#include "common/result.h"
#include "platform/window.h"
#include "savegames/saved_game_file.h"

namespace quorlen {

class Program;

class SaveGameWindow {
 public:
  explicit SaveGameWindow(Program& program);

  [[nodiscard]] ui::Window& window() { return window_; }
  [[nodiscard]] const ui::Window& window() const { return window_; }

  void LoadSaveGames();
  void Form_Load();
  void List1_Click();
  void List1_DblClick();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

 private:
  void createControls();
  [[nodiscard]] ui::Control& Text1() const { return *window_.find("Text1"); }
  // Copies the selected entry's name into Text1; false when none is selected.
  bool copySelectionToName();
  // The state of the game window as a saved game holds it.
  [[nodiscard]] Result<SavedGameContent> currentGame() const;

  Program& program_;
  ui::Window window_;
};

}  // namespace quorlen
