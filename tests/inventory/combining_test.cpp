// Pressing on inventory icons and combining two items: the combination
// files of tests/data/malformed/inventory and the cases the
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

struct CombinationCase {
  const char* file;     // of tests/data/malformed/inventory, or "" for `fields`
  const char* fields;   // Rope_on_Hook.drg itself
  bool reported;        // "Unable to combine items."
  Names after;          // the inventory afterwards
  const char* why;
};

TEST_F(CombiningTest, EachCombinationFileGivesItsInventoryAndMessage) {
  const std::vector<CombinationCase> cases = {
      {"combine_empty.drg", "", true, {"Rope", "Hook", "Lamp"}, "an empty file changes nothing"},
      {"combine_two_fields.drg", "", true, {"Lamp"}, "the removals before the failure stay done"},
      {"combine_three_fields.drg", "", true, {"Rope", "Hook", "Lamp"}, "the new item's name is missing"},
      {"", "0,0,0\r\n", true, {"Rope", "Hook", "Lamp"}, "field 4 is read even when nothing is added"},
      {"combine_word_flags.drg", "", false, {"Rope", "Hook", "Lamp"}, "Boolean words are not 1"},
      {"combine_quoted_flags.drg", "", false, {"Hook", "Lamp", "GrapplingHook"}, "quoted ones count"},
      {"combine_text_flag.drg", "", false, {"Rope", "Lamp"}, "a word is not 1; the target, not moved, goes"},
      {"combine_extra_fields.drg", "", false, {"Rope", "Hook", "Lamp", "GrapplingHook"},
       "fields after the fourth are not read"},
      {"", "1,0,0,\"\"\r\n", false, {"Hook", "Lamp"}, "the dragged item alone goes"},
  };
  for (const CombinationCase& c : cases) {
    SCOPED_TRACE(c.why);
    machine.ui.messages.clear();
    game.ResetAll();
    pickUp({"Rope", "Hook", "Lamp"});
    combination("Rope_on_Hook.drg", *c.file != '\0' ? malformed("inventory", c.file) : c.fields);
    drag(*item(1), *item(2));
    EXPECT_EQ(messageTexts(), c.reported ? Names{"Unable to combine items."} : Names{}) << "the message, or none";
    EXPECT_EQ(tags(), c.after) << "the inventory";
  }
}

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
