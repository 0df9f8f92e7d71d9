#pragma once
// The list of saved games both windows show: the "*.sav" files of the game
// folder, without their extension.

#include <optional>
#include <string>

#include "platform/window.h"

namespace quorlen {

class Program;

// Points the window's hidden File1 at the game folder's "*.sav" files and
// fills List1 with their names less the last four characters; a name of
// four characters or fewer (".sav") is skipped. Loads the window first.
void fillSavedGameList(Program& program, ui::Window& window);

// The entry selected in the window's List1, if any.
[[nodiscard]] std::optional<std::string> selectedSavedGame(const ui::Window& window);

}  // namespace quorlen
