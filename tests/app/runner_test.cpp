// quorlen-run as a program: its options, its script errors and its settings
// file kept between runs.
#include "app/runner/runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_folder.h"

namespace quorlen {
namespace {

const std::string kGame = std::string(QUORLEN_TEST_DATA) + "/../scenarios/startup/game";

struct RunResult {
  int status = 0;
  std::string out;
  std::string err;
};

RunResult run(std::vector<std::string> args, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  RunResult r;
  r.status = runnerMain(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

TEST(Runner, TheSettingsFileIsReadBackByTheNextRun) {
  const testing::TempFolder dir("quorlen-runner");
  const std::string settings = dir.at("settings.ini");
  RunResult first = run({"--settings", settings, kGame}, "click frmWelcome.lblResolution\nclick frmWelcome.Image7\n");
  EXPECT_NE(first.out.find("setting write \"Games\" \"tale1\" \"ChangeResolution\" \"0\""), std::string::npos)
      << first.out;
  RunResult second = run({"--settings", settings, kGame}, "");
  EXPECT_EQ(second.out.substr(0, second.out.find('\n')),
            "setting read \"Games\" \"tale1\" \"ChangeResolution\" -> \"0\"")
      << "the choice stored by the first run";
}

TEST(Runner, AScriptLineThatCannotBeUnderstoodEndsWithItsLineNumber) {
  RunResult r = run({kGame}, "# a comment\n\nclick frmWelcome.Image8\npress frmWelcome.Image5\ndump\n");
  EXPECT_EQ(r.status, kRunnerScriptError);
  EXPECT_EQ(r.out.substr(r.out.rfind("error")), "error 4: unknown command press\n")
      << "the transcript ends with the 1-based line and why";
}

TEST(Runner, WhatTheUserCannotReachIsNotAvailable) {
  RunResult r = run({kGame}, "click frmWelcome.Image3\nclick Game.PictureBox\nanswer ok\nclick frmWelcome.Nothing\n");
  EXPECT_EQ(r.status, kRunnerDone);
  EXPECT_NE(r.out.find("not available: frmWelcome.Image3\n"), std::string::npos) << "a control in a hidden panel";
  EXPECT_NE(r.out.find("not available: Game.PictureBox\n"), std::string::npos) << "a window not loaded";
  EXPECT_NE(r.out.find("not available: answer\n"), std::string::npos) << "no message box shows";
  EXPECT_NE(r.out.find("not available: frmWelcome.Nothing\n"), std::string::npos) << "no such control";
  EXPECT_EQ(r.out.substr(r.out.size() - 14), "end of script\n");
}

TEST(Runner, BadOptionsAreAFaultAndTheClockOptionSetsTheMinuteOfTheAliases) {
  EXPECT_EQ(run({"--display", "big", kGame}, "").status, kRunnerFault) << "a display that is no size";
  EXPECT_EQ(run({"--clock", "25:00:00", kGame}, "").status, kRunnerFault) << "a time that is no time";
  EXPECT_EQ(run({}, "").status, kRunnerFault) << "no game folder";
  const std::string game = std::string(QUORLEN_TEST_DATA) + "/../scenarios/newgame/game";
  RunResult r = run({"--clock", "23:59:30", "--display", "640x480", game}, "click frmWelcome.Image5\n");
  EXPECT_NE(r.out.find("ALIAS mid59 TYPE Sequencer"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace quorlen
