// The texts of a frame.
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

void GameWindow::ResetFrameTexts() {
  const int elements = window_.elementCount("Text");
  for (int i = 1; i < elements; ++i) {
    if (window_.element("Text", i) != nullptr) window_.unloadElement("Text", i);
  }
}

void GameWindow::LoadTexts() {}

void GameWindow::Text_MouseDown(int /*Index*/, int Button, int Shift, ui::Twips x, ui::Twips y) {
  BackImage_MouseDown(Button, Shift, x, y);
}

}  // namespace quorlen
