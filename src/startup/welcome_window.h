#pragma once
// The welcome window: the first and last window of the program. Its load
// does the start-up work (paths, project information, layout of the
// information lines, the display-switch option and its stored choice); its
// unload stores the choice and ends the program.

#include <string>

#include "platform/window.h"

namespace quorlen {

class Program;

class WelcomeWindow {
 public:
  explicit WelcomeWindow(Program& program);

  [[nodiscard]] ui::Window& window() { return window_; }
  [[nodiscard]] const ui::Window& window() const { return window_; }
  [[nodiscard]] ui::Control& control(const std::string& name) const;

  // Handlers.
  void Form_Load();
  void Form_Unload(int& cancel);
  void Form_Activate();
  void Form_Paint();
  void Image3_Click();
  void Image4_Click();
  void Image5_Click();
  void Image6_Click();
  void Image7_Click();
  void Image8_Click();
  void lblResolution_Click();

 private:
  void createControls();
  void centre();
  void layOutInformationLines();
  void restoreChoice();

  Program& program_;
  ui::Window window_;
};

}  // namespace quorlen
