// The variables file (Config/Variables): the store fills, and a variable
// of it is set, flipped and read.
#include "support/fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorlen::fuzzing::FuzzGame g;
  g.put("/game/Config/Variables", quorlen::fuzzing::bytesOf(data, size));
  g.run([&] {
    g.game.LoadVariables();
    g.game.ChangeVariableValue("Door", 1);
    g.game.ChangeVariableValue("Door", -1);
    (void)g.game.GetVariableValue("Door");
  });
  return 0;
}
