// Dragging items onto areas and onto each other.
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

void GameWindow::PickedObject_MouseDown(int /*Index*/, int Button, int Shift, ui::Twips x, ui::Twips y) {
  BackImage_MouseDown(Button, Shift, x, y);
}

void GameWindow::Area_DragDrop(int /*Index*/, ui::Control& /*Source*/, ui::Twips /*x*/, ui::Twips /*y*/) {}

void GameWindow::PickedObject_DragDrop(int /*Index*/, ui::Control& /*Source*/, ui::Twips /*x*/, ui::Twips /*y*/) {}

}  // namespace quorlen
