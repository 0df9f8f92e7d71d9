// The link file (Frames/Hall.lks): the number of areas the frame loads.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  g.put("/game/Frames/Hall.lks", quorlen::fuzzing::bytesOf(data, size));
  g.put("/game/Areas/Hall/1a.dat", "0,0,10,10,\"\",#FALSE#,0\r\n");
  g.put("/game/Areas/Hall/2a.dat", "20,20,10,10,\"\",#FALSE#,0\r\n");
  g.run([&] { g.game.OpenFrame("Hall"); });
  return 0;
}
