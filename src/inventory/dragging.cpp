// Using the inventory: an icon is dragged with the left button and dropped
// on an area (the area's drop task runs) or on another icon (the two items
// combine when the areas folder holds a combination file for that pair, in
// that order of the names).
#include <string>

#include "common/field_reader.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {

// An inventory icon of this window (never the hidden template).
bool isInventoryIcon(const ui::Window& window, const ui::Control& control) {
  return &control.window() == &window && control.name() == "PickedObject" && control.indexOr0() >= 1;
}

// Counts a drop's area task as running for as long as it is in scope, so
// that the frame timer waits for it (closing the game window included).
class DropInProgress {
 public:
  explicit DropInProgress(int& count) : count_(count) { ++count_; }
  ~DropInProgress() { --count_; }
  DropInProgress(const DropInProgress&) = delete;
  DropInProgress& operator=(const DropInProgress&) = delete;

 private:
  int& count_;
};

// What a combination does, as far as its file could be read; the removals
// and the addition it asked for are done as each field is read.
Result<void> combine(GameWindow& game, FieldReader& reader, int dragged, int target) {
  Result<FieldValue> removeDragged = reader.readValue();
  if (!removeDragged) return removeDragged.error();
  const bool draggedGoes = removeDragged.value().isExactlyOne();
  if (draggedGoes) game.RemovePickedObject(static_cast<std::int16_t>(dragged));

  Result<FieldValue> removeTarget = reader.readValue();
  if (!removeTarget) return removeTarget.error();
  if (removeTarget.value().isExactlyOne()) {
    // Removing the dragged item moved a target that lay after it one slot down.
    const int slot = dragged < target && draggedGoes ? target - 1 : target;
    game.RemovePickedObject(static_cast<std::int16_t>(slot));
  }

  Result<FieldValue> addNew = reader.readValue();
  if (!addNew) return addNew.error();
  Result<FieldValue> newItem = reader.readValue();
  if (!newItem) return newItem.error();
  if (addNew.value().isExactlyOne()) game.AddPickedObject(newItem.value().asText());
  return {};
}

}  // namespace

void GameWindow::PickedObject_MouseDown(int Index, int Button, int /*Shift*/, ui::Twips /*x*/, ui::Twips /*y*/) {
  MovieStopRequest = true;
  if (PlayingMovieOrNot()) return;
  if (Button == static_cast<int>(ui::MouseButton::Right)) {
    toggleMenus();
    return;
  }
  HideMenus();
  if (Button != static_cast<int>(ui::MouseButton::Left)) return;
  ui::Control* item = window_.element("PickedObject", Index);
  if (item == nullptr) return;
  DraggedObject = static_cast<std::int16_t>(Index);
  item->beginDrag();
}

void GameWindow::Area_DragDrop(int Index, ui::Control& Source, ui::Twips /*x*/, ui::Twips /*y*/) {
  if (!isInventoryIcon(window_, Source)) return;
  std::int16_t result = 0;
  {
    const DropInProgress drop(tasksInProgress_);
    result = MakeAction(static_cast<std::int16_t>(Index), DraggedObject);
    if (result == 1) {
      window_.unload();
    } else if (result != 2) {
      ShowOrNotShowAreas();
    }
  }
  runHeldFrameMove(result);
}

void GameWindow::PickedObject_DragDrop(int Index, ui::Control& Source, ui::Twips /*x*/, ui::Twips /*y*/) {
  if (!isInventoryIcon(window_, Source)) return;
  if (Index == DraggedObject) return;
  const ui::Control* dragged = window_.element("PickedObject", DraggedObject);
  const ui::Control* target = window_.element("PickedObject", Index);
  platform::Platform& p = program_.platform();
  auto fail = [&p] {
    p.ui.messageBox("Unable to combine items.", ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
  };
  if (dragged == nullptr || target == nullptr) return fail();
  const std::string path = program_.state().paths.AreasPath + dragged->tag() + "_on_" + target->tag() + ".drg";
  if (!p.files.fileExists(path)) return;
  Result<FieldReader> reader = FieldReader::open(p.files, path);
  if (!reader) return fail();
  if (!combine(*this, reader.value(), DraggedObject, Index)) fail();
}

}  // namespace quorlen
