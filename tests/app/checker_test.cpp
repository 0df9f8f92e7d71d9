// quorlen-check: small games with one fault each, the search for the ways
// through a game, and the scripts it prints replayed by quorlen-run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/checker/checker_main.h"
#include "app/checker/checks.h"
#include "app/checker/state_store.h"
#include "app/runner/runner.h"
#include "support/temp_folder.h"

namespace quorlen::checker {
namespace {
namespace fs = std::filesystem;

const fs::path kGrapple = fs::path(QUORLEN_TEST_DATA) / "checker" / "grapple";
const fs::path kDemo = fs::path(QUORLEN_TEST_DATA) / ".." / ".." / "games" / "demo";

// A copy of the small game "grapple" (take a rope and a hook, combine them,
// lower the grapple into the well) with one change.
class GameCopy {
 public:
  explicit GameCopy(const std::function<void(const testing::TempFolder&)>& change) {
    fs::copy(kGrapple, folder_.path(), fs::copy_options::recursive);
    change(folder_);
  }
  [[nodiscard]] std::string path() const { return folder_.path().string(); }

 private:
  testing::TempFolder folder_{"quorlen-checker"};
};

// The transcript of quorlen-run playing `script` on the game.
std::string replay(const std::string& game, const std::vector<std::string>& script) {
  std::string text;
  for (const std::string& line : script) text += line + "\n";
  std::istringstream in(text);
  std::ostringstream out;
  headless::MachineOptions options;
  options.gameFolder = game;
  EXPECT_EQ(runGame(options, in, out), kRunnerDone) << "the printed script is one the runner understands";
  return out.str();
}

const Finding* find(const CheckReport& report, const std::string& check, const std::string& file) {
  for (const Finding& f : report.findings) {
    if (f.check == check && f.file == file) return &f;
  }
  return nullptr;
}

std::string listed(const CheckReport& report) {
  std::string out;
  for (const Finding& f : report.findings) out += f.check + " " + f.file + " " + f.field + ": " + f.text + "\n";
  return out;
}

struct Fault {
  const char* what;
  std::function<void(const testing::TempFolder&)> change;
  const char* check;
  const char* file;
  const char* field;
  const char* text;           // part of the finding's text
  const char* playerMessage;  // the start of the player's message, "" for none
  Finding::Level level;
};

TEST(Checker, EachFaultIsReportedWithItsFileFieldAndThePlayersMessage) {
  const std::vector<Fault> faults = {
      {"project information file ends early",
       [&](const auto& g) { g.put("Config/General", "\"G\",\"\",\"G\",1,\"Hall\",\"1.0\",640\r\n"); },
       "unreadable", "Config/General", "field 8 (game height)", "no field left",
       "Unable to load project information.", Finding::Level::Error},
      {"variables file shorter than its count",
       [&](const auto& g) { g.put("Config/Variables", "3\r\n\"Lit\"\r\n"); }, "unreadable", "Config/Variables",
       "field 3 (variable name)", "no field left", "Unable to load variables list.", Finding::Level::Error},
      {"click task file ends before its frame name",
       [&](const auto& g) { g.put("Areas/Hall/3b.dat", "1,\"Lit\",0,#TRUE#,0,1,\"Deep.\",0,\"\",0,0,1\r\n"); },
       "unreadable", "Areas/Hall/3b.dat", "field 13 (frame name)", "no field left", "Unable to complete area task.",
       Finding::Level::Error},
      {"combination file of two fields",
       [&](const auto& g) { g.put("Areas/Rope_on_Hook.drg", "1,1\r\n"); }, "unreadable",
       "Areas/Rope_on_Hook.drg", "field 3 (add new)", "no field left", "Unable to combine items.",
       Finding::Level::Error},
      {"text file without its colour",
       [&](const auto& g) { g.put("Areas/Hall/text1.lbl", "\"Hall\",150,150,#TRUE#,#FALSE#,\"Arial\",12,0,0\r\n"); },
       "short-text", "Areas/Hall/text1.lbl", "field 10 (colour)", "no field left", "", Finding::Level::Warning},
      {"next frame without a frame file",
       [&](const auto& g) { g.put("Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#TRUE#,5,\"Cellar\",\"\",#TRUE#\r\n"); },
       "missing-file", "Frames/Hall.fme", "field 8 (next frame)", "'Cellar' has no frame file", "", Finding::Level::Error},
      {"frame file field not a number",
       [&](const auto& g) { g.put("Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#TRUE#,abc,\"Hall\",\"\",#TRUE#\r\n"); },
       "unreadable", "Frames/Hall.fme", "field 7 (duration)", "\"abc\" is not a number",
       "Sorry, unable to open 'Hall'. The game may not work properly.", Finding::Level::Error},
      {"short area file", [&](const auto& g) { g.put("Areas/Hall/2a.dat", "1500,1500,1200\r\n"); },
       "unreadable", "Areas/Hall/2a.dat", "field 4 (height)", "no field left",
       "Unable to load all the 3 frame area(s).", Finding::Level::Error},
      {"click task file missing", [&](const auto& g) { fs::remove(g.at("Areas/Hall/2b.dat")); }, "missing-file",
       "Areas/Hall/2b.dat", "", "click task file is missing", "Unable to complete area task.", Finding::Level::Error},
      {"sound file missing",
       [&](const auto& g) {
         g.put("Areas/Hall/3b.dat", "1,\"Lit\",0,#TRUE#,0,1,\"Deep.\",1,\"splash.wav\",0,0,0,\"\"\r\n");
       },
       "missing-file", "Areas/Hall/3b.dat", "field 9 (sound file)", "'Areas/splash.wav' does not exist", "",
       Finding::Level::Error},
      {"icon named in other letters", [&](const auto& g) { g.put("Areas/Hook.obj", "\"ICON.BMP\"\r\n"); },
       "letter-case", "Areas/Hook.obj", "field 1 (icon)", "only under another letter case: 'Areas/icon.bmp'", "",
       Finding::Level::Warning},
      {"icon named through a backslash",
       [&](const auto& g) {
         fs::create_directories(g.at("Areas/pics"));
         fs::copy(g.at("Areas/icon.bmp"), g.at("Areas/pics/hook.bmp"));
         g.put("Areas/Hook.obj", "\"pics\\hook.bmp\"\r\n");
       },
       "backslash", "Areas/Hook.obj", "field 1 (icon)", "only by reading '\\' as a folder separator", "",
       Finding::Level::Warning},
      {"duration of 40 seconds",
       [&](const auto& g) { g.put("Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#TRUE#,40,\"Hall\",\"\",#TRUE#\r\n"); },
       "duration", "Frames/Hall.fme", "field 7 (duration)", "a duration of 40 seconds",
       "Unable to load frame duration.", Finding::Level::Warning},
      {"undeclared variable",
       [&](const auto& g) { g.put("Areas/Hall/3b.dat", "1,\"Lamp\",0,#TRUE#,0,1,\"Deep.\",0,\"\",0,0,0,\"\"\r\n"); },
       "undeclared-variable", "Areas/Hall/3b.dat", "field 2 (variable name)", "'Lamp' is not declared", "",
       Finding::Level::Warning},
      {"declared variable never used",
       [&](const auto& g) { g.put("Config/Variables", "2\r\n\"Lit\"\r\n\"Spare\"\r\n"); }, "unused-variable",
       "Config/Variables", "", "'Spare' is declared but", "", Finding::Level::Warning},
      {"picture that is no picture", [&](const auto& g) { g.put("Areas/icon.bmp", "hello"); }, "media",
       "Areas/Hook.obj", "field 1 (icon)", "cannot be shown", "Unable to pick up 'Hook'.", Finding::Level::Warning},
      {"frame nothing leads to",
       [&](const auto& g) { fs::copy(g.at("Frames/Hall.fme"), g.at("Frames/Attic.fme")); }, "unreachable-frame",
       "Frames/Attic.fme", "", "cannot be reached from the start frame 'Hall'", "", Finding::Level::Warning},
      {"area that needs a variable nothing sets",
       [&](const auto& g) {
         g.put("Areas/Hall/3a.dat", "4500,1500,1200,1200,#FALSE#,#FALSE#,\"\",0,\"\",1,0,1,\"Lit\"\r\n");
         g.put("Areas/Hall/3b.dat", "0,\"\",0,0,0,1,\"Deep.\",0,\"\",0,0,0,\"\"\r\n");
       },
       "area-never-shown", "Areas/Hall/3a.dat", "list B", "needs 'Lit' at 1", "", Finding::Level::Warning},
      {"item given but never used",
       [&](const auto& g) {
         g.put("Areas/Hall/1c.dat", "1,\"Stone\"\r\n");
         fs::copy(g.at("Areas/Rope.obj"), g.at("Areas/Stone.obj"));
       },
       "unused-item", "Areas/Hall/1c.dat", "", "'Stone' can be picked up but", "", Finding::Level::Warning},
      {"combination file for an item never held",
       [&](const auto& g) { g.put("Areas/Hall/1c.dat", "0\r\n"); }, "never-held", "Areas/Rope_on_Hook.drg", "",
       "for the item 'Rope', which no area", "", Finding::Level::Warning},
  };
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    GameCopy game(fault.change);
    const CheckReport report = checkGame(game.path(), std::nullopt);
    const Finding* f = find(report, fault.check, fault.file);
    ASSERT_NE(f, nullptr) << "the fault is reported against its file; found:\n" << listed(report);
    EXPECT_EQ(f->field, fault.field) << "the field where it is";
    EXPECT_NE(f->text.find(fault.text), std::string::npos) << "what is wrong: " << f->text;
    EXPECT_EQ(f->playerMessage.rfind(fault.playerMessage, 0), 0u) << "the message the player shows: " << f->playerMessage;
    EXPECT_EQ(f->level, fault.level) << "errors stop a game, warnings may not";
  }
}

TEST(Checker, TheOnlyEndingNeedsTheCombinationAndItsScriptReplays) {
  const CheckReport report = checkGame(kGrapple.string(), SolveOptions{});
  EXPECT_TRUE(report.findings.empty()) << "the game is clean:\n" << listed(report);
  ASSERT_TRUE(report.solve.has_value());
  EXPECT_TRUE(report.solve->complete) << "a small game is explored whole";
  ASSERT_EQ(report.solve->ends.size(), 1u) << "one way ends the game";
  const Way& way = report.solve->ends[0].way;
  EXPECT_NE(std::find(way.steps.begin(), way.steps.end(), "drop Rope on Hook (combination file Rope_on_Hook.drg)"),
            way.steps.end())
      << "the combination is a step of the way";
  const std::vector<std::string> script = {"click frmWelcome.Image5", "click Game.Area(1)", "click Game.Area(2)",
                                           "drag Game.PickedObject(1) Game.PickedObject(2)",
                                           "drag Game.PickedObject(1) Game.Area(3)", "answer ok"};
  EXPECT_EQ(way.script, script) << "a shortest way, as a quorlen-run script";
  const std::string transcript = replay(kGrapple.string(), way.script);
  EXPECT_NE(transcript.find("\"You climb down the well.\" -> ok\nwindow hide Game"), std::string::npos)
      << "the runner reaches the end of the game:\n" << transcript;
  EXPECT_EQ(transcript.find("(default)"), std::string::npos) << "every message box is answered by the script";
}

TEST(Checker, AnItemUsedUpTooEarlyIsADeadEndWithTheWayIntoIt) {
  GameCopy game([](const auto& g) {
    g.put("Areas/Hall/3_Rope.drg", "0,\"\",0,0,0,1,\"The rope slips into the well.\",0,\"\",1,0,0,\"\"\r\n");
  });
  const CheckReport report = checkGame(game.path(), SolveOptions{});
  ASSERT_TRUE(report.solve.has_value());
  EXPECT_EQ(report.solve->ends.size(), 1u) << "the game can still be finished";
  const Finding* dead = find(report, "dead-end", "");
  ASSERT_NE(dead, nullptr) << listed(report);
  EXPECT_NE(dead->text.find("after 'drop Rope on area 3 of Hall' no end can be reached"), std::string::npos)
      << dead->text;
  EXPECT_EQ(std::count_if(report.findings.begin(), report.findings.end(),
                          [](const Finding& f) { return f.check == "dead-end"; }),
            1)
      << "one report for one fatal input, however many states follow it";
  const std::vector<std::string> way = {"click frmWelcome.Image5", "click Game.Area(1)",
                                        "drag Game.PickedObject(1) Game.Area(3)", "answer ok"};
  EXPECT_EQ(dead->way, way) << "the shortest way into the dead end";
  EXPECT_GT(report.solve->deadStates, 1u) << "every state after it counts as dead";
}

TEST(Checker, AVideoThatCannotBeOpenedIsEndedByAPressInTheScript) {
  GameCopy game([](const auto& g) {
    g.put("Areas/Hall/3b.dat",
          "0,\"\",0,0,0,1,\"Deep.\",0,\"\",0,0,1,\"Well\",0,0,1,\"gone.avi\",0,#FALSE#,0,0,0,0\r\n");
    fs::copy(g.at("Frames/Hall.fme"), g.at("Frames/Well.fme"));
    g.put("Frames/Well.lks", "1\r\n");
    g.put("Areas/Well/1a.dat", "1500,1500,1200,1200,#FALSE#,#FALSE#,\"\",0,\"\",0\r\n");
    g.put("Areas/Well/1b.dat", "0,\"\",0,0,0,1,\"The end.\",0,\"\",0,1,0,\"\"\r\n");
  });
  const CheckReport report = checkGame(game.path(), SolveOptions{});
  ASSERT_NE(find(report, "missing-file", "Areas/Hall/3b.dat"), nullptr) << listed(report);
  ASSERT_FALSE(report.solve->ends.empty());
  const Way& way = report.solve->ends[0].way;
  EXPECT_EQ(report.solve->ends[0].frame, "Well") << "the shorter of the two ends comes first";
  EXPECT_NE(std::find(way.script.begin(), way.script.end(), "click Game"), way.script.end())
      << "a press ends the wait for the video that never plays";
  EXPECT_NE(replay(game.path(), way.script).find("\"The end.\" -> ok\n"), std::string::npos)
      << "the runner gets past the wait to the end";
}

TEST(Checker, AGameWithoutAnEndAndABoundedSearchAreErrors) {
  GameCopy game([](const auto& g) { fs::remove(g.at("Areas/Hall/3_Grapple.drg")); });
  const CheckReport proved = checkGame(game.path(), SolveOptions{});
  const Finding* none = find(proved, "no-end", "");
  ASSERT_NE(none, nullptr) << listed(proved);
  EXPECT_NE(none->text.find("all "), std::string::npos) << "a search that met every state proves it";
  SolveOptions bounded;
  bounded.maxStates = 2;
  const CheckReport cut = checkGame(kGrapple.string(), bounded);
  ASSERT_NE(find(cut, "no-end", ""), nullptr) << "an end beyond the bound is not found";
  EXPECT_NE(find(cut, "no-end", "")->text.find("within 2 states"), std::string::npos);
  EXPECT_FALSE(cut.solve->complete);
}

TEST(Checker, TheDemoGameIsCleanAndItsEndingReplays) {
  const CheckReport report = checkGame(kDemo.string(), SolveOptions{});
  EXPECT_TRUE(report.findings.empty()) << listed(report);
  ASSERT_TRUE(report.solve.has_value());
  EXPECT_TRUE(report.solve->complete);
  ASSERT_FALSE(report.solve->ends.empty());
  EXPECT_EQ(report.solve->ends[0].frame, "Ending");
  const std::string transcript = replay(kDemo.string(), report.solve->ends[0].way.script);
  EXPECT_NE(transcript.find("window unload Game\nend of script"), std::string::npos)
      << "the walkthrough closes the game window, as the end of the game does";
  EXPECT_EQ(transcript.find("not available"), std::string::npos) << "every input of the script reaches its control";
}

TEST(Checker, TheExitStatusAndTheJsonReport) {
  auto run = [](std::vector<std::string> args, std::string* out = nullptr) {
    std::ostringstream o;
    std::ostringstream e;
    const int status = checkerMain(args, o, e);
    if (out != nullptr) *out = o.str();
    return status;
  };
  EXPECT_EQ(run({kGrapple.string()}), 0) << "clean";
  GameCopy warned([](const auto& g) { fs::copy(g.at("Frames/Hall.fme"), g.at("Frames/Attic.fme")); });
  EXPECT_EQ(run({warned.path()}), 1) << "warnings only";
  GameCopy broken([](const auto& g) { fs::remove(g.at("Areas/Hall/2b.dat")); });
  std::string json;
  EXPECT_EQ(run({"--json", broken.path()}, &json), 2) << "errors";
  const auto j = nlohmann::json::parse(json);
  EXPECT_EQ(j["status"], 2);
  EXPECT_EQ(j["findings"][0]["file"], "Areas/Hall/2b.dat") << "findings name their file";
  EXPECT_EQ(run({"--max-states", "0", kGrapple.string()}), 3) << "a wrong command line";
}

TEST(CheckerStates, EachStateIsKeptOnceAndReadBackWhole) {
  StateCodec codec;
  StateStore store;
  const GameState a{"Hall", {0, 1, -1}, {{"Hall", 2}, {"Yard", 7}}, {"Rope", "Hook", "Rope"}};
  GameState b = a;
  b.items = {"Hook", "Rope", "Rope"};
  const auto [ia, newA] = store.insert(codec.encode(a));
  const auto [ib, newB] = store.insert(codec.encode(b));
  const auto [again, newAgain] = store.insert(codec.encode(a));
  EXPECT_TRUE(newA && newB) << "the order of the items makes another state";
  EXPECT_FALSE(newAgain) << "a state met again is known";
  EXPECT_EQ(again, ia);
  EXPECT_EQ(codec.decode(store.bytes(ib)), b) << "a state reads back as it was";
  for (int i = 0; i < 5000; ++i) {
    GameState many = a;
    many.values = {static_cast<std::int16_t>(i), 0, 0};
    (void)store.insert(codec.encode(many));
  }
  EXPECT_EQ(store.size(), 5002u) << "the table grows without losing a state";
  EXPECT_EQ(codec.decode(store.bytes(ia)), a);
}

}  // namespace
}  // namespace quorlen::checker
