// The frame file (Frames/Hall.fme): the frame opens, and its timed move,
// if it has one, is due at once.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Frames/Hall.fme", quorlen::fuzzing::bytesOf(data, size));
  g.put("/game/Frames/Hall.lks", "1\r\n");
  g.put("/game/Areas/Hall/1a.dat", "0,0,10,10,\"\",#FALSE#,0\r\n");
  g.put("/game/Frames/Garden.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  g.run([&] {
    g.game.OpenFrame("Hall");
    g.game.Timer1_Timer();
  });
  return 0;
}
