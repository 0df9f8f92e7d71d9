#pragma once
// The list of saved games both windows show: the "*.sav" files of the game
// folder, without their extension.

#include "platform/window.h"

namespace quorlen {

class Program;

// Creates the two windows' shared controls: List1 and the hidden File1.
void fillSavedGameList(Program& program, ui::Window& window);

}  // namespace quorlen
