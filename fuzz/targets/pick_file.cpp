// The pick file of an area (Areas/Hall/1c.dat): the area is pressed and may
// give an item.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Areas/Hall/1c.dat", quorlen::fuzzing::bytesOf(data, size));
  g.defineItem("Lamp");
  g.defineItem("Key");
  g.run([&] {
    g.game.PickOrNotPickObject(1);
    g.game.PickOrNotPickObject(1);
  });
  return 0;
}
