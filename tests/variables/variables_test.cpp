// The variable store and the game variables.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/game_fixture.h"
#include "variables/variable_operations.h"
#include "variables/variables_collection.h"

namespace quorlen {
namespace {

std::vector<std::string> names(const VariablesCollection& store) {
  std::vector<std::string> out;
  for (const auto& m : store) out.push_back(m->Name());
  return out;
}

TEST(VariablesCollection, KeepsOrderAndSharesItsMembers) {
  VariablesCollection store;
  store.Add("A", 0);
  store.Add("B", -1);
  store.Add("C", 32767);
  ASSERT_TRUE(store.Remove(1).ok());
  EXPECT_EQ(names(store), (std::vector<std::string>{"B", "C"})) << "later members move down";
  EXPECT_EQ(store.Item(1).value()->Value(), -1) << "-1 is stored unchanged";
  store.Item(2).value()->setValue(5);
  EXPECT_EQ(store.Item(2).value()->Value(), 5) << "writing through Item changes the stored member";
  EXPECT_FALSE(store.Item(3).ok()) << "a position past Count fails";
  EXPECT_FALSE(store.Remove(0).ok()) << "position 0 fails";
  EXPECT_EQ(store.Count(), 2) << "a failed removal leaves the store unchanged";
  store.Empty();
  EXPECT_EQ(store.Count(), 0);
}

TEST(VariablesCollection, FindsByNameAfterRemovalsAndRenames) {
  VariablesCollection::Member kept;
  {
    VariablesCollection store;
    store.Add("Door", 1);
    store.Add("Lamp", 0);
    store.Add("Door", 2);
    ASSERT_TRUE(store.Remove(1).ok());
    EXPECT_EQ(GetVariableValue(store, "Door"), 2) << "the removed member is no longer found by its name";
    store.Item(1).value()->setName("Door");
    EXPECT_EQ(GetVariableValue(store, "Door"), 0) << "a renamed member is found under its new name, in position order";
    EXPECT_EQ(GetVariableValue(store, "Lamp"), -1) << "and no longer under its old one";
    ChangeVariableValue(store, "Door", 7);
    EXPECT_EQ(store.Item(2).value()->Value(), 7) << "both members of the name change";
    kept = store.Item(2).value();
    store.Empty();
    EXPECT_EQ(GetVariableValue(store, "Door"), -1) << "an emptied store finds nothing";
    store.Add("Door", 3);
    kept->setName("Lamp");
    EXPECT_EQ(GetVariableValue(store, "Lamp"), -1) << "a member taken out of the store no longer files itself in it";
  }
  kept->setName("Door");
  EXPECT_EQ(kept->Value(), 7) << "a member outlives its store while it is referenced";
}

// Thousands of names (the index grows and its entries collide and move
// back when taken out), duplicates, removals and renames: every name finds
// exactly the members a scan of the positions finds, in position order.
TEST(VariablesCollection, FindsWhatAScanFindsAmongThousandsOfNames) {
  VariablesCollection store;
  const auto nameOf = [](int i) { return "V" + std::to_string(i % 3000); };
  for (int i = 0; i < 4000; ++i) store.Add(nameOf(i), 0);
  for (int position = 3900; position >= 1; position -= 7) ASSERT_TRUE(store.Remove(position).ok());
  for (int position = 1; position <= store.Count(); position += 11) {
    store.Item(position).value()->setName(nameOf(position * 13));
  }
  std::map<std::string, std::vector<ClassVariable*>> scanned;
  for (const auto& m : store) scanned[m->Name()].push_back(m.get());
  for (int i = 0; i < 3000; ++i) {
    const auto filed = store.Named(nameOf(i));
    ASSERT_EQ(std::vector<ClassVariable*>(filed.begin(), filed.end()), scanned[nameOf(i)])
        << "members of " << nameOf(i);
  }
  store.Empty();
  EXPECT_TRUE(store.Named("V1").empty()) << "an emptied store finds nothing";
}

class GameVariablesTest : public ::testing::Test {
 protected:
  fakes::FakeGame game;
  VariablesCollection vars;
  const std::string kFailure =
      "Unable to load variables list. The game may not work properly. Press 'Esc' and then click 'Exit' to quit "
      "the game.";
};

TEST_F(GameVariablesTest, LoadsTheDeclaredNamesAtZeroAndReportsAFileThatFails) {
  game.put("/game/Config/Variables", "3\r\n\"A\"\r\n\"B\"\r\n\"C\"\r\n");
  vars.Add("Old", 1);
  LoadVariables(game.context, vars);
  EXPECT_EQ(names(vars), (std::vector<std::string>{"A", "B", "C"})) << "the store is emptied first";
  EXPECT_EQ(GetVariableValue(vars, "B"), 0);
  EXPECT_TRUE(game.messages().empty());
  game.put("/game/Config/Variables", "3\r\n\"A\"\r\n\"B\"\r\n");
  LoadVariables(game.context, vars);
  EXPECT_EQ(names(vars), (std::vector<std::string>{"A", "B"})) << "a short file keeps the names read";
  ASSERT_EQ(game.messages().size(), 1u) << "and says so";
  EXPECT_EQ(game.messages()[0].text, kFailure);
  EXPECT_EQ(game.messages()[0].title, "Error");
  EXPECT_EQ(game.messages()[0].icon, ui::MsgBoxIcon::Exclamation);
  game.machine.files.files.clear();
  LoadVariables(game.context, vars);
  EXPECT_EQ(vars.Count(), 0) << "a missing file leaves no variables";
  EXPECT_EQ(game.messages().size(), 2u) << "one message for a missing file";
  game.put("/game/Config/Variables", "0\r\n");
  LoadVariables(game.context, vars);
  EXPECT_EQ(game.messages().size(), 2u) << "a count of 0 is no failure";
}

TEST_F(GameVariablesTest, ChangesEveryNamesakeAndReadsTheFirst) {
  vars.Add("Door", 0);
  vars.Add("door", 0);
  vars.Add("Door", 0);
  ChangeVariableValue(vars, "Door", -1);
  EXPECT_EQ(vars.Item(1).value()->Value(), 1) << "-1 flips 0 to 1";
  EXPECT_EQ(vars.Item(3).value()->Value(), 1) << "every member of the name changes";
  EXPECT_EQ(vars.Item(2).value()->Value(), 0) << "names differing in letter case are other variables";
  ChangeVariableValue(vars, "Door", -1);
  EXPECT_EQ(GetVariableValue(vars, "Door"), 0) << "flipped back";
  vars.Item(3).value()->setValue(1);
  EXPECT_EQ(GetVariableValue(vars, "Door"), 0) << "the first match wins";
  EXPECT_EQ(GetVariableValue(vars, "Lamp"), -1) << "-1 for a name no variable has";
  ChangeVariableValue(vars, "Lamp", 1);
  EXPECT_EQ(vars.Count(), 3) << "an unknown name changes nothing";
}

}  // namespace
}  // namespace quorlen
