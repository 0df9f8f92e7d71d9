// The click task file of an area (Areas/Hall/1b.dat): the area is pressed
// and its task runs; a second press runs it again with what the first
// changed.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  g.put("/game/Frames/Hall.lks", "1\r\n");
  g.put("/game/Areas/Hall/1a.dat", "0,0,10,10,\"\",#FALSE#,0\r\n");
  g.put("/game/Areas/Hall/1b.dat", quorlen::fuzzing::bytesOf(data, size));
  g.put("/game/Frames/Garden.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  g.put("/game/Config/Variables", "2\r\n\"Door\"\r\n\"Lamp\"\r\n");
  g.defineItem("Lamp");
  g.run([&] {
    g.game.LoadVariables();
    g.game.OpenFrame("Hall");
    g.game.AddPickedObject("Lamp");
    (void)g.game.MakeAction(1, 0);
    (void)g.game.MakeAction(1, 1);
  });
  return 0;
}
