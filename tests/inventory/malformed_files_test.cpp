// The broken files of tests/data/malformed/inventory and /texts, each in its
// place in a game: exactly the message it should give, or silence.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "inventory/inventory_fixture.h"

namespace quorlen::testing {
namespace {

using Names = std::vector<std::string>;

const Names kNothing{};
const ui::Font kTemplateFont{"Arial", 24.0, true, false, false, false};

// --- item files ----------------------------------------------------------------

class MalformedItemFileTest : public GameWindowTest {
 protected:
  void pickUpWithItemFile(const std::string& file) {
    put("/game/Areas/Lamp.obj", malformed("inventory", file));
    putPicture("/game/Areas/Lamp.bmp");
    putPicture("/game/Areas/12");
    game.AddPickedObject("Lamp");
  }
};

TEST_F(MalformedItemFileTest, ItemFilesWithoutAUsableIconAddNoSlot) {
  for (const char* file :
       {"item_empty.obj", "item_only_blanks.obj", "item_missing_icon.obj", "item_unterminated_quote.obj"}) {
    machine.ui.messages.clear();
    pickUpWithItemFile(file);
    EXPECT_EQ(messageTexts(), Names{"Unable to pick up 'Lamp'."}) << file;
    EXPECT_EQ(game.ObjectsCount, 0) << file << ": no slot is left behind";
    EXPECT_EQ(item(1), nullptr) << file;
  }
}

TEST_F(MalformedItemFileTest, AnUnquotedOrNumberIconNameIsPickedUpAsItsText) {
  for (const auto& [file, icon] : {std::pair{"item_unquoted_icon.obj", "/game/Areas/Lamp.bmp"},
                                   std::pair{"item_number_icon.obj", "/game/Areas/12"}}) {
    game.ResetAll();
    pickUpWithItemFile(file);
    EXPECT_EQ(messageTexts(), kNothing) << file;
    ASSERT_EQ(game.ObjectsCount, 1) << file;
    EXPECT_EQ(item(1)->picture()->path, icon) << file << ": the field runs to the end of the file";
  }
}

// --- area pick files ---------------------------------------------------------------

TEST_F(GameWindowTest, BrokenPickFilesGiveNothingSilently) {
  const auto clickAreaWithPickFile = [this](const char* file) {
    put("/game/Areas/Hall/5c.dat", malformed("inventory", file));
    game.PickOrNotPickObject(5);
  };
  defineItem("Lamp");
  for (const char* file : {"pick_empty.dat", "pick_flag_true.dat", "pick_flag_two.dat", "pick_flag_text.dat",
                           "pick_flag_out_of_range.dat", "pick_no_item.dat"}) {
    clickAreaWithPickFile(file);
    EXPECT_EQ(messageTexts(), kNothing) << file;
    EXPECT_EQ(game.ObjectsCount, 0) << file;
  }
  clickAreaWithPickFile("pick_unknown_item.dat");
  EXPECT_EQ(messageTexts(), Names{"Unable to pick up 'Ghost'."}) << "an unknown item gives the pick-up's message";
  EXPECT_EQ(game.ObjectsCount, 0);
  machine.ui.messages.clear();
  clickAreaWithPickFile("pick_quoted_one.dat");
  EXPECT_EQ(tags(), Names{"Lamp"}) << "a quoted one is the number one";
  EXPECT_EQ(messageTexts(), kNothing);
}

// --- combination files (Rope dropped on Hook) ----------------------------------------

struct CombinationCase {
  const char* file;     // of tests/data/malformed/inventory, or "" for `fields`
  const char* fields;   // Rope_on_Hook.drg itself
  bool reported;        // "Unable to combine items."
  Names after;          // the inventory afterwards
  const char* why;
};

TEST_F(GameWindowTest, EachCombinationFileGivesItsInventoryAndMessage) {
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
    defineItem("GrapplingHook");
    put("/game/Areas/Rope_on_Hook.drg", *c.file != '\0' ? malformed("inventory", c.file) : c.fields);
    drag(*item(1), *item(2));
    EXPECT_EQ(messageTexts(), c.reported ? Names{"Unable to combine items."} : Names{}) << "the message, or none";
    EXPECT_EQ(tags(), c.after) << "the inventory";
  }
}

// --- text files ---------------------------------------------------------------------

class MalformedTextFileTest : public GameWindowTest {
 protected:
  const ui::Control& loadOnly(const std::string& file) {
    game.ResetFrameTexts();
    put("/game/Areas/Hall/t.lbl", malformed("texts", file));
    game.LoadTexts();
    EXPECT_EQ(messageTexts(), kNothing) << file << ": texts report nothing";
    EXPECT_EQ(game.window().elementCount("Text"), 2) << file << ": one text";
    EXPECT_TRUE(text(1)->visible()) << file << ": the text is shown";
    return *text(1);
  }
  [[nodiscard]] const ui::Control& templateText() const { return *text(0); }
};

TEST_F(MalformedTextFileTest, FromABrokenFieldOnTheTemplatesValuesStay) {
  const ui::Control* t = &loadOnly("text_empty.lbl");
  EXPECT_EQ(t->caption(), "Text") << "an empty file gives the template's text";
  EXPECT_EQ(t->font(), kTemplateFont);
  EXPECT_EQ(t->left(), templateText().left());

  t = &loadOnly("text_caption_only.lbl");
  EXPECT_EQ(t->caption(), "Hello");
  EXPECT_EQ(t->left(), templateText().left()) << "a caption alone keeps the template's place";
  EXPECT_EQ(t->top(), templateText().top());
  EXPECT_EQ(t->font(), kTemplateFont);

  t = &loadOnly("text_bad_left.lbl");
  EXPECT_EQ(t->caption(), "Hi");
  EXPECT_EQ(t->left(), templateText().left()) << "left is not a number";
  EXPECT_EQ(t->top(), templateText().top()) << "later fields keep the template's values";
  EXPECT_EQ(t->font(), kTemplateFont);
  EXPECT_EQ(t->foreColor(), templateText().foreColor());

  t = &loadOnly("text_bad_bold.lbl");
  EXPECT_EQ(t->top(), 30) << "the fields before a bad bold are set";
  EXPECT_EQ(t->font(), kTemplateFont) << "bold and the later fields keep the template's values";

  t = &loadOnly("text_bad_size.lbl");
  EXPECT_EQ(t->font(), (ui::Font{"Courier New", 24.0, false, true, false, false}))
      << "a size below zero: name and styles before the size are set, the rest are the template's";
  EXPECT_EQ(t->foreColor(), templateText().foreColor());

  t = &loadOnly("text_empty_font_name.lbl");
  EXPECT_EQ(t->font(), (ui::Font{"Arial", 24.0, true, true, false, false}))
      << "an empty font name: bold and italic are set; the name, size and later styles are the template's";
  EXPECT_EQ(t->foreColor(), templateText().foreColor());

  for (const char* file : {"text_bad_colour.lbl", "text_colour_out_of_range.lbl"}) {
    t = &loadOnly(file);
    EXPECT_EQ(t->font(), (ui::Font{"Courier New", 12.0, false, true, true, true})) << file;
    EXPECT_EQ(t->foreColor(), templateText().foreColor()) << file << ": a bad colour keeps the template's";
  }

  t = &loadOnly("text_unterminated_quote.lbl");
  EXPECT_EQ(t->caption(), "Hi,15,30\r\n") << "an open quote takes the rest of the file";
  EXPECT_EQ(t->left(), templateText().left());

  machine.files.unreadable.push_back("/game/Areas/Hall/t.lbl");
  t = &loadOnly("text_caption_only.lbl");
  EXPECT_EQ(t->caption(), "Text") << "a file that cannot be read gives the template's text";
  EXPECT_EQ(t->font(), kTemplateFont);
}

TEST_F(MalformedTextFileTest, OddFieldsThatStillRead) {
  const ui::Control* t = &loadOnly("text_extra_fields.lbl");
  EXPECT_EQ(t->caption(), "Hi");
  EXPECT_EQ(t->foreColor(), ui::rgb(255, 0, 0)) << "fields after the tenth are ignored";

  t = &loadOnly("text_number_caption.lbl");
  EXPECT_EQ(t->caption(), "42") << "a number is a caption too";
  EXPECT_EQ(t->top(), 30);

  t = &loadOnly("text_fractions.lbl");
  EXPECT_EQ(t->left(), 10) << "10.5 rounds to even";
  EXPECT_EQ(t->top(), 12) << "11.5 rounds to even";
  EXPECT_TRUE(t->font().bold) << "0.25 is not 0";
  EXPECT_EQ(t->font().size, 9.5) << "a font size keeps its fraction";
  EXPECT_EQ(t->foreColor(), 254) << "254.5 rounds to even";
}

}  // namespace
}  // namespace quorlen::testing
