#pragma once
// The save window: saves the game under a name, replaces a saved game after
// a question, and removes saved games.

#include <string>

#include "platform/window.h"

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

  Program& program_;
  ui::Window window_;
};

}  // namespace quorlen
