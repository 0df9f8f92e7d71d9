// Picking up items, the slot grid, and removing items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/inventory_fixture.h"

namespace quorlen::testing {
namespace {

using Names = std::vector<std::string>;

constexpr ui::Twips kSlot = 35 * ui::kTwipsPerPixel;

class InventoryTest : public GameWindowTest {};

// --- the slot grid ------------------------------------------------------

TEST_F(InventoryTest, ANarrowDisplayHasOneColumn) {
  program.state().project.GameWidth = 69;
  pickUp({"A", "B"});
  EXPECT_EQ(item(2)->left(), 0) << "69 pixels hold one column";
  EXPECT_EQ(item(2)->top(), kSlot);
}

TEST_F(InventoryTest, ADisplayNarrowerThanASlotCannotTakeAnItem) {
  program.state().project.GameWidth = 34;
  pickUp({"Lamp"});
  EXPECT_EQ(messageTexts(), Names{"Unable to pick up 'Lamp'."}) << "no slot place is defined";
  EXPECT_EQ(game.ObjectsCount, 0) << "no slot is left behind";
  EXPECT_EQ(item(1), nullptr);
}

// --- picking up -----------------------------------------------------------

TEST_F(InventoryTest, APickedItemShowsItsIconWithItsNameInFront) {
  put("/game/Areas/Lamp.obj", "\"icons\\lamp.bmp\",\"ignored\"\r\n");
  putPicture("/game/Areas/icons\\lamp.bmp", 30, 20);
  game.AddPickedObject("Lamp");
  ASSERT_NE(item(1), nullptr);
  const ui::Control& lamp = *item(1);
  EXPECT_TRUE(lamp.visible());
  ASSERT_TRUE(lamp.picture().has_value());
  EXPECT_EQ(lamp.picture()->path, "/game/Areas/icons\\lamp.bmp") << "the icon is relative to the areas folder";
  EXPECT_EQ(lamp.width(), 30 * ui::kTwipsPerPixel) << "the icon is shown at its own size";
  EXPECT_EQ(lamp.dragIcon(), lamp.picture()) << "the icon is also the pointer while dragging";
  EXPECT_EQ(lamp.tag(), "Lamp") << "the tag names the item's files";
  EXPECT_EQ(lamp.toolTip(), "Lamp");
  const ui::Control* front = nullptr;
  for (const ui::Control* c : game.PictureBox().children()) {
    if (!ui::hasNativeWindow(c->kind())) front = c;
  }
  EXPECT_EQ(front, &lamp) << "the new icon lies above the background, the areas and the texts";
  EXPECT_TRUE(machine.ui.messages.empty());
}

TEST_F(InventoryTest, AMissingIconLeavesNoNamelessSlotBehind) {
  // The item file reads well, but the icon picture it names is not there.
  put("/game/Areas/Broken.obj", "\"broken.bmp\"\r\n");
  game.AddPickedObject("Broken");
  EXPECT_EQ(messageTexts(), Names{"Unable to pick up 'Broken'."});
  EXPECT_EQ(machine.ui.messages[0].title, "Error");
  EXPECT_EQ(machine.ui.messages[0].icon, ui::MsgBoxIcon::Exclamation);
  EXPECT_EQ(game.ObjectsCount, 0) << "the failed pick-up takes no slot (a saved game would write it nameless)";
  EXPECT_EQ(item(1), nullptr) << "no hidden element is left behind";
  pickUp({"Lamp"});
  ASSERT_EQ(tags(), Names{"Lamp"}) << "the next item takes the first slot";
  EXPECT_EQ(item(1)->left(), 0) << "at the first place of the grid";
  EXPECT_EQ(item(1)->top(), 0);
}

TEST_F(InventoryTest, ResetAllEmptiesTheInventory) {
  pickUp({"A", "B", "C"});
  game.ResetAll();
  EXPECT_EQ(game.ObjectsCount, 0);
  EXPECT_EQ(game.window().elementCount("PickedObject"), 1) << "only the template stays";
  pickUp({"D"});
  EXPECT_EQ(tags(), Names{"D"}) << "slots are numbered from 1 again";
}

// --- removing -------------------------------------------------------------

TEST_F(InventoryTest, RemovingASlotClosesUpTheGap) {
  pickUp({"A", "B", "C", "D"});
  game.RemovePickedObject(2);
  EXPECT_EQ(tags(), (Names{"A", "C", "D"}));
  EXPECT_EQ(game.ObjectsCount, 3);
  EXPECT_EQ(item(4), nullptr) << "the last element is destroyed";
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_EQ(item(slot)->left(), (slot - 1) * kSlot) << "slot " << slot << " keeps its own place";
    EXPECT_EQ(item(slot)->toolTip(), item(slot)->tag()) << "the tool tip moves with the item";
    EXPECT_EQ(item(slot)->picture()->path, "/game/Areas/" + item(slot)->tag() + ".bmp")
        << "the icon moves with the item";
    EXPECT_EQ(item(slot)->dragIcon(), item(slot)->picture()) << "the drag icon moves with the item";
  }
  EXPECT_TRUE(machine.ui.messages.empty());
}

TEST_F(InventoryTest, RemovingWithNothingHeldIsReported) {
  game.RemovePickedObject(0);
  EXPECT_EQ(messageTexts(), Names{"Unable to remove the item from the inventory."});
  EXPECT_EQ(machine.ui.messages[0].title, "Error");
  EXPECT_EQ(game.ObjectsCount, 0);
  EXPECT_NE(item(0), nullptr) << "the template is never destroyed";
}

TEST_F(InventoryTest, RemovingASlotThatIsNotHeldChangesNothing) {
  pickUp({"A", "B"});
  game.RemovePickedObject(3);
  game.RemovePickedObject(0);
  EXPECT_EQ(messageTexts(), (Names{"Unable to remove the item from the inventory.",
                                   "Unable to remove the item from the inventory."}));
  EXPECT_EQ(tags(), (Names{"A", "B"})) << "no other slot goes instead";
  EXPECT_EQ(item(0)->tag(), "") << "the template takes no item over";
}

}  // namespace
}  // namespace quorlen::testing
