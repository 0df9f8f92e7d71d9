// An item file (Areas/Lamp.obj): the item is picked up twice and dropped.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Areas/Lamp.obj", quorlen::fuzzing::bytesOf(data, size));
  g.putPicture("/game/Areas/Lamp.bmp");
  g.run([&] {
    g.game.AddPickedObject("Lamp");
    g.game.AddPickedObject("Lamp");
    g.game.RemovePickedObject(1);
  });
  return 0;
}
