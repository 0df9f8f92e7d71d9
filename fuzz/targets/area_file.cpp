// The area file (Areas/Hall/1a.dat): the frame's areas load and their
// visibility is worked out, then the area is pressed.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Frames/Hall.fme", "0,\"0\",#FALSE#,#FALSE#,\"\",#FALSE#,0,\"\",\"\",#TRUE#\r\n");
  g.put("/game/Frames/Hall.lks", "2\r\n");
  g.put("/game/Areas/Hall/1a.dat", quorlen::fuzzing::bytesOf(data, size));
  g.put("/game/Areas/Hall/2a.dat", "20,20,10,10,\"\",#FALSE#,0\r\n");
  g.put("/game/Config/Variables", "2\r\n\"Door\"\r\n\"Lamp\"\r\n");
  g.putPicture("/game/Areas/door.bmp");
  g.run([&] {
    g.game.LoadVariables();
    g.game.OpenFrame("Hall");
    g.game.ShowOrNotShowAreas();
    g.game.Area_MouseDown(1, 1, 0, 0, 0);
  });
  return 0;
}
