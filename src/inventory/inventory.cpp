// The inventory: items picked up, shown in the slot grid, and removed.
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

void GameWindow::AddPickedObject(const std::string& /*ObjectName*/) {}

void GameWindow::RemovePickedObject(std::int16_t /*ObjectIndex*/) {}

void GameWindow::PickOrNotPickObject(std::int16_t /*AreaIndex*/) {}

}  // namespace quorlen
