// Pressing on inventory icons and combining two items: the cases the
// inventory-combine scenario does not show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/inventory_fixture.h"

namespace quorlen::testing {
namespace {

using Names = std::vector<std::string>;

class CombiningTest : public GameWindowTest {
 protected:
  CombiningTest() {
    pickUp({"Rope", "Hook", "Lamp"});
    defineItem("GrapplingHook");
  }
  void combination(const std::string& name, const std::string& fields) { put("/game/Areas/" + name, fields); }
};

// --- combining ------------------------------------------------------------

TEST_F(CombiningTest, RemovingTheDraggedItemAloneKeepsTheTarget) {
  combination("Lamp_on_Rope.drg", "1,0,0,\"\"\r\n");
  drag(*item(3), *item(1));
  EXPECT_EQ(tags(), (Names{"Rope", "Hook"}));
}

TEST_F(CombiningTest, TheNewItemNameIsReadEvenWhenNothingIsAdded) {
  combination("Rope_on_Hook.drg", "0,0,0\r\n");
  drag(*item(1), *item(2));
  EXPECT_EQ(messageTexts(), Names{"Unable to combine items."}) << "field 4 is read in every case";
}

// --- pressing and dropping ------------------------------------------------------

TEST_F(CombiningTest, TheMiddleButtonHidesTheMenuAndStartsNoDrag) {
  game.ShowMenus();
  game.DraggedObject = 3;
  combination("Rope_on_Hook.drg", "1,1,1,\"GrapplingHook\"\r\n");
  ui::WindowManager& manager = machine.ui.windows();
  manager.post(ui::PointerDown{game.window().handle(), item(1)->handle(), 0, 0, ui::MouseButton::Middle});
  manager.post(ui::PointerUp{game.window().handle(), 0, 0, ui::MouseButton::Middle, item(2)->handle()});
  manager.dispatchPending();
  EXPECT_FALSE(game.mnuExit().visible()) << "any press but the right one hides the menu";
  EXPECT_EQ(game.DraggedObject, 3) << "only the left button drags";
  EXPECT_EQ(tags(), (Names{"Rope", "Hook", "Lamp"})) << "nothing was dropped";
}

TEST_F(CombiningTest, OnlyInventoryIconsCombine) {
  combination("Rope_on_Hook.drg", "1,1,1,\"GrapplingHook\"\r\n");
  game.DraggedObject = 1;
  game.PickedObject_DragDrop(2, game.BackImage(), 0, 0);
  EXPECT_EQ(tags(), (Names{"Rope", "Hook", "Lamp"})) << "a dropped control that is no icon does nothing";
}

}  // namespace
}  // namespace quorlen::testing
