#pragma once
// The load window: lists the saved games and restores one.

#include <string>

#include "platform/window.h"

namespace quorlen {

class Program;

class LoadGameWindow {
 public:
  explicit LoadGameWindow(Program& program);

  [[nodiscard]] ui::Window& window() { return window_; }
  [[nodiscard]] const ui::Window& window() const { return window_; }

  void LoadSaveGames();
  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void List1_DblClick();

 private:
  void createControls();

  Program& program_;
  ui::Window window_;
};

}  // namespace quorlen
