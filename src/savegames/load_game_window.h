#pragma once
// The load window: lists the saved games and restores one.

#include <string>

#include "common/result.h"
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
  // Reads the saved game into the freshly reset game, applying each field as
  // it comes; answers the frame to open, or the first failure.
  [[nodiscard]] Result<std::string> restoreGame(const std::string& path);
  // After a failed load that had switched the display: the display as it
  // was and the welcome window back, instead of an empty screen.
  void returnToWelcome();

  Program& program_;
  ui::Window window_;
  // A load is running: its frame may be waiting for a video, during which
  // a second LOAD must not reset the game under it.
  bool loading_ = false;
};

}  // namespace quorlen
