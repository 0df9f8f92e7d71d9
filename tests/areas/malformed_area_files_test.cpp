// The broken area and task files of tests/data/malformed/areas: each gives
// exactly its one message, or none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "areas/areas_fixture.h"

namespace quorlen::testing {
namespace {

using Texts = std::vector<std::string>;

struct AreaCase {
  const char* file;
  Texts loadMessages;     // from loading the areas
  Texts passMessages;     // from the visibility pass that follows
  bool visible;           // the area's flag after the pass
  std::int16_t lamp = 0;  // the variable Lamp while the files are read
};

void PrintTo(const AreaCase& c, std::ostream* os) { *os << c.file; }

class MalformedAreaFile : public AreasTest, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(MalformedAreaFile, GivesExactlyItsMessages) {
  const AreaCase& c = GetParam();
  game.ChangeVariableValue("Lamp", c.lamp);
  putArea(1, malformed(c.file));
  setAreasCount(1);
  game.LoadAreas();
  EXPECT_EQ(messageTexts(), c.loadMessages) << "loading the areas";
  for (const fakes::ShownMessage& m : machine.ui.messages) {
    EXPECT_EQ(m.title, "Error") << "a load failure is titled Error";
    EXPECT_EQ(m.icon, ui::MsgBoxIcon::Exclamation);
  }
  machine.ui.messages.clear();
  ASSERT_NE(area(1), nullptr) << "the control exists once its file has opened";
  game.ShowOrNotShowAreas();
  EXPECT_EQ(messageTexts(), c.passMessages) << "the visibility pass";
  for (const fakes::ShownMessage& m : machine.ui.messages) {
    EXPECT_EQ(m.title, "The Tale") << "a pass failure is titled with the game's title";
  }
  EXPECT_EQ(area(1)->visible(), c.visible) << "a failing pass leaves the flag as it was (hidden)";
}

INSTANTIATE_TEST_SUITE_P(
    AreaFiles, MalformedAreaFile,
    ::testing::Values(AreaCase{"area_empty.dat", {kLoadMessage1}, {kPassMessage}, false},
                      AreaCase{"area_ends_after_height.dat", {kLoadMessage1}, {kPassMessage}, false},
                      AreaCase{"area_left_not_a_number.dat", {kLoadMessage1}, {}, true},
                      AreaCase{"area_width_out_of_range.dat", {}, {}, true},
                      AreaCase{"area_width_a_word.dat", {kLoadMessage1}, {}, true},
                      AreaCase{"area_unterminated_quote.dat", {kLoadMessage1}, {kPassMessage}, false},
                      AreaCase{"area_picture_missing.dat", {kLoadMessage1}, {}, true},
                      AreaCase{"area_nine_fields.dat", {}, {kPassMessage}, false},
                      AreaCase{"area_conditional_word.dat", {}, {kPassMessage}, false},
                      AreaCase{"area_count_a_word.dat", {}, {kPassMessage}, false},
                      AreaCase{"area_count_b_missing.dat", {}, {kPassMessage}, false},
                      AreaCase{"area_list_b_short.dat", {}, {kPassMessage}, false},
                      AreaCase{"area_hidden_before_the_break.dat", {}, {}, false, 1},
                      AreaCase{"area_negative_count.dat", {}, {}, true}));

// What a failing area file set before its failure stays (the rectangle of a
// short file, the template's sizes after a bad left, the stretch flag before
// a missing picture): the areas-malformed scenario's frames Short, Letters
// and NoPicture.
TEST_F(AreasTest, QuotedFractionalAndWideRectangleFieldsAreNumbers) {
  putArea(1, "\"1500\",10.5,60,61,#FALSE#,#FALSE#,\"\",0,\"\",0\r\n");
  putArea(2, malformed("area_width_out_of_range.dat"));
  setAreasCount(2);
  game.LoadAreas();
  EXPECT_TRUE(messageTexts().empty()) << "every field is a number";
  ASSERT_NE(area(1), nullptr);
  EXPECT_EQ(area(1)->left(), 1530) << "a quoted number is that number";
  EXPECT_EQ(area(1)->top(), 40) << "10.5 rounds to 10 (ties to even)";
  EXPECT_EQ(area(1)->width(), 1) << "a stored width of 60 gives the 1-twip minimum";
  EXPECT_EQ(area(1)->height(), 1) << "61 - 60 is 1";
  ASSERT_NE(area(2), nullptr);
  EXPECT_EQ(area(2)->width(), 40000 - 60) << "a rectangle in twips beyond 16 bits is still a number";
  EXPECT_EQ(area(2)->height(), 900 - 60);
}

struct TaskCase {
  const char* file;
  Texts messages;
  std::int16_t result;
  std::int16_t lamp;  // Lamp after the task (it starts at 0)
};

void PrintTo(const TaskCase& c, std::ostream* os) { *os << c.file; }

class MalformedTaskFile : public AreasTest, public ::testing::WithParamInterface<TaskCase> {};

TEST_P(MalformedTaskFile, GivesExactlyItsMessages) {
  const TaskCase& c = GetParam();
  putTask(1, malformed(c.file));
  EXPECT_EQ(game.MakeAction(1, 0), c.result) << "the task's result";
  EXPECT_EQ(messageTexts(), c.messages);
  for (const fakes::ShownMessage& m : machine.ui.messages) {
    if (m.text != kTaskMessage) continue;
    EXPECT_EQ(m.title, "Error") << "a task failure is titled Error";
    EXPECT_EQ(m.icon, ui::MsgBoxIcon::Exclamation);
  }
  EXPECT_EQ(game.GetVariableValue("Lamp"), c.lamp) << "a change made before the failure stays";
  EXPECT_EQ(program.state().frame.FrameName, "Hall") << "no broken task opens a frame";
}

INSTANTIATE_TEST_SUITE_P(
    TaskFiles, MalformedTaskFile,
    ::testing::Values(TaskCase{"task_empty.dat", {kTaskMessage}, 0, 0},
                      TaskCase{"task_ends_after_field_11.dat", {kTaskMessage}, 0, 1},
                      TaskCase{"task_ends_after_field_12.dat", {kTaskMessage}, 0, 1},
                      TaskCase{"task_field1_not_a_number.dat", {kTaskMessage}, 0, 0},
                      TaskCase{"task_field1_out_of_range.dat", {kTaskMessage}, 0, 0},
                      TaskCase{"task_field12_not_a_number.dat", {"Shown", kTaskMessage}, 0, 1},
                      TaskCase{"task_message_missing_its_quote.dat", {"Hello,#FALSE#,", kTaskMessage}, 0, 0},
                      TaskCase{"task_optional_fields_broken.dat", {}, 0, 1},
                      TaskCase{"task_ends_after_field_14.dat", {}, 0, 1},
                      TaskCase{"task_ends_game_after_field_11.dat", {}, 1, 1}));

// A missing click task file is reported (areas-malformed: area 1 of the
// frame Tasks); a missing drop task file is silent (areas-drops).
TEST_F(AreasTest, AShortDropTaskIsReported) {
  game.window().loadElement("PickedObject", 1).setTag("Key");
  put("/game/Areas/Hall/1_Key.drg", malformed("drop_ends_after_field_5.drg"));
  EXPECT_EQ(game.MakeAction(1, 1), 0);
  EXPECT_EQ(messageTexts(), Texts{kTaskMessage}) << "a drop task file that opened and ends early is reported";
  EXPECT_EQ(game.GetVariableValue("Lamp"), 1) << "its variable change stays";
}

}  // namespace
}  // namespace quorlen::testing
