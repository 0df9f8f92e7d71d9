#pragma once
// The game window of the frame Hall (tests/support/frame_game_fixture.h),
// for tests of the areas and their tasks, with the game variable Lamp at 0.

#include <cstdint>
#include <string>

#include "support/frame_game_fixture.h"

namespace quorlen::testing {

class AreasTest : public FrameGameTest {
 protected:
  AreasTest() { game.Variables.Add("Lamp", 0); }

  void putArea(int n, const std::string& bytes) { put("/game/Areas/Hall/" + std::to_string(n) + "a.dat", bytes); }
  void putTask(int n, const std::string& bytes) { put("/game/Areas/Hall/" + std::to_string(n) + "b.dat", bytes); }
  // A plain area of the frame Hall, shown without conditions.
  void putPlainArea(int n) { putArea(n, "0,0,900,900,#FALSE#,#FALSE#,\"\",0,\"\",0\r\n"); }
  void setAreasCount(std::int16_t count) { program.state().frame.AreasCount = count; }

  using FrameGameTest::malformed;
  // A file of tests/data/malformed/areas.
  static std::string malformed(const std::string& name) { return FrameGameTest::malformed("areas", name); }
};

inline const std::string kLoadMessage1 =
    "Unable to load all the 1 frame area(s). The game may not work properly. Press 'Esc' and then click 'Exit' to "
    "quit the game.";
inline const std::string kPassMessage = "Unable to load areas information.";
inline const std::string kTaskMessage =
    "Unable to complete area task. The game may not work properly. Press 'Esc' and then click 'Exit' to quit the "
    "game.";

}  // namespace quorlen::testing
