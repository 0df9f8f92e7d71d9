// The inventory: the items picked up, each an icon in a grid of 35-pixel
// slots from the display's top-left corner, filled in the order the items
// came in; removing an item closes the gap.
#include <limits>
#include <optional>
#include <string>

#include "areas/area_files.h"
#include "common/field_reader.h"
#include "engine/game_window.h"
#include "startup/program.h"

namespace quorlen {

namespace {

constexpr int kSlotPixels = 35;
// The area pick file of area n: n "c.dat" in the frame's folder.
constexpr const char* kPickFileEnding = "c.dat";

struct SlotPlace {
  ui::Twips left = 0;
  ui::Twips top = 0;
};

// The place of slot k (1 up) in a grid as many columns wide as 35-pixel
// slots fit into the display; none when not even one fits.
std::optional<SlotPlace> slotPlace(int slot, int displayWidthPixels) {
  const int columns = displayWidthPixels / kSlotPixels;
  if (columns <= 0 || slot < 1) return std::nullopt;
  const int column = (slot - 1) % columns;
  const int row = (slot - 1) / columns;
  return SlotPlace{column * kSlotPixels * ui::kTwipsPerPixel, row * kSlotPixels * ui::kTwipsPerPixel};
}

// The icon picture named by the item file, relative to the areas folder.
Result<std::string> readItemFile(platform::FileSystem& files, const std::string& path) {
  Result<FieldReader> reader = FieldReader::open(files, path);
  if (!reader) return reader.error();
  Result<FieldValue> icon = reader.value().readValue();
  if (!icon) return icon.error();
  return icon.value().asText();
}

constexpr const char* kRemoveFailure = "Unable to remove the item from the inventory.";

}  // namespace

void GameWindow::AddPickedObject(const std::string& ObjectName) {
  platform::Platform& p = program_.platform();
  const ProgramState& state = program_.state();
  auto fail = [&] {
    p.ui.messageBox("Unable to pick up '" + ObjectName + "'.", ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation,
                    "Error");
  };

  const Result<std::string> icon = readItemFile(p.files, state.paths.AreasPath + ObjectName + ".obj");
  if (!icon || ObjectsCount == std::numeric_limits<std::int16_t>::max()) return fail();
  const int slot = ObjectsCount + 1;
  if (window_.element("PickedObject", slot) != nullptr) return fail();

  // The slot is taken only once its place and its icon are known: a pick-up
  // that fails after the item file was read leaves no nameless, hidden slot
  // behind, which a saved game would write as an empty item name.
  const std::optional<SlotPlace> place = slotPlace(slot, state.project.GameWidth);
  Result<ui::Picture> picture = p.ui.loadPicture(state.paths.AreasPath + icon.value());
  if (!place || !picture) return fail();

  ObjectsCount = static_cast<std::int16_t>(slot);
  ui::Control& item = window_.loadElement("PickedObject", slot);
  item.setLeft(place->left);
  item.setTop(place->top);
  item.setPicture(picture.value());
  item.setDragIcon(picture.value());
  item.setToolTip(ObjectName);
  item.setTag(ObjectName);
  item.setVisible(true);
  item.bringToFront();
}

void GameWindow::RemovePickedObject(std::int16_t ObjectIndex) {
  // Only a held slot can be removed; element 0, the template, never goes.
  if (ObjectIndex < 1 || ObjectIndex > ObjectsCount) {
    program_.platform().ui.messageBox(kRemoveFailure, ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
    return;
  }
  for (int i = ObjectIndex; i <= ObjectsCount - 1; ++i) {
    ui::Control* to = window_.element("PickedObject", i);
    const ui::Control* from = window_.element("PickedObject", i + 1);
    if (to == nullptr || from == nullptr) break;
    to->setPicture(from->picture());
    to->setDragIcon(from->dragIcon());
    to->setTag(from->tag());
    to->setToolTip(from->toolTip());
  }
  if (window_.element("PickedObject", ObjectsCount) == nullptr) {
    program_.platform().ui.messageBox(kRemoveFailure, ui::MsgBoxButtons::Ok, ui::MsgBoxIcon::Exclamation, "Error");
    return;
  }
  window_.unloadElement("PickedObject", ObjectsCount);
  ObjectsCount = static_cast<std::int16_t>(ObjectsCount - 1);
}

void GameWindow::PickOrNotPickObject(std::int16_t AreaIndex) {
  const std::string path = areaFilePath(program_.state(), AreaIndex, kPickFileEnding);
  Result<FieldReader> reader = FieldReader::open(program_.platform().files, path);
  if (!reader) return;
  Result<std::int16_t> pick = reader.value().readInt16();
  if (!pick || pick.value() != 1) return;
  Result<std::string> item = reader.value().readText();
  if (!item) return;
  AddPickedObject(item.value());
}

}  // namespace quorlen
