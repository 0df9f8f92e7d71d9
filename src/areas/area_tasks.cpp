// The press handlers of the areas and the area task they run.
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

std::int16_t GameWindow::MakeAction(std::int16_t /*AreaIndex*/, std::int16_t /*ObjectIndex*/) { return 0; }

void GameWindow::Area_MouseDown(int /*Index*/, int Button, int Shift, ui::Twips x, ui::Twips y) {
  BackImage_MouseDown(Button, Shift, x, y);
}

}  // namespace quorlen
