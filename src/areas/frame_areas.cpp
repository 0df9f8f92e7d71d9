// The areas of a frame: loading them from their area files and removing
// them when the frame changes.
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

void GameWindow::ResetFrameAreas() {
  const int elements = window_.elementCount("Area");
  for (int i = 1; i < elements; ++i) {
    if (window_.element("Area", i) != nullptr) window_.unloadElement("Area", i);
  }
}

void GameWindow::LoadAreas() {}

void GameWindow::ShowOrNotShowAreas() {}

}  // namespace quorlen
