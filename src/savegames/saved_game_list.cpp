#include "savegames/saved_game_list.h"

#include "startup/program.h"

namespace quorlen {

namespace {
constexpr std::size_t kExtensionLength = 4;  // ".sav"
}

void fillSavedGameList(Program& program, ui::Window& window) {
  window.load();
  ui::Control& files = *window.find("File1");
  ui::Control& list = *window.find("List1");
  files.setPath(program.state().paths.GameFolder);
  files.setPattern("*.sav");
  files.setItems(program.platform().files.listFiles(files.path(), files.pattern()));
  list.clearItems();
  for (const std::string& name : files.items()) {
    if (name.size() <= kExtensionLength) continue;
    list.addItem(name.substr(0, name.size() - kExtensionLength));
  }
}

std::optional<std::string> selectedSavedGame(const ui::Window& window) {
  const ui::Control* list = window.find("List1");
  if (list == nullptr) return std::nullopt;
  const int index = list->listIndex();
  if (index < 0 || index >= static_cast<int>(list->items().size())) return std::nullopt;
  return list->items()[static_cast<std::size_t>(index)];
}

}  // namespace quorlen
