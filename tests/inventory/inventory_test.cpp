// Picking up items, the slot grid, pressing on icons, and removing items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/inventory_fixture.h"

namespace quorlen::testing {
namespace {

using Names = std::vector<std::string>;

constexpr ui::Twips kSlot = 35 * ui::kTwipsPerPixel;

class InventoryTest : public GameWindowTest {};

// The grid of a 640-pixel display is in the inventory-grid scenario.
TEST_F(InventoryTest, ANarrowDisplayHasOneColumnOrNone) {
  program.state().project.GameWidth = 69;
  pickUp({"A", "B"});
  EXPECT_EQ(item(2)->left(), 0) << "69 pixels hold one column";
  EXPECT_EQ(item(2)->top(), kSlot);
  game.ResetAll();
  program.state().project.GameWidth = 34;
  pickUp({"Lamp"});
  EXPECT_EQ(messageTexts(), Names{"Unable to pick up 'Lamp'."}) << "no slot place is defined";
  EXPECT_EQ(game.ObjectsCount, 0) << "no slot is left behind";
  EXPECT_EQ(item(1), nullptr);
}

// --- picking up -----------------------------------------------------------

// The tag, tool tip, icon (relative to the areas folder) and place of a
// picked item, above the areas, are in the inventory-grid scenario "pick".
TEST_F(InventoryTest, APickedItemsIconIsShownAtItsOwnSizeAndDragged) {
  put("/game/Areas/Lamp.obj", "\"icons\\lamp.bmp\",\"ignored\"\r\n");
  putPicture("/game/Areas/icons\\lamp.bmp", 30, 20);
  game.AddPickedObject("Lamp");
  ASSERT_NE(item(1), nullptr);
  EXPECT_EQ(item(1)->width(), 30 * ui::kTwipsPerPixel) << "the icon is shown at its own size";
  EXPECT_EQ(item(1)->dragIcon(), item(1)->picture()) << "the icon is also the pointer while dragging";
  EXPECT_TRUE(machine.ui.messages.empty()) << "fields after the icon are not read";
}

// ResetAll emptying the inventory, slots numbered from 1 again: the
// saves-items scenario items-round-trip, whose second load follows a game
// with items.

// --- pressing and dropping (the inventory-combine scenarios show the rest) ---

TEST_F(InventoryTest, TheMiddleButtonStartsNoDragAndOnlyIconsCombine) {
  pickUp({"Rope", "Hook", "Lamp"});
  game.ShowMenus();
  game.DraggedObject = 3;
  put("/game/Areas/Rope_on_Hook.drg", "1,1,1,\"GrapplingHook\"\r\n");
  drag(*item(1), *item(2), ui::MouseButton::Middle);
  EXPECT_FALSE(game.mnuExit().visible()) << "any press but the right one hides the menu";
  EXPECT_EQ(game.DraggedObject, 3) << "only the left button drags";
  EXPECT_EQ(tags(), (Names{"Rope", "Hook", "Lamp"})) << "nothing was dropped";
  game.DraggedObject = 1;
  game.PickedObject_DragDrop(2, game.BackImage(), 0, 0);
  EXPECT_EQ(tags(), (Names{"Rope", "Hook", "Lamp"})) << "a dropped control that is no icon does nothing";
}

// --- removing (the inventory-drop scenario closes up a gap) ---------------

TEST_F(InventoryTest, RemovingASlotThatIsNotHeldChangesNothing) {
  game.RemovePickedObject(0);
  EXPECT_EQ(machine.ui.messages.at(0).title, "Error");
  EXPECT_NE(item(0), nullptr) << "the template is never destroyed";
  pickUp({"A", "B"});
  game.RemovePickedObject(3);
  game.RemovePickedObject(0);
  EXPECT_EQ(messageTexts(), (Names{"Unable to remove the item from the inventory.",
                                   "Unable to remove the item from the inventory.",
                                   "Unable to remove the item from the inventory."}))
      << "nothing held, a slot past the last, and the template";
  EXPECT_EQ(tags(), (Names{"A", "B"})) << "no other slot goes instead";
  EXPECT_EQ(item(0)->tag(), "") << "the template takes no item over";
  game.RemovePickedObject(1);
  ASSERT_EQ(tags(), Names{"B"});
  EXPECT_EQ(item(1)->dragIcon(), item(1)->picture()) << "the drag icon moves with the item";
}

}  // namespace
}  // namespace quorlen::testing
